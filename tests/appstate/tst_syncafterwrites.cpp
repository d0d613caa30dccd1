#include "account/AuthClient.h"
#include "account/Client.h"
#include "appstate/AppState.h"
#include "appstate/SyncCursorOwner.h"
#include "storage/CategoryRepository.h"
#include "storage/ChangeHold.h"
#include "storage/PreferencesRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/TransactionRepository.h"
#include "sync/SyncEngine.h"
#include "tests/support/FakeBrowser.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TestDataDir.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int kNetworkWaitMs = 15000;

} // namespace

// Sign-ins and sync passes that come while an import or a restore holds the
// database in its transaction wait for that write to end, whatever becomes
// of it: the sync cursor of the user before goes to the one who signed in
// only then, and a pass turned away runs then.
class TestSyncAfterWrites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void handOverWaitsForTheLongWrite_data();
    void handOverWaitsForTheLongWrite();
    void passTurnedAwayRunsWhenTheWriteEnds();

private:
    QString preference(const char* key) const
    {
        return m_state->preferencesRepository()->getString(QString::fromLatin1(key));
    }
    void signIn();
    QList<RecordedRequest> pullRequests() const
    {
        return m_services->sync.server()->requestsTo("GET", QStringLiteral("/sync/pull"));
    }

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<FakeServices> m_services;
    FakeBrowser* m_browser = nullptr;
    std::unique_ptr<AppState> m_state;
};

void TestSyncAfterWrites::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestSyncAfterWrites::init()
{
    m_dataDir = std::make_unique<TestDataDir>();
    m_services = std::make_unique<FakeServices>(FakeServices::AccountApi::AtTheSignInService);
    QVERIFY(m_services->start());
    m_services->auth.setEchoesState(true);
    m_browser = new FakeBrowser(this);
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

void TestSyncAfterWrites::cleanup()
{
    m_state.reset();
    delete m_browser;
    m_services.reset();
    m_dataDir.reset();
}

void TestSyncAfterWrites::handOverWaitsForTheLongWrite_data()
{
    QTest::addColumn<bool>("committed");
    QTest::newRow("write rolled back") << false;
    QTest::newRow("write committed") << true;
}

void TestSyncAfterWrites::handOverWaitsForTheLongWrite()
{
    QFETCH(bool, committed);
    PreferencesRepository* preferences = m_state->preferencesRepository();
    // What the last user's passes left.
    QVERIFY(preferences->set(QString::fromLatin1(PreferencesRepository::kSyncCursorKey), QStringLiteral("41")));
    QVERIFY(preferences->set(QString::fromLatin1(SyncEngine::kLastSyncTimestampKey),
                             QStringLiteral("2026-03-05T14:30:00Z")));
    QVERIFY(preferences->set(QString::fromLatin1(SyncCursorOwner::kOwnerKey), QStringLiteral("user-1")));

    TandAccount::AuthClient* auth = m_state->accountClient()->authClient();
    QSignalSpy signedIn(auth, &TandAccount::AuthClient::loginSucceeded);
    m_services->auth.setLoginUser(QStringLiteral("user-2"));
    // Asked once the write has ended, the new user takes the ledger over.
    QStringList handedOver;
    connect(m_state.get(), &AppState::ledgerHandOverAsked, this, [&] {
        m_state->handOverLedger();
        handedOver = {preference(SyncCursorOwner::kOwnerKey), preference(PreferencesRepository::kSyncCursorKey),
                      preference(SyncEngine::kLastSyncTimestampKey)};
    });
    {
        // As an import holds the ledger while its event loop runs.
        ChangeHold hold{m_state->transactionRepository(), m_state->categoryRepository()};
        {
            ScopedTransaction transaction(m_state->database()->connection());
            QVERIFY(transaction.isActive());
            auth->login();
            QTRY_COMPARE_WITH_TIMEOUT(signedIn.count(), 1, kNetworkWaitMs);
            QVERIFY(m_state->isSignedIn());
            QCOMPARE(preference(SyncCursorOwner::kOwnerKey), QStringLiteral("user-1"));
            if (committed)
                QVERIFY(transaction.commit());
        }
        if (committed)
            hold.release();
        else
            hold.discard();
    }

    // Handed over once the write ended, and kept whatever became of the write.
    QTRY_COMPARE_WITH_TIMEOUT(handedOver, (QStringList{QStringLiteral("user-2"), QString(), QString()}),
                              kNetworkWaitMs);

    // The new user's first pull starts from the beginning.
    QTRY_VERIFY_WITH_TIMEOUT(!pullRequests().isEmpty(), kNetworkWaitMs);
    QVERIFY(!pullRequests().first().query.hasQueryItem(QStringLiteral("cursor")));
    QTRY_COMPARE_WITH_TIMEOUT(m_state->syncEngine()->state(), SyncEngine::Idle, kNetworkWaitMs);
    QCOMPARE(preference(SyncCursorOwner::kOwnerKey), QStringLiteral("user-2"));
}

void TestSyncAfterWrites::signIn()
{
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    m_state->accountClient()->authClient()->login();
    QTRY_VERIFY_WITH_TIMEOUT(!synced.isEmpty(), kNetworkWaitMs);
}

// The pass asked for just before an import that is then rolled back: no
// change is announced when it ends, and the pass must not wait for the
// periodic one minutes later.
void TestSyncAfterWrites::passTurnedAwayRunsWhenTheWriteEnds()
{
    signIn();
    if (QTest::currentTestFailed())
        return;
    SyncEngine* engine = m_state->syncEngine();
    QTimer* debounce = nullptr;
    for (QTimer* timer : engine->findChildren<QTimer*>()) {
        if (timer->isSingleShot())
            debounce = timer;
    }
    QVERIFY(debounce);
    // The pass asked for at sign-in has run too.
    QTRY_VERIFY_WITH_TIMEOUT(!debounce->isActive() && engine->state() == SyncEngine::Idle, kNetworkWaitMs);
    m_services->sync.server()->clearLog();
    {
        ChangeHold hold{m_state->transactionRepository(), m_state->categoryRepository()};
        {
            ScopedTransaction transaction(m_state->database()->connection());
            QVERIFY(transaction.isActive());
            engine->syncNow();
            QCOMPARE(engine->state(), SyncEngine::Idle);
        }
        hold.discard();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!pullRequests().isEmpty(), kNetworkWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(engine->state(), SyncEngine::Idle, kNetworkWaitMs);

    // Neither the holds of the pass's own pages nor a write that ends with
    // no pass put off ask for another.
    QVERIFY(!debounce->isActive());
    {
        ChangeHold hold{m_state->transactionRepository()};
    }
    QVERIFY(!debounce->isActive());
}

QTEST_MAIN(TestSyncAfterWrites)
#include "tst_syncafterwrites.moc"
