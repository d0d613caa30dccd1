#include "app/StartupUpdates.h"
#include "tests/support/TestStore.h"
#include "tests/support/TopLevelWindows.h"
#include "tests/update/UpdateTestFeed.h"
#include "update/PlatformKey.h"
#include "update/UpdateDialog.h"
#include "update/WhatsNewDialog.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kLastShownKey = QStringLiteral("whatsNew/lastShownVersion");
const QString kDismissedKey = QStringLiteral("update_dismissed_version");

} // namespace

class TestStartupUpdates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void whatsNewIsDueOncePerVersion_data();
    void whatsNewIsDueOncePerVersion();
    void putOffVersionIsNotOfferedAgain();
    void mandatoryUpdateIsOfferedEveryStart();
    void failedCheckIsOnlyLogged();
    void nothingOpensOnceTheWindowHasGone();

private:
    // Starts the start-up updates over a new window, as at a program start.
    StartupUpdates* startOver(QWidget* window, const QString& running = QStringLiteral("1.1.4"));
    // The check's answer has come and been acted on.
    void waitForTheCheck(int requestsBefore);

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestStore> m_store;
    UpdateTestFeed* m_feed = nullptr;
};

void TestStartupUpdates::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestStartupUpdates::init()
{
    if (TandUpdate::platformKey().isEmpty())
        QSKIP("No update is shipped for this platform");
    QSettings().clear();
    m_store = std::make_unique<TestStore>();
    m_feed = new UpdateTestFeed(this);
}

void TestStartupUpdates::cleanup()
{
    deleteTopLevelDialogs();
    delete m_feed;
    m_feed = nullptr;
    m_store.reset();
}

StartupUpdates* TestStartupUpdates::startOver(QWidget* window, const QString& running)
{
    auto* updates = new StartupUpdates(&m_store->preferences, m_feed->config(running), "Tandrel Ledgerine", window);
    updates->start();
    return updates;
}

void TestStartupUpdates::waitForTheCheck(int requestsBefore)
{
    QTRY_VERIFY_WITH_TIMEOUT(m_feed->requestsTo("GET", UpdateTestFeed::kManifestPath).size() > requestsBefore, 5000);
    QTest::qWait(100);
}

void TestStartupUpdates::whatsNewIsDueOncePerVersion_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("legacy");
    QTest::addColumn<bool>("due");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("first start") << "" << "" << true << "1.1.4";
    QTest::newRow("after an upgrade") << "1.1.3" << "" << true << "1.1.4";
    QTest::newRow("already shown") << "1.1.4" << "" << false << "1.1.4";
    QTest::newRow("after a downgrade") << "1.2.0" << "" << false << "1.2.0";
    QTest::newRow("unreadable") << "one" << "" << true << "1.1.4";
    QTest::newRow("shown by an earlier version") << "" << "1.1.4" << false << "1.1.4";
    QTest::newRow("older in the ledger") << "" << "1.0.0" << true << "1.1.4";
    QTest::newRow("settings win over the ledger") << "1.0.0" << "1.1.4" << true << "1.1.4";
}

void TestStartupUpdates::whatsNewIsDueOncePerVersion()
{
    QFETCH(QString, stored);
    QFETCH(QString, legacy);
    QFETCH(bool, due);
    QFETCH(QString, storedAfter);
    if (!stored.isEmpty())
        QSettings().setValue(kLastShownKey, stored);
    if (!legacy.isEmpty())
        QVERIFY(m_store->preferences.set(QStringLiteral("last_whats_new_version"), legacy));

    QWidget window;
    StartupUpdates updates(&m_store->preferences, m_feed->config("1.1.4"), "Tandrel Ledgerine", &window);
    QCOMPARE(updates.takeWhatsNewTurn(), due);
    QCOMPARE(QSettings().value(kLastShownKey).toString(), storedAfter);
    QVERIFY(!updates.takeWhatsNewTurn());
}

void TestStartupUpdates::putOffVersionIsNotOfferedAgain()
{
    QSettings().setValue(kLastShownKey, "1.1.4");
    m_feed->publish(m_feed->artifact("1.2.0"));
    {
        QWidget window;
        QElapsedTimer clock;
        clock.start();
        startOver(&window);
        QTRY_COMPARE_WITH_TIMEOUT(shownTopLevels<TandUpdate::UpdateDialog>().size(), 1, 5000);
        QVERIFY(clock.elapsed() >= StartupUpdates::kCheckDelayMs);
        shownTopLevels<TandUpdate::UpdateDialog>().first()->reject();
        QCOMPARE(m_store->preferences.getString(kDismissedKey), QStringLiteral("1.2.0"));
    }
    {
        QWidget window;
        startOver(&window);
        waitForTheCheck(1);
        QVERIFY(shownTopLevels<TandUpdate::UpdateDialog>().isEmpty());
    }
    // A newer one than the version put off is offered.
    m_feed->publish(m_feed->artifact("1.3.0"));
    QWidget window;
    startOver(&window);
    QTRY_COMPARE_WITH_TIMEOUT(shownTopLevels<TandUpdate::UpdateDialog>().size(), 1, 5000);
    shownTopLevels<TandUpdate::UpdateDialog>().first()->close();
    QCOMPARE(m_store->preferences.getString(kDismissedKey), QStringLiteral("1.3.0"));
}

void TestStartupUpdates::mandatoryUpdateIsOfferedEveryStart()
{
    QSettings().setValue(kLastShownKey, "1.1.4");
    QVERIFY(m_store->preferences.set(kDismissedKey, "1.2.0"));
    m_feed->publish(m_feed->artifact("1.2.0", false, true));
    for (int start = 0; start < 2; ++start) {
        QWidget window;
        startOver(&window);
        QTRY_COMPARE_WITH_TIMEOUT(shownTopLevels<TandUpdate::UpdateDialog>().size(), 1, 5000);
        shownTopLevels<TandUpdate::UpdateDialog>().first()->reject();
        QTRY_VERIFY(shownTopLevels<TandUpdate::UpdateDialog>().isEmpty());
    }
    QCOMPARE(m_store->preferences.getString(kDismissedKey), QStringLiteral("1.2.0"));
}

void TestStartupUpdates::failedCheckIsOnlyLogged()
{
    QSettings().setValue(kLastShownKey, "1.1.4");
    m_feed->respondAlways("GET", UpdateTestFeed::kManifestPath, FakeResponse::raw(200, "not json"));
    QWidget window;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Update check at start-up failed: manifest invalid: "));
    startOver(&window);
    waitForTheCheck(0);
    QVERIFY(shownTopLevels<TandUpdate::UpdateDialog>().isEmpty());
}

void TestStartupUpdates::nothingOpensOnceTheWindowHasGone()
{
    m_feed->publishNotes("1.1.4", "# In 1.1.4\n");
    m_feed->delayRoute("GET", UpdateTestFeed::notesPath("1.1.4"), 300);
    m_feed->publish(m_feed->artifact("1.2.0"));
    auto window = std::make_unique<QWidget>();
    QPointer<StartupUpdates> updates = startOver(window.get());
    QTRY_COMPARE(m_feed->requests().size(), 1);
    window.reset();
    QVERIFY(!updates);
    QTest::qWait(StartupUpdates::kCheckDelayMs + 300);
    QVERIFY(shownTopLevels<TandUpdate::WhatsNewDialog>().isEmpty());
    QVERIFY(shownTopLevels<TandUpdate::UpdateDialog>().isEmpty());
    QVERIFY(m_feed->requestsTo("GET", UpdateTestFeed::kManifestPath).isEmpty());
}

QTEST_MAIN(TestStartupUpdates)
#include "tst_startupupdates.moc"
