#include "tests/support/TranslationSource.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>

QList<TranslationMessage> readTranslationSource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TranslationMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    TranslationMessage message;
    bool kept = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("message") && kept) {
            message.finished = message.finished && !message.forms.isEmpty()
                && std::none_of(message.forms.cbegin(), message.forms.cend(),
                                [](const QString& form) { return form.isEmpty(); });
            messages.append(message);
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = TranslationMessage{context, {},
                                         xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"),
                                         false, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            kept = type != QLatin1String("vanished") && type != QLatin1String("obsolete");
            message.finished = type.isEmpty();
            if (!message.numerus)
                message.forms.append(xml.readElementText());
        } else if (xml.name() == QLatin1String("numerusform")) {
            message.forms.append(xml.readElementText());
        }
    }
    return messages;
}
