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

    // English is the only catalogue so far, and all it holds are the plural
    // forms of texts with a count. A language without a catalogue of its own
    // (or the "C" locale of a headless machine) takes it too, so that a count
    // reads "1 transaction", never "1 transaction(s)".
    auto own = std::make_unique<QTranslator>();
    if (own->load(kCataloguePath.arg(language)) || own->load(kCataloguePath.arg(kEnglish))) {
        own->setParent(this);
        installTranslator(own.release());
    } else {
        qWarning().noquote() << "Could not load the translation catalogue" << kCataloguePath.arg(kEnglish);
    }

    if (language == kEnglish)
        return;
    auto qtBase = std::make_unique<QTranslator>();
    if (qtBase->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtBase->setParent(this);
        installTranslator(qtBase.release());
    }
}

void Application::reportDatabaseFailure(const QString& cause)
{
    QMessageBox::critical(nullptr, tr("Database Error"),
                          tr("Failed to initialize the database.\n\nData directory: %1\n\n%2")
                              .arg(QDir::toNativeSeparators(Database::dataDirectory()), cause));
}
