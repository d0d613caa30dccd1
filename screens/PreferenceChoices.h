#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// What the preferences window offers in its lists and which entry a stored
// value selects. A stored value that matches no entry selects the fallback
// and is left as it is until the user picks something.
class PreferenceChoices
{
    Q_DECLARE_TR_FUNCTIONS(PreferenceChoices)

public:
    struct Choice
    {
        QString text;
        QVariant value;
    };

    // Stored as "system", "light" and "dark".
    static QList<Choice> themes();
    // Font scales in percent; 100 is "Default".
    static QList<Choice> fontSizes();
    // Qt::DayOfWeek numbers: Sunday, Monday, Saturday.
    static QList<Choice> weekStarts();
    // "System Default" ("system"), then one entry per language code, named
    // in its own language.
    static QList<Choice> languages(const QStringList& codes);
    // The languages whose catalogue ships inside the program
    // (":/i18n/ledgerine_<code>.qm"): English, Spanish, German, French and
    // Japanese, then any other by code. Choosing one without a catalogue
    // would change nothing.
    static QStringList shippedLanguages();
    // The colours offered for the accent, in the order shown.
    static QList<QColor> accentColors();

    // The index of the entry holding `value`, else `fallback`.
    static int indexOf(const QList<Choice>& choices, const QVariant& value, int fallback = 0);
    // The entry of a font scale, else "Default".
    static int fontSizeIndex(int percent);
    // Whether the swatch shows the stored accent text ("#00897b" and
    // "#00897B" are one colour).
    static bool isStoredAccent(const QColor& swatch, const QString& stored);
};
