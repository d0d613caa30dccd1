#pragma once

#include <QObject>
#include <QString>

// The translation catalogues of one language, installed into the running
// application for as long as this object lives: the program's own
// (":/i18n/ledgerine_<language>.qm") over the English plural forms, and Qt's
// own "qtbase" catalogue for the buttons of its dialogs. A language without
// a catalogue of its own leaves the program in English.
class LanguageCatalogues : public QObject
{
    Q_OBJECT

public:
    explicit LanguageCatalogues(const QString& language, QObject* parent = nullptr);

    // The language the program's texts now appear in: the one asked for
    // when its catalogue loaded, else "en".
    QString language() const { return m_language; }

private:
    // Loads a catalogue and puts it above those installed before; false, and
    // nothing installed, when it cannot be read.
    bool install(const QString& fileName, const QString& directory);

    QString m_language;
};
