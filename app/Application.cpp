#include "app/Application.h"

#include "app/MainWindow.h"
#include "app/ReturnPressesButtons.h"
#include "app/StartupUpdates.h"
#include "app/UpdateFeed.h"
#include "appstate/AppState.h"
#include "appstate/ThemeHelpers.h"
#include "storage/Database.h"

#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QtDebug>

#include <memory>

namespace {

const QString kIconFontPath = QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf");
const QString kAppIconPath = QStringLiteral(":/icons/icons/app_icon.png");
const QString kCataloguePath = QStringLiteral(":/i18n/ledgerine_%1.qm");
const QString kEnglish = QStringLiteral("en");

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Tandrel"));
    setApplicationName(QStringLiteral("Ledgerine"));
    setApplicationVersion(QStringLiteral(LEDGERINE_VERSION));
    setWindowIcon(QIcon(kAppIconPath));
    loadIconFont();
    installTranslators();
    installEventFilter(new ReturnPressesButtons(this));
}

int Application::run()
{
    AppState state;
    if (!state.initialize()) {
        reportDatabaseFailure(Database::problemText(state.databaseProblem()));
        return 1;
    }
    MainWindow window(&state);
    window.show();
    auto* updates =
        new StartupUpdates(state.preferencesRepository(), UpdateFeed::config(), UpdateFeed::productName(), &window);
    updates->start();
    return exec();
}

void Application::loadIconFont()
{
    const int id = QFontDatabase::addApplicationFont(kIconFontPath);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qWarning().noquote() << "Could not load the icon font" << kIconFontPath;
        return;
    }
    m_iconFontFamily = families.first();
}

void Application::installTranslators()
{
    const QString language = currentUiLanguage(true);

    // English holds nothing but the plural forms of texts with a count. It
    // goes in first, under every other language: a text a catalogue lacks
    // then still reads "1 transaction", never "1 transaction(s)", and so does
    // every text under a language without a catalogue of its own (or the "C"
    // locale of a headless machine).
    if (!installCatalogue(kCataloguePath.arg(kEnglish), {}))
        qWarning().noquote() << "Could not load the translation catalogue" << kCataloguePath.arg(kEnglish);
    if (language == kEnglish)
        return;
    // Qt's own texts (the buttons of message boxes and dialogs) follow only
    // a language the program speaks, so that a window never mixes two.
    if (installCatalogue(kCataloguePath.arg(language), {}))
        installCatalogue(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool Application::installCatalogue(const QString& fileName, const QString& directory)
{
    auto translator = std::make_unique<QTranslator>(this);
    if (!translator->load(fileName, directory))
        return false;
    installTranslator(translator.release());
    return true;
}

void Application::reportDatabaseFailure(const QString& cause)
{
    QMessageBox::critical(nullptr, tr("Database Error"),
                          tr("Failed to initialize the database.\n\nData directory: %1\n\n%2")
                              .arg(QDir::toNativeSeparators(Database::dataDirectory()), cause));
}
