#include "tests/sync/SyncTestBed.h"

#include "storage/Timestamp.h"
#include "tests/support/TestTokens.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTest>

// What the engine announced, in order, as short words.
class EventLog : public QObject
{
public:
    explicit EventLog(SyncEngine* engine)
    {
        connect(engine, &SyncEngine::stateChanged, this,
                [this](SyncEngine::SyncState state) { events << SyncEngine::stateText(state); });
        connect(engine, &SyncEngine::syncCompleted, this, [this] { events << QStringLiteral("completed"); });
        connect(engine, &SyncEngine::syncFailed, this,
                [this](const QString& error) { events << QStringLiteral("failed: ") + error; });
    }
    int count(const QString& event) const { return int(events.count(event)); }

    QStringList events;
};

class SyncEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stateTexts();
    void burstOfRequestsGivesOnePassAfterTheLast();
    void periodicTimerSyncsUntilStopped();
    void closedGateSkipsThePassAndDropsSyncAgain();
    void syncNowDuringAPassGivesExactlyOneMorePass();
    void failedPassStartsNoFollowUpButErrorAllowsTheNext();
    void authenticationRequiredShowsErrorOnly();
    void rejectedRefreshDuringPushFailsThePassOnce();
    void passInFlightIsNeverDoubledWhenTheStateChanges();
    void timedOutPushFailsLikeANetworkFailure();
    void successfulPassRecordsTheSyncTime();
    void passWaitsForATransactionInProgress();
    void answerDuringATransactionMarksNothing();

private:
    std::unique_ptr<SyncTestBed> m_bed;
};

void SyncEngineTest::init()
{
    m_bed = std::make_unique<SyncTestBed>();
    QVERIFY(m_bed->ready());
}

void SyncEngineTest::cleanup()
{
    m_bed.reset();
}

void SyncEngineTest::stateTexts()
{
    QCOMPARE(SyncEngine::stateText(SyncEngine::Idle), QStringLiteral("Synced"));
    QCOMPARE(SyncEngine::stateText(SyncEngine::Syncing), QStringLiteral("Syncing..."));
    QCOMPARE(SyncEngine::stateText(SyncEngine::Error), QStringLiteral("Sync error"));
    QCOMPARE(SyncEngine::stateText(SyncEngine::Offline), QStringLiteral("Offline"));
    QCOMPARE(SyncEngine::stateText(SyncEngine::SyncState(7)), QStringLiteral("Unknown"));
    QCOMPARE(m_bed->engine->state(), SyncEngine::Idle);
}

void SyncEngineTest::burstOfRequestsGivesOnePassAfterTheLast()
{
    SyncEngine& engine = *m_bed->engine;
    QElapsedTimer sinceLastRequest;
    qint64 passStartedAfter = -1;
    connect(&engine, &SyncEngine::stateChanged, this, [&](SyncEngine::SyncState state) {
        if (state == SyncEngine::Syncing)
            passStartedAfter = sinceLastRequest.elapsed();
    });
    EventLog log(&engine);

    for (int i = 0; i < 10; ++i) {
        // Started before the request, so the time measured is never shorter
        // than the engine's own wait.
        sinceLastRequest.start();
        engine.requestSync();
        QTest::qWait(100);
    }

    QTRY_COMPARE_WITH_TIMEOUT(log.count("completed"), 1, 10000);
    // Two seconds after the last request: a busy machine may only delay
    // the pass, never bring it forward.
    QVERIFY2(passStartedAfter >= 2000 && passStartedAfter < 3500, QByteArray::number(passStartedAfter).constData());
    QTest::qWait(300);
    QCOMPARE(log.count("completed"), 1);
}

void SyncEngineTest::periodicTimerSyncsUntilStopped()
{
    SyncEngine& engine = *m_bed->engine;
    EventLog log(&engine);
    engine.startAutoSync(100);
    // The first pass starts at once, not one interval later.
    QCOMPARE(log.events, QStringList{"Syncing..."});
    QTRY_VERIFY(log.count("completed") >= 3);

    engine.stopAutoSync();
    const int passes = log.count("completed");
    QTest::qWait(300);
    QCOMPARE(log.count("completed"), passes);
}

void SyncEngineTest::closedGateSkipsThePassAndDropsSyncAgain()
{
    SyncEngine& engine = *m_bed->engine;
    bool signedIn = false;
    engine.setSyncGate([&signedIn] { return signedIn; });
    m_bed->addAccount(QStringLiteral("a1"));
    EventLog log(&engine);

    engine.syncNow();
    QVERIFY(log.events.isEmpty());
    QVERIFY(m_bed->pushes().isEmpty());

    // From another state the closed gate brings the engine back to Idle.
    emit m_bed->api->authenticationRequired();
    engine.syncNow();
    QCOMPARE(log.events, (QStringList{"Sync error", "Synced"}));

    // A sync asked for during a pass is dropped once the gate closes.
    log.events.clear();
    signedIn = true;
    m_bed->service.server()->delayRoute("POST", "/sync/push", 300);
    engine.syncNow();
    engine.syncNow();
    signedIn = false;
    engine.syncNow();
    QCOMPARE(engine.state(), SyncEngine::Idle);
    QTRY_COMPARE(log.count("completed"), 1);
    QTest::qWait(400);
    QCOMPARE(log.events, (QStringList{"Syncing...", "Synced", "completed"}));
    QCOMPARE(m_bed->pushes().size(), 1);
}

void SyncEngineTest::syncNowDuringAPassGivesExactlyOneMorePass()
{
    SyncEngine& engine = *m_bed->engine;
    m_bed->addAccount(QStringLiteral("a1"));
    m_bed->service.server()->delayRoute("POST", "/sync/push", 300);
    EventLog log(&engine);

    engine.syncNow();
    for (int i = 0; i < 5; ++i)
        engine.syncNow();
    QCOMPARE(m_bed->pushes().size(), 0); // not yet read by the server
    QTRY_COMPARE(log.count("completed"), 2);
    QTest::qWait(200);

    // The second pass starts only after the first has told its listeners.
    QCOMPARE(log.events, (QStringList{"Syncing...", "Synced", "completed", "Syncing...", "Synced",
                                      "completed"}));
    QCOMPARE(m_bed->pushes().size(), 1);
}

void SyncEngineTest::failedPassStartsNoFollowUpButErrorAllowsTheNext()
{
    SyncEngine& engine = *m_bed->engine;
    m_bed->addAccount(QStringLiteral("a1"));
    FakeResponse failure = FakeResponse::json(500, {{"error", "down"}});
    failure.delayMs = 200;
    m_bed->service.server()->respondOnce("POST", "/sync/push", failure);
    EventLog log(&engine);

    engine.syncNow();
    engine.syncNow();
    QTRY_COMPARE(log.count("failed: Push failed (HTTP 500)"), 1);
    QCOMPARE(engine.state(), SyncEngine::Error);
    QCOMPARE(engine.lastError(), QStringLiteral("Push failed (HTTP 500)"));
    QTest::qWait(300);
    QCOMPARE(m_bed->pushes().size(), 1);
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);

    engine.syncNow();
    QTRY_COMPARE(log.count("completed"), 1);
    QCOMPARE(engine.state(), SyncEngine::Idle);
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Synced);
    // The error text stays for the settings page until the next failure.
    QCOMPARE(engine.lastError(), QStringLiteral("Push failed (HTTP 500)"));
}

void SyncEngineTest::authenticationRequiredShowsErrorOnly()
{
    SyncEngine& engine = *m_bed->engine;
    EventLog log(&engine);
    emit m_bed->api->authenticationRequired();
    emit m_bed->api->authenticationRequired();
    QCOMPARE(log.events, QStringList{"Sync error"});
    QCOMPARE(engine.lastError(), QString());
    QCOMPARE(SyncEngine::stateText(engine.state()), QStringLiteral("Sync error"));
}

void SyncEngineTest::rejectedRefreshDuringPushFailsThePassOnce()
{
    SyncEngine& engine = *m_bed->engine;
    m_bed->addAccount(QStringLiteral("a1"));
    // An access token inside its last 30 s and a refresh token the service refuses.
    m_bed->tokens->setTokens(tokenExpiringIn(10), QStringLiteral("refused"));
    m_bed->tokens->setRefresher([](const QString&, auto, TandAccount::TokenManager::RefreshFailed fail) {
        fail(true);
    });
    EventLog log(&engine);

    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh rejected for POST \"/sync/...\"");
    engine.syncNow();
    QTRY_COMPARE(log.count("failed: Push failed (HTTP 401)"), 1);
    QCOMPARE(log.events, (QStringList{"Syncing...", "Sync error", "failed: Push failed (HTTP 401)"}));
    QVERIFY(m_bed->pushes().isEmpty());
}

void SyncEngineTest::passInFlightIsNeverDoubledWhenTheStateChanges()
{
    SyncEngine& engine = *m_bed->engine;
    bool signedIn = true;
    engine.setSyncGate([&signedIn] { return signedIn; });
    m_bed->addAccount(QStringLiteral("a1"));
    m_bed->service.server()->delayRoute("POST", "/sync/push", 400);
    EventLog log(&engine);

    engine.syncNow();
    QTRY_COMPARE(m_bed->pushes().size(), 1);

    // A rejected token elsewhere, then a sign-out and sign-in, all while the
    // first push waits for its answer: none of them may start a second pass.
    emit m_bed->api->authenticationRequired();
    engine.syncNow();
    signedIn = false;
    engine.syncNow();
    signedIn = true;
    engine.syncNow();
    QTest::qWait(100);
    QCOMPARE(m_bed->pushes().size(), 1);

    QTRY_COMPARE(log.count("completed"), 2);
    QTest::qWait(100);
    QCOMPARE(m_bed->pushes().size(), 1);
    QCOMPARE(engine.state(), SyncEngine::Idle);
}

void SyncEngineTest::timedOutPushFailsLikeANetworkFailure()
{
    SyncEngine& engine = *m_bed->engine;
    m_bed->api->setTransferTimeout(300);
    m_bed->addAccount(QStringLiteral("a1"));
    m_bed->service.server()->respondOnce("POST", "/sync/push", FakeResponse::silence());
    QSignalSpy failed(&engine, &SyncEngine::syncFailed);

    engine.syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 5000);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Push failed (HTTP 0)"));
    QCOMPARE(engine.state(), SyncEngine::Error);
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);

    // The service answers again: the next pass goes through.
    QSignalSpy completed(&engine, &SyncEngine::syncCompleted);
    engine.syncNow();
    QTRY_COMPARE(completed.count(), 1);
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Synced);
}

void SyncEngineTest::successfulPassRecordsTheSyncTime()
{
    SyncEngine& engine = *m_bed->engine;
    const QString key = QString::fromLatin1(SyncEngine::kLastSyncTimestampKey);
    m_bed->addAccount(QStringLiteral("a1"));
    m_bed->service.server()->respondOnce("POST", "/sync/push", FakeResponse::json(503, {}));
    QSignalSpy failed(&engine, &SyncEngine::syncFailed);
    engine.syncNow();
    QTRY_COMPARE(failed.count(), 1);
    QVERIFY(!m_bed->preferences.get(key).has_value());

    const QDateTime before = nowUtc();
    QSignalSpy completed(&engine, &SyncEngine::syncCompleted);
    engine.syncNow();
    QTRY_COMPARE(completed.count(), 1);
    const QString stored = m_bed->preferences.getString(key);
    QVERIFY2(stored.endsWith(u'Z'), qPrintable(stored));
    const QDateTime at = QDateTime::fromString(stored, Qt::ISODate);
    QCOMPARE(at.timeSpec(), Qt::UTC);
    QVERIFY(at >= before && at <= nowUtc());
}

void SyncEngineTest::passWaitsForATransactionInProgress()
{
    SyncEngine& engine = *m_bed->engine;
    m_bed->addAccount(QStringLiteral("a1"));
    QSqlDatabase db = m_bed->database.connection();
    QVERIFY(db.transaction());
    m_bed->addAccount(QStringLiteral("imported"));
    EventLog log(&engine);

    engine.syncNow();
    QCOMPARE(engine.state(), SyncEngine::Syncing);
    // Long enough for the engine to try again at least once.
    QTest::qWait(SyncEngine::kDebounceMs + 500);
    QVERIFY(m_bed->pushes().isEmpty());
    QCOMPARE(log.events, QStringList{"Syncing..."});

    QVERIFY(db.commit());
    QTRY_COMPARE_WITH_TIMEOUT(log.count("completed"), 1, SyncEngine::kDebounceMs * 3);
    QCOMPARE(m_bed->pushes().size(), 1);
    QCOMPARE(m_bed->sentChanges().size(), 2);
    QVERIFY(m_bed->accounts.listPending().isEmpty());
}

void SyncEngineTest::answerDuringATransactionMarksNothing()
{
    SyncEngine& engine = *m_bed->engine;
    m_bed->addAccount(QStringLiteral("a1"));
    QSqlDatabase db = m_bed->database.connection();
    // An import begins while the first batch is on its way; the answer
    // arrives inside the import's transaction.
    bool importing = false;
    connect(m_bed->service.server(), &FakeHttpServer::requestReceived, this, [&](const RecordedRequest&) {
        if (std::exchange(importing, true))
            return;
        QVERIFY(db.transaction());
        m_bed->addAccount(QStringLiteral("imported"));
    });
    EventLog log(&engine);

    engine.syncNow();
    QTRY_VERIFY(importing);
    // Time for the answer to come back; the engine's next try is further off.
    QTest::qWait(500);
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);
    QCOMPARE(m_bed->pushes().size(), 1);
    QCOMPARE(log.events, QStringList{"Syncing..."});

    // The import fails: its rows never reach the service, the earlier ones do.
    QVERIFY(db.rollback());
    QTRY_COMPARE_WITH_TIMEOUT(log.count("completed"), 1, SyncEngine::kDebounceMs * 3);
    QCOMPARE(m_bed->pushes().size(), 2);
    for (const QJsonObject& change : m_bed->sentChanges())
        QCOMPARE(change.value("entity_id").toString(), QStringLiteral("a1"));
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Synced);
}

QTEST_GUILESS_MAIN(SyncEngineTest)
#include "tst_syncengine.moc"
