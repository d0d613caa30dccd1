#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/CredentialManagerTokenStore.h"
#include "account/TokenStore.h"
#include "app/AccountListModel.h"
#include "app/MainWindow.h"
#include "register/RegisterModel.h"
#include "app/StatusBar.h"
#include "appstate/AppState.h"
#include "appstate/ServiceEndpoints.h"
#include "appstate/SyncCursorOwner.h"
#include "appstate/ThemeManager.h"
#include "screens/SettingsScreen.h"
#include "screens/WelcomeScreen.h"
#include "storage/AccountRepository.h"
#include "storage/ChangeHold.h"
#include "storage/PreferencesRepository.h"
#include "storage/TransactionRepository.h"
#include "sync/SyncEngine.h"
#include "tests/support/FakeBrowser.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/ServerRecords.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TestTokens.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QUrlQuery>
#include <QJsonArray>
#include <QtTest>

#include <algorithm>
#include <memory>

using TandAccount::AuthClient;

namespace {

constexpr int kNetworkWaitMs = 15000;

Account makeAccount(const QString& name)
{
    Account account;
    account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    account.name = name;
    return account;
}

Transaction makeTransaction(const QString& accountId, qint64 amount)
{
    Transaction transaction;
    transaction.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    transaction.account_id = accountId;
    transaction.date = QDate::currentDate();
    transaction.payee = QStringLiteral("Corner Market");
    transaction.amount = amount;
    return transaction;
}

// Answers every question with `button`.
ModalWatcher* answerEveryQuestion(const QMessageBox::StandardButton* button)
{
    return new ModalWatcher([button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        box->button(*button)->click();
    });
}

// The sync engine's repeating timer, the one auto-sync runs on.
bool autoSyncRuns(SyncEngine* engine)
{
    for (QTimer* timer : engine->findChildren<QTimer*>()) {
        if (!timer->isSingleShot())
            return timer->isActive();
    }
    return false;
}

} // namespace

// The running program signs in through the browser against a fake service,
// syncs with a fake sync service, and shows both in its windows.
class TestSignInSync : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void signInFromTheMenuSyncsBothWays();
    void signOutStopsAutoSync();
    void signOutDuringAPullStoresNoneOfIt();
    void anotherUserPullsFromTheBeginning();
    void anotherUserIsAskedBeforeTheLedgerGoesToThem();
    void unansweredHandOverIsAskedAgainAtTheNextStart();
    void signInWithoutAStateAsksWhoseAccountItIs();
    void anotherUserSigningInDuringAPullGetsNoneOfIt();
    void startUpWithStoredTokensSyncs();
    void startUpWithRefusedTokensAsksToSignInAgain();
    void failedSignInIsShownAsPlainText();
    void failedPassIsShownInTheStatusBarAndThePage();
    void sessionRefusedDuringAPassSignsOut();
    void dataSyncPageFollowsTheSignIn();
    void syncNowWithTheGateShutLeavesTheButtonsAsTheyWere();
    void syncButtonsWaitForThePassTheyStarted();
    void fullSyncIsReadiedOnlyWhenItCanRun();
    void forceFullSyncThatCannotStartSaysWhy();
    void passReloadsOnlyWhatItChanged();

private:
    void startState();
    // The program as it starts for a user signed in at the last run, once
    // its first pass has ended; null when it did not end.
    std::unique_ptr<MainWindow> startSignedIn();
    void storeSignIn(const FakeAuthService::TokenPair& pair);
    // Signs in from the File menu and waits for the first pass to end.
    void signInFromTheMenu(MainWindow& window);
    QAction* action(MainWindow& window, const char* name) const;
    AuthClient* auth() const { return m_state->accountClient()->authClient(); }
    SettingsScreen* openDataSyncPage(MainWindow& window);
    QList<RecordedRequest> pullRequests() const;
    // Has the signed-in user's next pass ask for a page that the service
    // answers with `body` only after `delayMs`; returns once it was asked.
    void startPassWithSlowPull(const QJsonObject& body, int delayMs);
    // Returns once no pass has run for longer than the debounce interval, so
    // that what the test does next is all that starts one.
    void waitUntilSyncIsQuiet();

    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<FakeServices> m_services;
    FakeBrowser* m_browser = nullptr;
    std::unique_ptr<AppState> m_state;
};

void TestSignInSync::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestSignInSync::init()
{
    QSettings().clear();
    m_dataDir = std::make_unique<TestDataDir>();
    m_services = std::make_unique<FakeServices>(FakeServices::AccountApi::AtTheSignInService);
    QVERIFY(m_services->start());
    m_services->auth.setEchoesState(true);
    m_browser = new FakeBrowser(this);
}

void TestSignInSync::cleanup()
{
    m_state.reset();
    delete m_browser;
    m_services.reset();
    m_dataDir.reset();
}

void TestSignInSync::startState()
{
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

std::unique_ptr<MainWindow> TestSignInSync::startSignedIn()
{
    storeSignIn(m_services->auth.signIn(QStringLiteral("user-1")));
    startState();
    if (QTest::currentTestFailed())
        return nullptr;
    auto window = std::make_unique<MainWindow>(m_state.get());
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    if (!QTest::qWaitFor([&synced] { return !synced.isEmpty(); }, kNetworkWaitMs))
        return nullptr;
    return window;
}

// As a sign-in of an earlier run left them.
void TestSignInSync::storeSignIn(const FakeAuthService::TokenPair& pair)
{
    TandAccount::CredentialManagerTokenStore store(QString::fromLatin1(ServiceEndpoints::kApplicationId));
    QVERIFY(store.write(TandAccount::TokenStore::kAccessTokenKey, pair.access));
    QVERIFY(store.write(TandAccount::TokenStore::kRefreshTokenKey, pair.refresh));
}

QAction* TestSignInSync::action(MainWindow& window, const char* name) const
{
    auto* found = window.findChild<QAction*>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

void TestSignInSync::signInFromTheMenu(MainWindow& window)
{
    QSignalSpy signedIn(auth(), &AuthClient::loginSucceeded);
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    QVERIFY(action(window, "signInAction")->isVisible());
    action(window, "signInAction")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(signedIn.count(), 1, kNetworkWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, kNetworkWaitMs);
}

SettingsScreen* TestSignInSync::openDataSyncPage(MainWindow& window)
{
    window.showSettingsWindow();
    auto* settings = window.findChild<SettingsScreen*>();
    if (settings)
        settings->findChild<QListWidget*>(QStringLiteral("pageList"))->setCurrentRow(2);
    return settings;
}

void TestSignInSync::waitUntilSyncIsQuiet()
{
    QElapsedTimer waited;
    waited.start();
    QElapsedTimer quiet;
    quiet.start();
    qsizetype seen = m_services->sync.server()->requests().size();
    while (quiet.elapsed() < SyncEngine::kDebounceMs + 300) {
        QVERIFY2(waited.elapsed() < kNetworkWaitMs, "sync never came to rest");
        QTest::qWait(50);
        const qsizetype now = m_services->sync.server()->requests().size();
        if (now != seen || m_state->syncEngine()->state() == SyncEngine::Syncing) {
            seen = now;
            quiet.restart();
        }
    }
}

QList<RecordedRequest> TestSignInSync::pullRequests() const
{
    return m_services->sync.server()->requestsTo("GET", QStringLiteral("/sync/pull"));
}

void TestSignInSync::signInFromTheMenuSyncsBothWays()
{
    startState();
    const Account household = makeAccount(QStringLiteral("Household"));
    QVERIFY(m_state->accountRepository()->insert(household));
    const Transaction groceries = makeTransaction(household.id, -4250);
    QVERIFY(m_state->transactionRepository()->insert(groceries));
    // Another device of the same user has synced an account of its own.
    m_services->sync.putRecord(QStringLiteral("account"), serverrecords::account(QStringLiteral("acct-phone")), 1);
    m_services->sync.putRecord(QStringLiteral("transaction"),
                      serverrecords::transaction(QStringLiteral("txn-phone"), QStringLiteral("acct-phone")), 1);

    MainWindow window(m_state.get());
    window.show();
    auto* statusBar = window.findChild<StatusBar*>();
    QVERIFY(statusBar->syncText().isEmpty());
    QSignalSpy states(m_state->syncEngine(), &SyncEngine::stateChanged);
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;

    // The browser went to the login page of the service the environment names.
    QCOMPARE(m_browser->openedUrls().size(), 1);
    QCOMPARE(m_browser->openedUrls().first().host(), QStringLiteral("127.0.0.1"));
    QVERIFY(m_state->isSignedIn());
    QVERIFY(QSettings().value(QStringLiteral("auth/hasSignedInBefore")).toBool());
    QVERIFY(action(window, "signOutAction")->isVisible());
    QVERIFY(!action(window, "signInAction")->isVisible());
    QVERIFY(autoSyncRuns(m_state->syncEngine()));

    // What waited here went up ...
    QVERIFY(m_services->sync.record(QStringLiteral("account"), household.id));
    QVERIFY(m_services->sync.record(QStringLiteral("transaction"), groceries.id));
    QCOMPARE(m_state->accountRepository()->getById(household.id)->sync_status, SyncStatus::Synced);
    // ... and the other device's records came down, into the account list.
    QVERIFY(m_state->accountRepository()->getById(QStringLiteral("acct-phone")));
    QVERIFY(m_state->transactionRepository()->getById(QStringLiteral("txn-phone")));
    QTRY_COMPARE(window.findChild<AccountListModel*>()->rowCount(), 2);

    QVERIFY(states.count() >= 2);
    QCOMPARE(states.first().first().value<SyncEngine::SyncState>(), SyncEngine::Syncing);
    QTRY_COMPARE_WITH_TIMEOUT(statusBar->syncText(), QStringLiteral("Synced"), kNetworkWaitMs);
    QVERIFY(statusBar->findChild<QLabel*>(QStringLiteral("syncStateLabel"))->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(statusBar->currentMessage(), QStringLiteral("Sync complete"), kNetworkWaitMs);
}

void TestSignInSync::signOutStopsAutoSync()
{
    startState();
    MainWindow window(m_state.get());
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_services->auth.liveSessionCount(), 1);

    action(window, "signOutAction")->trigger();
    QVERIFY(!m_state->isSignedIn());
    QVERIFY(!autoSyncRuns(m_state->syncEngine()));
    QVERIFY(action(window, "signInAction")->isVisible());
    QVERIFY(window.findChild<StatusBar*>()->syncText().isEmpty());
    // The session ended on the service too.
    QTRY_COMPARE_WITH_TIMEOUT(m_services->auth.liveSessionCount(), 0, kNetworkWaitMs);

    // An edit now asks for a sync that never reaches the service.
    m_services->sync.server()->clearLog();
    QVERIFY(m_state->accountRepository()->insert(makeAccount(QStringLiteral("Offline"))));
    QTest::qWait(SyncEngine::kDebounceMs + 500);
    QCOMPARE(m_services->sync.server()->requests().size(), 0);
    QCOMPARE(m_state->syncEngine()->state(), SyncEngine::Idle);
}

void TestSignInSync::signOutDuringAPullStoresNoneOfIt()
{
    startState();
    MainWindow window(m_state.get());
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    waitUntilSyncIsQuiet();
    const QString cursorKey = QString::fromLatin1(PreferencesRepository::kSyncCursorKey);
    const QString cursorBefore = m_state->preferencesRepository()->getString(cursorKey);
    constexpr int kPageDelayMs = 600;
    QElapsedTimer sinceAsked;
    sinceAsked.start();
    // A page that says more follow: the pass would ask for the next as nobody.
    startPassWithSlowPull({{QStringLiteral("accounts"), QJsonArray{serverrecords::account(QStringLiteral("acct-a"))}},
                           {QStringLiteral("cursor"), QStringLiteral("999")},
                           {QStringLiteral("has_more"), true}},
                          kPageDelayMs);
    QSignalSpy completed(m_state->syncEngine(), &SyncEngine::syncCompleted);
    QSignalSpy failed(m_state->syncEngine(), &SyncEngine::syncFailed);

    action(window, "signOutAction")->trigger();
    QCOMPARE_NE(m_state->syncEngine()->state(), SyncEngine::Syncing);
    QTest::qWait(int(qMax<qint64>(0, kPageDelayMs - sinceAsked.elapsed())) + 500);
    QVERIFY(!m_state->accountRepository()->getById(QStringLiteral("acct-a")));
    QCOMPARE(m_state->preferencesRepository()->getString(cursorKey), cursorBefore);
    QCOMPARE(pullRequests().size(), 1);
    QCOMPARE(completed.count(), 0);
    QCOMPARE(failed.count(), 0);
}

void TestSignInSync::anotherUserPullsFromTheBeginning()
{
    startState();
    m_services->sync.putRecord(QStringLiteral("account"), serverrecords::account(QStringLiteral("acct-1")), 1);
    MainWindow window(m_state.get());
    // Whoever signs in takes the ledger over.
    const QMessageBox::StandardButton yes = QMessageBox::Yes;
    const std::unique_ptr<ModalWatcher> takeOver(answerEveryQuestion(&yes));
    const QString cursorKey = QString::fromLatin1(PreferencesRepository::kSyncCursorKey);
    const auto firstPullAfterSignIn = [&](const QString& userId) -> std::optional<QUrlQuery> {
        if (m_state->isSignedIn())
            action(window, "signOutAction")->trigger();
        m_services->sync.server()->clearLog();
        m_services->auth.setLoginUser(userId);
        signInFromTheMenu(window);
        if (QTest::currentTestFailed() || pullRequests().isEmpty())
            return std::nullopt;
        return pullRequests().first().query;
    };

    QVERIFY(firstPullAfterSignIn(QStringLiteral("user-1")));
    QVERIFY(!m_state->preferencesRepository()->getString(cursorKey).isEmpty());
    QCOMPARE(SyncCursorOwner(m_state->preferencesRepository(), m_state->syncEngine()).owner(), QStringLiteral("user-1"));

    // The same user goes on from where their last pull ended ...
    std::optional<QUrlQuery> pull = firstPullAfterSignIn(QStringLiteral("user-1"));
    QVERIFY(pull);
    QVERIFY(pull->hasQueryItem(QStringLiteral("cursor")));

    // ... someone else starts from the beginning, and the cursor is theirs after.
    pull = firstPullAfterSignIn(QStringLiteral("user-2"));
    QVERIFY(pull);
    QVERIFY(!pull->hasQueryItem(QStringLiteral("cursor")));
    QCOMPARE(SyncCursorOwner(m_state->preferencesRepository(), m_state->syncEngine()).owner(), QStringLiteral("user-2"));
    QVERIFY(!m_state->preferencesRepository()->getString(cursorKey).isEmpty());
}

void TestSignInSync::startPassWithSlowPull(const QJsonObject& body, int delayMs)
{
    FakeResponse slow = FakeResponse::json(200, body);
    slow.delayMs = delayMs;
    m_services->sync.server()->respondOnce("GET", QStringLiteral("/sync/pull"), slow);
    m_services->sync.server()->clearLog();
    m_state->syncEngine()->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(pullRequests().size(), 1, kNetworkWaitMs);
}

// The first user signs out while a page is on its way to them, and another
// signs in before it arrives: it is not theirs, and neither is its cursor.
void TestSignInSync::anotherUserSigningInDuringAPullGetsNoneOfIt()
{
    startState();
    m_services->sync.putRecord(QStringLiteral("account"), serverrecords::account(QStringLiteral("acct-1")), 1);
    MainWindow window(m_state.get());
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    waitUntilSyncIsQuiet();
    constexpr int kPageDelayMs = 1500;
    QElapsedTimer sinceAsked;
    sinceAsked.start();
    startPassWithSlowPull({{QStringLiteral("accounts"), QJsonArray{serverrecords::account(QStringLiteral("acct-a"))}},
                           {QStringLiteral("cursor"), QStringLiteral("999")}},
                          kPageDelayMs);

    action(window, "signOutAction")->trigger();
    m_services->auth.setLoginUser(QStringLiteral("user-2"));
    const QMessageBox::StandardButton yes = QMessageBox::Yes;
    const std::unique_ptr<ModalWatcher> takeOver(answerEveryQuestion(&yes));
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    // Their first pull starts from the beginning ...
    QVERIFY(pullRequests().size() >= 2);
    QVERIFY(!pullRequests().at(1).query.hasQueryItem(QStringLiteral("cursor")));

    // ... and the first user's page, when it comes, is dropped.
    QTest::qWait(int(qMax<qint64>(0, kPageDelayMs - sinceAsked.elapsed())) + 300);
    waitUntilSyncIsQuiet();
    QVERIFY(!m_state->accountRepository()->getById(QStringLiteral("acct-a")));
    const QString cursor =
        m_state->preferencesRepository()->getString(QString::fromLatin1(PreferencesRepository::kSyncCursorKey));
    QVERIFY(!cursor.isEmpty());
    QVERIFY(cursor != QLatin1String("999"));
    QCOMPARE(SyncCursorOwner(m_state->preferencesRepository(), m_state->syncEngine()).owner(),
             QStringLiteral("user-2"));
}

void TestSignInSync::anotherUserIsAskedBeforeTheLedgerGoesToThem()
{
    startState();
    MainWindow window(m_state.get());
    QMessageBox::StandardButton answer = QMessageBox::No;
    const std::unique_ptr<ModalWatcher> watcher(answerEveryQuestion(&answer));
    QSignalSpy asked(m_state.get(), &AppState::ledgerHandOverAsked);
    // A first sign-in on a ledger never synced asks nothing.
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    waitUntilSyncIsQuiet();
    action(window, "signOutAction")->trigger();
    QCOMPARE(watcher->handledCount(), 0);

    // The first user goes on with their ledger signed out.
    const Account household = makeAccount(QStringLiteral("Household"));
    QVERIFY(m_state->accountRepository()->insert(household));
    const Transaction groceries = makeTransaction(household.id, -4250);
    QVERIFY(m_state->transactionRepository()->insert(groceries));
    PreferencesRepository* preferences = m_state->preferencesRepository();
    const auto syncState = [preferences] {
        QStringList values;
        for (const char* key : {PreferencesRepository::kSyncCursorKey, SyncEngine::kLastSyncTimestampKey,
                                SyncCursorOwner::kOwnerKey, SyncCursorOwner::kOwnerNameKey})
            values << preferences->getString(QString::fromLatin1(key));
        return values;
    };
    const QStringList before = syncState();

    // Someone else signs in: asked, and nothing goes anywhere until they say
    // yes. No signs them out again.
    m_services->sync.server()->clearLog();
    m_services->auth.setLoginUser(QStringLiteral("user-2"));
    action(window, "signInAction")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(watcher->handledCount(), 1, kNetworkWaitMs);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0), (QVariantList{QStringLiteral("user-1@example.org"), QStringLiteral("user-2@example.org"),
                                        m_state->transactionRepository()->count()}));
    QVERIFY(!m_state->isSignedIn());
    QTest::qWait(SyncEngine::kDebounceMs + 300);
    QCOMPARE(m_services->sync.server()->requests().size(), 0);
    QCOMPARE(syncState(), before);
    QCOMPARE(m_state->transactionRepository()->getById(groceries.id)->sync_status, SyncStatus::Pending);

    // Yes: their pull starts from the beginning, and the ledger goes up.
    answer = QMessageBox::Yes;
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!pullRequests().first().query.hasQueryItem(QStringLiteral("cursor")));
    QVERIFY(m_services->sync.record(QStringLiteral("transaction"), groceries.id));
    QCOMPARE(SyncCursorOwner(preferences, m_state->syncEngine()).owner(), QStringLiteral("user-2"));
}

// The user before's ledger, and the tokens of someone who signed in at the
// last run and closed the program before answering; the service is out of
// reach, so their token waits for a refresh.
void TestSignInSync::unansweredHandOverIsAskedAgainAtTheNextStart()
{
    storeSignIn({tokenExpiringIn(-60, QStringLiteral("user-2")), m_services->auth.signIn(QStringLiteral("user-2")).refresh});
    m_services->auth.server()->respondAlways("POST", m_services->auth.realmPath(QStringLiteral("/auth/token/refresh")),
                                             FakeResponse::empty(503));
    startState();
    PreferencesRepository* preferences = m_state->preferencesRepository();
    QVERIFY(preferences->set(QString::fromLatin1(PreferencesRepository::kSyncCursorKey), QStringLiteral("41")));
    QVERIFY(preferences->set(QString::fromLatin1(SyncCursorOwner::kOwnerKey), QStringLiteral("user-1")));
    QSignalSpy asked(m_state.get(), &AppState::ledgerHandOverAsked);

    QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, kNetworkWaitMs);
    QCOMPARE(asked.at(0), (QVariantList{QStringLiteral("user-1"), QStringLiteral("user-2"), 0}));
    m_state->syncEngine()->syncNow();
    QCOMPARE(m_state->prepareFullSync(), AppState::FullSyncStart::NotHandedOver);
    QTest::qWait(200);
    QCOMPARE(m_services->sync.server()->requests().size(), 0);
    QCOMPARE(preferences->getString(QString::fromLatin1(PreferencesRepository::kSyncCursorKey)), QStringLiteral("41"));
}

void TestSignInSync::signInWithoutAStateAsksWhoseAccountItIs()
{
    // The service as it is: its redirect carries the tokens alone.
    m_services->auth.setEchoesState(false);
    startState();
    MainWindow window(m_state.get());
    QStringList asked;
    QMessageBox::StandardButton answer = QMessageBox::No;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box && box->textFormat() == Qt::PlainText);
        // Long addresses may wrap between their parts.
        asked << box->text().remove(QChar(0x200B));
        box->button(answer)->click();
    });
    action(window, "signInAction")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, kNetworkWaitMs);
    QVERIFY(asked.at(0).contains(QLatin1String("user-1@example.org")));
    QVERIFY(!m_state->isSignedIn());
    QVERIFY(!window.findChild<StatusBar*>()->currentMessage().isEmpty());

    answer = QMessageBox::Yes;
    signInFromTheMenu(window);
    QCOMPARE(asked.size(), 2);
}

void TestSignInSync::startUpWithStoredTokensSyncs()
{
    const FakeAuthService::TokenPair stored = m_services->auth.signIn(QStringLiteral("user-1"));
    storeSignIn(stored);
    startState();
    // Signed in from the start, before the service has answered.
    QVERIFY(m_state->isSignedIn());
    MainWindow window(m_state.get());
    QVERIFY(action(window, "signOutAction")->isVisible());

    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, kNetworkWaitMs);
    // The tokens were refreshed first, and auto-sync runs.
    QVERIFY(!m_services->auth.isLive(stored));
    QCOMPARE(m_services->auth.liveSessionCount(), 1);
    QVERIFY(autoSyncRuns(m_state->syncEngine()));
    QVERIFY(!pullRequests().isEmpty());
    QCOMPARE(m_browser->openedUrls().size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.findChild<StatusBar*>()->syncText(), QStringLiteral("Synced"), kNetworkWaitMs);
}

void TestSignInSync::startUpWithRefusedTokensAsksToSignInAgain()
{
    // The service no longer knows the session these tokens belong to.
    storeSignIn({tokenExpiringIn(-60), QStringLiteral("refresh-of-an-ended-session")});
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    startState();

    // What the user saw when told; "Sign In" in the box then signs in.
    QString told;
    int syncRequestsWhenTold = -1;
    bool autoSyncWhenTold = true;
    bool sessionEndedShownWhenTold = false;
    MainWindow* shown = nullptr;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        told = box->text();
        syncRequestsWhenTold = int(m_services->sync.server()->requests().size());
        autoSyncWhenTold = autoSyncRuns(m_state->syncEngine());
        auto* welcome = shown->findChild<WelcomeScreen*>();
        sessionEndedShownWhenTold =
            welcome->findChild<QLabel*>(QStringLiteral("sessionEndedLabel"))->isVisibleTo(welcome);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == QLatin1String("Sign In"))
                button->click();
        }
    });
    MainWindow window(m_state.get());
    shown = &window;
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), kNetworkWaitMs);
    QCOMPARE(told, QStringLiteral("Your session has ended. Sign back in to keep syncing."));
    QCOMPARE(syncRequestsWhenTold, 0);
    QVERIFY(!autoSyncWhenTold);
    QVERIFY(sessionEndedShownWhenTold);

    // "Sign In" in the box signs in, and sync starts.
    QTRY_VERIFY_WITH_TIMEOUT(m_state->isSignedIn(), kNetworkWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, kNetworkWaitMs);
    auto* welcome = window.findChild<WelcomeScreen*>();
    QVERIFY(!welcome->findChild<QLabel*>(QStringLiteral("sessionEndedLabel"))->isVisibleTo(welcome));
}

void TestSignInSync::failedSignInIsShownAsPlainText()
{
    startState();
    MainWindow window(m_state.get());
    // The user is on the login page; a callback with the right state but a
    // single token comes back.
    m_browser->setLoadsPages(false);
    action(window, "signInAction")->trigger();
    QCOMPARE(m_browser->openedUrls().size(), 1);
    const QUrlQuery loginQuery(m_browser->openedUrls().first());
    QUrl callback(loginQuery.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    callback.setQuery(QUrlQuery{{QStringLiteral("state"), loginQuery.queryItemValue(QStringLiteral("state"))},
                                {QStringLiteral("access_token"), QStringLiteral("half-of-a-pair")}});

    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        shown = box->text();
        format = box->textFormat();
        box->accept();
    });
    m_browser->setLoadsPages(true);
    m_browser->visit(callback);
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), kNetworkWaitMs);
    QVERIFY2(shown.endsWith(QLatin1String("No tokens received")), qPrintable(shown));
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(!m_state->isSignedIn());
    QVERIFY(window.findChild<StatusBar*>()->currentMessage().isEmpty());
}

void TestSignInSync::failedPassIsShownInTheStatusBarAndThePage()
{
    startState();
    MainWindow window(m_state.get());
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    SettingsScreen* settings = openDataSyncPage(window);
    QVERIFY(settings);

    m_services->sync.server()->respondAlways("POST", QStringLiteral("/sync/push"), FakeResponse::empty(500));
    QVERIFY(m_state->accountRepository()->insert(makeAccount(QStringLiteral("Savings"))));
    QSignalSpy failed(m_state->syncEngine(), &SyncEngine::syncFailed);
    settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kNetworkWaitMs);

    auto* statusBar = window.findChild<StatusBar*>();
    QCOMPARE(statusBar->currentMessage(), QStringLiteral("Sync failed: Push failed (HTTP 500)"));
    QCOMPARE(statusBar->syncText(), QStringLiteral("Sync error"));
    QVERIFY(settings->findChild<QLabel*>(QStringLiteral("accountLabel"))->text().contains(QLatin1String("Sync error")));
    QVERIFY(settings->findChild<QLabel*>(QStringLiteral("lastSyncLabel"))
                ->text()
                .endsWith(QLatin1String("\nError: Push failed (HTTP 500)")));
    QVERIFY(settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"))->isEnabled());
}

// The service stops taking the session in the middle of a pass: the user is
// signed out here too and told so, rather than shown a sync error for good.
void TestSignInSync::sessionRefusedDuringAPassSignsOut()
{
    const std::unique_ptr<MainWindow> window = startSignedIn();
    QVERIFY(window);
    SettingsScreen* settings = openDataSyncPage(*window);
    QVERIFY(settings);
    waitUntilSyncIsQuiet();
    const FakeResponse refused = FakeResponse::json(401, {{QStringLiteral("error"), QStringLiteral("invalid_grant")}});
    m_services->sync.server()->respondAlways("GET", QStringLiteral("/sync/pull"), refused);
    m_services->auth.server()->respondAlways("POST", m_services->auth.realmPath(QStringLiteral("/auth/token/refresh")), refused);

    QStringList told;
    ModalWatcher watcher([&told](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        told << box->text();
        box->reject();
    });
    QSignalSpy failed(m_state->syncEngine(), &SyncEngine::syncFailed);
    m_services->sync.server()->clearLog();
    settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(told, QStringList{QStringLiteral("Your session has ended. Sign back in to keep syncing.")},
                              kNetworkWaitMs);
    // The pass ended with the session; the box says all there is to say.
    QCOMPARE(failed.count(), 0);
    QCOMPARE(pullRequests().size(), 1);

    QVERIFY(!m_state->isSignedIn());
    QVERIFY(!autoSyncRuns(m_state->syncEngine()));
    QVERIFY(window->findChild<StatusBar*>()->syncText().isEmpty());
    QVERIFY(action(*window, "signInAction")->isVisible());
    QVERIFY(settings->findChild<QLabel*>(QStringLiteral("accountLabel"))
                ->text()
                .startsWith(QLatin1String("Not signed in.")));
    QVERIFY(!settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"))->isVisible());
}

void TestSignInSync::dataSyncPageFollowsTheSignIn()
{
    startState();
    MainWindow window(m_state.get());
    SettingsScreen* settings = openDataSyncPage(window);
    QVERIFY(settings);
    auto* accountLabel = settings->findChild<QLabel*>(QStringLiteral("accountLabel"));
    auto* syncNow = settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"));
    QCOMPARE(accountLabel->text(),
             QStringLiteral("Not signed in.\nSign in via File › Tandrel Account to enable sync."));
    QVERIFY(!syncNow->isVisible());

    // The open page follows the sign-in, and names the user once the service has.
    signInFromTheMenu(window);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(syncNow->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(accountLabel->text().contains(m_services->auth.displayName()), kNetworkWaitMs);
    QVERIFY(accountLabel->text().contains(QLatin1String("Synced")));
    QVERIFY(settings->findChild<QLabel*>(QStringLiteral("lastSyncLabel"))
                ->text()
                .startsWith(QLatin1String("Last synced: ")));

    // The state's colour is the theme's: a light theme's green would hardly
    // read on a dark page.
    const QString lightGreen = QStringLiteral("#2e7d32");
    const QString darkGreen = QStringLiteral("#66bb6a");
    m_state->themeManager()->setThemeByName(QStringLiteral("light"));
    QVERIFY(accountLabel->text().contains(lightGreen));
    m_state->themeManager()->setThemeByName(QStringLiteral("dark"));
    QVERIFY(accountLabel->text().contains(darkGreen));
    m_state->themeManager()->setThemeByName(QStringLiteral("system"));

    action(window, "signOutAction")->trigger();
    QVERIFY(accountLabel->text().startsWith(QLatin1String("Not signed in.")));
    QVERIFY(!syncNow->isVisible());
}

void TestSignInSync::syncNowWithTheGateShutLeavesTheButtonsAsTheyWere()
{
    const std::unique_ptr<MainWindow> window = startSignedIn();
    QVERIFY(window);
    SettingsScreen* settings = openDataSyncPage(*window);
    QVERIFY(settings);
    auto* syncNow = settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"));
    waitUntilSyncIsQuiet();

    // A long write (an import) holds the repositories: no pass may start.
    ChangeHold hold{m_state->accountRepository(), m_state->transactionRepository()};
    m_services->sync.server()->clearLog();
    syncNow->click();
    QCOMPARE(syncNow->text(), QStringLiteral("Sync Now"));
    QVERIFY(syncNow->isEnabled());
    QVERIFY(settings->findChild<QPushButton*>(QStringLiteral("forceSyncButton"))->isEnabled());
    QCOMPARE(m_state->syncEngine()->state(), SyncEngine::Idle);
    QTest::qWait(100);
    QCOMPARE(m_services->sync.server()->requests().size(), 0);
}

void TestSignInSync::syncButtonsWaitForThePassTheyStarted()
{
    const std::unique_ptr<MainWindow> window = startSignedIn();
    QVERIFY(window);
    SettingsScreen* settings = openDataSyncPage(*window);
    QVERIFY(settings);
    auto* syncNow = settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"));
    auto* forceSync = settings->findChild<QPushButton*>(QStringLiteral("forceSyncButton"));
    waitUntilSyncIsQuiet();
    const int pushedBefore = m_services->sync.recordCount();
    QVERIFY(pushedBefore > 0);

    m_services->sync.server()->delayRoute("GET", QStringLiteral("/sync/pull"), 300);
    m_services->sync.server()->clearLog();
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    ModalWatcher yes([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        box->button(QMessageBox::Yes)->click();
    });
    forceSync->click();
    QCOMPARE(yes.handledCount(), 1);
    // Neither can start another pass, or mark rows under it, while it runs.
    QCOMPARE(m_state->syncEngine()->state(), SyncEngine::Syncing);
    QVERIFY(!syncNow->isEnabled());
    QVERIFY(!forceSync->isEnabled());
    QCOMPARE(syncNow->text(), QStringLiteral("Syncing..."));

    QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, kNetworkWaitMs);
    QVERIFY(syncNow->isEnabled());
    QVERIFY(forceSync->isEnabled());
    QCOMPARE(syncNow->text(), QStringLiteral("Sync Now"));
    // Everything went up again and came down from the beginning.
    const QList<RecordedRequest> pushes = m_services->sync.server()->requestsTo("POST", QStringLiteral("/sync/push"));
    QVERIFY(std::any_of(pushes.begin(), pushes.end(), [pushedBefore](const RecordedRequest& push) {
        return push.json().value(QLatin1String("changes")).toArray().size() == pushedBefore;
    }));
    const QList<RecordedRequest> pulls = pullRequests();
    QVERIFY(std::any_of(pulls.begin(), pulls.end(), [](const RecordedRequest& pull) {
        return !pull.query.hasQueryItem(QStringLiteral("cursor"));
    }));
}

// Force Full Sync writes nothing it could not follow with a pass, and tells
// when it wrote less than it meant to.
void TestSignInSync::fullSyncIsReadiedOnlyWhenItCanRun()
{
    storeSignIn(m_services->auth.signIn(QStringLiteral("user-1")));
    startState();
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    QTRY_VERIFY_WITH_TIMEOUT(!synced.isEmpty(), kNetworkWaitMs);
    const Account household = makeAccount(QStringLiteral("Household"));
    QVERIFY(m_state->accountRepository()->insert(household));
    waitUntilSyncIsQuiet();
    PreferencesRepository* preferences = m_state->preferencesRepository();
    const QString cursorKey = QString::fromLatin1(PreferencesRepository::kSyncCursorKey);
    const QString cursor = preferences->getString(cursorKey);
    QVERIFY(!cursor.isEmpty());
    const auto untouched = [&] {
        return preferences->getString(cursorKey) == cursor
            && m_state->accountRepository()->getById(household.id)->sync_status == SyncStatus::Synced;
    };
    QVERIFY(untouched());

    {
        // Marks set inside an import's transaction would go if it rolled back.
        ChangeHold hold{m_state->accountRepository()};
        QCOMPARE(m_state->prepareFullSync(), AppState::FullSyncStart::WritesHeld);
        QVERIFY(untouched());
    }

    QSqlQuery refuse(m_state->database()->connection());
    QVERIFY(refuse.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON accounts "
                                       "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("markAllPendingForResync")));
    QTest::ignoreMessage(QtWarningMsg, "Sync could not start over from the beginning");
    QCOMPARE(m_state->prepareFullSync(), AppState::FullSyncStart::NotWritten);
    QVERIFY(refuse.exec(QStringLiteral("DROP TRIGGER refuse")));

    QCOMPARE(m_state->prepareFullSync(), AppState::FullSyncStart::Ready);
    QVERIFY(preferences->getString(cursorKey).isEmpty());
    QCOMPARE(m_state->accountRepository()->getById(household.id)->sync_status, SyncStatus::Pending);

    // Signed out, nothing is marked to go to a service no one is signed in to.
    QVERIFY(preferences->set(cursorKey, cursor));
    auth()->logout();
    QVERIFY(!m_state->isSignedIn());
    QVERIFY(m_state->accountRepository()->markSynced(household.id, household.id));
    QCOMPARE(m_state->prepareFullSync(), AppState::FullSyncStart::NotSignedIn);
    QVERIFY(untouched());
}

void TestSignInSync::forceFullSyncThatCannotStartSaysWhy()
{
    const std::unique_ptr<MainWindow> window = startSignedIn();
    QVERIFY(window);
    SettingsScreen* settings = openDataSyncPage(*window);
    QVERIFY(settings);
    waitUntilSyncIsQuiet();
    QSqlQuery refuse(m_state->database()->connection());
    QVERIFY(refuse.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON categories "
                                       "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));

    QList<QMessageBox::Icon> icons;
    ModalWatcher watcher([&icons](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        icons << box->icon();
        if (box->icon() == QMessageBox::Question)
            box->button(QMessageBox::Yes)->click();
        else
            box->accept();
    });
    QSignalSpy failed(m_state->syncEngine(), &SyncEngine::syncFailed);
    m_services->sync.server()->clearLog();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("markAllPendingForResync")));
    QTest::ignoreMessage(QtWarningMsg, "Sync could not start over from the beginning");
    settings->findChild<QPushButton*>(QStringLiteral("forceSyncButton"))->click();
    QTRY_COMPARE(icons, (QList<QMessageBox::Icon>{QMessageBox::Question, QMessageBox::Warning}));
    // No pass went out, and the page is ready for another try.
    QTest::qWait(SyncEngine::kDebounceMs + 300);
    QCOMPARE(pullRequests().size(), 0);
    QCOMPARE(failed.count(), 0);
    QVERIFY(settings->findChild<QPushButton*>(QStringLiteral("forceSyncButton"))->isEnabled());
    QVERIFY(settings->findChild<QPushButton*>(QStringLiteral("syncNowButton"))->isEnabled());
}

// Every few minutes a pass runs, mostly bringing nothing: the register and
// the account list stay as they are, scroll position and selection with them.
void TestSignInSync::passReloadsOnlyWhatItChanged()
{
    const std::unique_ptr<MainWindow> window = startSignedIn();
    QVERIFY(window);
    const Account household = makeAccount(QStringLiteral("Household"));
    QVERIFY(m_state->accountRepository()->insert(household));
    QVERIFY(m_state->transactionRepository()->insert(makeTransaction(household.id, -4250)));
    auto* rows = window->findChild<RegisterModel*>();
    auto* accounts = window->findChild<AccountListModel*>();
    QVERIFY(rows && accounts);
    QTRY_COMPARE(rows->rowCount(), 1);
    waitUntilSyncIsQuiet();
    QVERIFY(m_services->sync.record(QStringLiteral("transaction"), rows->transactionAt(0)->id));

    QSignalSpy rowResets(rows, &QAbstractItemModel::modelReset);
    QSignalSpy accountResets(accounts, &QAbstractItemModel::modelReset);
    QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
    m_state->syncEngine()->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(synced.count(), 1, kNetworkWaitMs);
    QTest::qWait(50);
    QCOMPARE(rowResets.count(), 0);
    QCOMPARE(accountResets.count(), 0);

    // What another device added to the open account shows, and its balance.
    m_services->sync.putRecord(QStringLiteral("transaction"),
                      serverrecords::transaction(QStringLiteral("txn-phone"), household.id), 1);
    m_state->syncEngine()->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(synced.count(), 2, kNetworkWaitMs);
    QTRY_COMPARE(rows->rowCount(), 2);
    QVERIFY(accountResets.count() >= 1);
}

QTEST_MAIN(TestSignInSync)
#include "tst_signinsync.moc"
