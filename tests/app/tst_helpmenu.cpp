#include "app/MainWindow.h"
#include "appstate/AppState.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TopLevelWindows.h"
#include "tests/update/UpdateTestFeed.h"
#include "update/Client.h"
#include "update/PlatformKey.h"
#include "update/ReleaseNotesFetcher.h"
#include "update/UpdateDialog.h"
#include "update/WhatsNewDialog.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The Help menu's update items, against a fake feed named by LEDGERINE_UPDATE_URL.
class TestHelpMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void checkForUpdatesOffersTheNewerVersion();
    void whatsNewShowsTheRunningVersionsNotes();
    void feedbackOpensTheTaggedPage();
    void feedbackThatCannotOpenIsToldOverTheMainWindow();
    void answerAfterTheWindowHasGoneIsHarmless();

private:
    void trigger(const char* actionName);

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    UpdateTestFeed* m_feed = nullptr;
    QByteArray m_previousFeed;
};

void TestHelpMenu::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestHelpMenu::init()
{
    if (TandUpdate::platformKey().isEmpty())
        QSKIP("No update is shipped for this platform");
    m_feed = new UpdateTestFeed(this);
    m_previousFeed = qgetenv("LEDGERINE_UPDATE_URL");
    qputenv("LEDGERINE_UPDATE_URL", m_feed->channelUrl().toEncoded());
    m_dataDir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_window = std::make_unique<MainWindow>(m_state.get());
    m_window->show();
}

void TestHelpMenu::cleanup()
{
    deleteTopLevelDialogs();
    m_window.reset();
    m_state.reset();
    m_dataDir.reset();
    delete m_feed;
    m_feed = nullptr;
    qputenv("LEDGERINE_UPDATE_URL", m_previousFeed);
}

void TestHelpMenu::trigger(const char* actionName)
{
    auto* action = m_window->findChild<QAction*>(QString::fromLatin1(actionName));
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    action->trigger();
}

void TestHelpMenu::checkForUpdatesOffersTheNewerVersion()
{
    m_feed->publish(m_feed->artifact("1.2.0"));
    m_feed->delayRoute("GET", UpdateTestFeed::kManifestPath, 100);
    trigger("checkForUpdatesAction");
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("Checking for updates…"));
    QTRY_COMPARE(shownTopLevels<TandUpdate::UpdateDialog>().size(), 1);
    QCOMPARE(shownTopLevels<TandUpdate::UpdateDialog>().first()->parentWidget(), m_window.get());
    QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
    QCOMPARE(m_feed->requests().first().header("User-Agent"), QByteArray("TandUpdateQt/0.1 (ledgerine)"));
}

void TestHelpMenu::whatsNewShowsTheRunningVersionsNotes()
{
    m_feed->publishNotes(QStringLiteral(LEDGERINE_VERSION), "# What changed\n");
    trigger("whatsNewAction");
    QTRY_COMPARE(shownTopLevels<TandUpdate::WhatsNewDialog>().size(), 1);
    QVERIFY(shownTopLevels<TandUpdate::WhatsNewDialog>().first()->windowTitle().endsWith(QLatin1String(LEDGERINE_VERSION)));
}

void TestHelpMenu::feedbackOpensTheTaggedPage()
{
    OpenedUrls opened;
    trigger("feedbackAction");
    QCOMPARE(opened.urls().size(), 1);
    const QUrl page = opened.urls().first();
    QCOMPARE(page.scheme(), QStringLiteral("https"));
    QCOMPARE(page.query(), QStringLiteral("tags=ledgerine"));
    QVERIFY(m_feed->requests().isEmpty());
}

void TestHelpMenu::feedbackThatCannotOpenIsToldOverTheMainWindow()
{
    OpenedUrls opened;
    opened.setFailing(true);
    // Another window is the active one: the box still belongs to the window
    // whose menu was used, not to whatever happens to be in front.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QWidget* owner = nullptr;
    ModalWatcher watcher([&owner](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            owner = box->parentWidget();
        modal->close();
    });
    trigger("feedbackAction");
    QCOMPARE(owner, m_window.get());
}

void TestHelpMenu::answerAfterTheWindowHasGoneIsHarmless()
{
    // Both answers would open a dialog over the window, and clear its status.
    m_feed->publish(m_feed->artifact("1.2.0"));
    m_feed->publishNotes(QStringLiteral(LEDGERINE_VERSION), "# What changed\n");
    m_feed->delayRoute("GET", UpdateTestFeed::kManifestPath, 300);
    m_feed->delayRoute("GET", UpdateTestFeed::notesPath(QStringLiteral(LEDGERINE_VERSION)), 300);
    trigger("checkForUpdatesAction");
    trigger("whatsNewAction");
    QTRY_COMPARE(m_feed->requests().size(), 2);
    m_window.reset();
    // Each flow's reader goes once its answer has been acted on.
    QTRY_VERIFY_WITH_TIMEOUT(!qApp->findChild<TandUpdate::Client*>(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!qApp->findChild<TandUpdate::ReleaseNotesFetcher*>(), 5000);
    QVERIFY(shownTopLevels<QDialog>().isEmpty());
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
