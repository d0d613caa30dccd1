#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a translation source (resources/i18n/ledgerine_<code>.ts).
struct TranslationMessage
{
    QString context;
    QString source;
    bool numerus = false;
    // Neither marked unfinished nor left with an empty text or form.
    bool finished = false;
    // The translation, or the plural forms of a text with a count.
    QStringList forms;

    QString describe() const { return context + QStringLiteral(": \"") + source + u'"'; }
};

// The messages of a translation source as lrelease compiles them: vanished
// and obsolete ones are left out. Empty when the file cannot be read.
QList<TranslationMessage> readTranslationSource(const QString& path);
