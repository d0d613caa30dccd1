#include "screens/PreferenceChoices.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

QList<PreferenceChoices::Choice> PreferenceChoices::themes()
{
    return {{tr("System Default"), QStringLiteral("system")},
            {tr("Light"), QStringLiteral("light")},
            {tr("Dark"), QStringLiteral("dark")}};
}

QList<PreferenceChoices::Choice> PreferenceChoices::fontSizes()
{
    return {{tr("Small"), 85}, {tr("Default"), 100}, {tr("Medium"), 115}, {tr("Large"), 130}, {tr("Extra Large"), 150}};
}

QList<PreferenceChoices::Choice> PreferenceChoices::weekStarts()
{
    return {{tr("Sunday"), int(Qt::Sunday)}, {tr("Monday"), int(Qt::Monday)}, {tr("Saturday"), int(Qt::Saturday)}};
}

QList<PreferenceChoices::Choice> PreferenceChoices::languages(const QStringList& codes)
{
    // Each language under its own name, so that a user who cannot read the
    // current one still finds theirs.
    static const QHash<QString, QString> ownNames{{QStringLiteral("en"), QStringLiteral("English")},
                                                  {QStringLiteral("es"), QStringLiteral("Español")},
                                                  {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                                  {QStringLiteral("fr"), QStringLiteral("Français")},
                                                  {QStringLiteral("ja"), QStringLiteral("日本語")}};
    QList<Choice> choices{{tr("System Default"), QStringLiteral("system")}};
    for (const QString& code : codes)
        choices.append({ownNames.value(code, QLocale(code).nativeLanguageName()), code});
    return choices;
}

QStringList PreferenceChoices::shippedLanguages()
{
    static const QRegularExpression catalogue(QStringLiteral("^ledgerine_([A-Za-z_]+)\\.qm$"));
    QStringList codes;
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QRegularExpressionMatch match = catalogue.match(file);
        if (match.hasMatch())
            codes.append(match.captured(1));
    }
    return codes;
}

QList<QColor> PreferenceChoices::accentColors()
{
    return {QColor(0x00, 0x89, 0x7B), QColor(0x1E, 0x88, 0xE5), QColor(0x39, 0x49, 0xAB), QColor(0x8E, 0x24, 0xAA),
            QColor(0xD8, 0x1B, 0x60), QColor(0x2E, 0x7D, 0x32), QColor(0xF9, 0xA8, 0x25), QColor(0x54, 0x6E, 0x7A)};
}

int PreferenceChoices::indexOf(const QList<Choice>& choices, const QVariant& value, int fallback)
{
    for (int index = 0; index < choices.size(); ++index) {
        if (choices.at(index).value == value)
            return index;
    }
    return fallback;
}

int PreferenceChoices::fontSizeIndex(int percent)
{
    const QList<Choice> sizes = fontSizes();
    return indexOf(sizes, percent, indexOf(sizes, 100));
}

bool PreferenceChoices::isStoredAccent(const QColor& swatch, const QString& stored)
{
    return swatch.name().compare(stored.trimmed(), Qt::CaseInsensitive) == 0;
}
