#include "app/LanguageCatalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtDebug>

#include <memory>

namespace {

const QString kCataloguePath = QStringLiteral(":/i18n/ledgerine_%1.qm");
const QString kEnglish = QStringLiteral("en");

} // namespace

LanguageCatalogues::LanguageCatalogues(const QString& language, QObject* parent)
    : QObject(parent)
    , m_language(kEnglish)
{
    // English holds nothing but the plural forms of texts with a count. It
    // goes in first, under every other language: a text a catalogue lacks
    // then still reads "1 transaction", never "1 transaction(s)", and so does
    // every text under a language without a catalogue of its own (or the "C"
    // locale of a headless machine).
    if (!install(kCataloguePath.arg(kEnglish), {}))
        qWarning().noquote() << "Could not load the translation catalogue" << kCataloguePath.arg(kEnglish);
    if (language == kEnglish || !install(kCataloguePath.arg(language), {}))
        return;
    m_language = language;
    // Qt's own texts follow only a language the program speaks, so that a
    // window never mixes two.
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool LanguageCatalogues::install(const QString& fileName, const QString& directory)
{
    // A translator leaves the application when it is destroyed, so the
    // catalogues go with this object.
    auto translator = std::make_unique<QTranslator>(this);
    if (!translator->load(fileName, directory))
        return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}
