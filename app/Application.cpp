#include "app/Application.h"

#include "app/DataFolderLock.h"
#include "app/LanguageCatalogues.h"
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
#include <QMessageBox>
#include <QtDebug>

namespace {

const QString kIconFontPath = QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf");
const QString kAppIconPath = QStringLiteral(":/icons/icons/app_icon.png");

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Tandrel"));
    setApplicationName(QStringLiteral("Ledgerine"));
    setApplicationVersion(QStringLiteral(LEDGERINE_VERSION));
    setWindowIcon(QIcon(kAppIconPath));
    loadIconFont();
    new LanguageCatalogues(currentUiLanguage(true), this);
    installEventFilter(new ReturnPressesButtons(this));
}

int Application::run()
{
    // Before the database is opened: a second copy must not touch it.
    DataFolderLock folderLock(Database::dataDirectory());
    if (folderLock.take() == DataFolderLock::Outcome::HeldByAnotherCopy) {
        folderLock.askHolderToShow();
        reportAlreadyRunning();
        return 1;
    }
    AppState state;
    if (!state.initialize()) {
        reportDatabaseFailure(Database::problemText(state.databaseProblem()));
        return 1;
    }
    MainWindow window(&state);
    window.show();
    connect(&folderLock, &DataFolderLock::showRequested, &window, [&window] {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.show();
        window.raise();
        window.activateWindow();
    });
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

void Application::reportDatabaseFailure(const QString& cause)
{
    QMessageBox::critical(nullptr, tr("Database Error"),
                          tr("Failed to initialize the database.\n\nData directory: %1\n\n%2")
                              .arg(QDir::toNativeSeparators(Database::dataDirectory()), cause));
}

void Application::reportAlreadyRunning()
{
    QMessageBox::warning(nullptr, tr("Ledgerine Is Already Running"),
                         tr("Ledgerine is already running with this data folder:\n\n%1\n\nSwitch to its window, "
                            "or close it before starting Ledgerine again.")
                             .arg(QDir::toNativeSeparators(Database::dataDirectory())));
}
