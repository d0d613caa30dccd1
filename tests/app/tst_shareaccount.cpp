#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/ShareMembersDialog.h"
#include "account/TokenManager.h"
#include "app/MainWindow.h"
#include "app/ShareAccount.h"
#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/Timestamp.h"
#include "sync/AccountSharingService.h"
#include "sync/SyncEngine.h"
#include "tests/support/FakeBrowser.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TestStore.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace TandAccount;

namespace {

constexpr int kNetworkWaitMs = 15000;
const QString kAccountId = QStringLiteral("6d1f3c0a-8e2b-4a57-b9c4-2f0e7d6a5b13");

// Ann owns the group Bob is in, and the account.
bool startFamilyServices(FakeServices& services)
{
    if (!services.start())
        return false;
    services.addPerson(QStringLiteral("ann"), QStringLiteral("Ann Lee"));
    services.addPerson(QStringLiteral("bob"), QStringLiteral("Bob Stone"));
    services.accounts.addToGroup(services.accounts.createGroup(QStringLiteral("Family"), QStringLiteral("acc-ann")),
                                 QStringLiteral("acc-bob"));
    services.sync.setAccountOwner(kAccountId, QStringLiteral("acc-ann"));
    return true;
}

Account jointChecking()
{
    Account account;
    account.id = kAccountId;
    account.name = QStringLiteral("Joint checking");
    account.created_at = account.updated_at = nowUtc();
    return account;
}

// Works the share dialog as the user would, once it opens: shares the
// account with Bob, then withdraws it, answering the question with Yes.
// What happened is in `steps`.
class ShareWithBobAndWithdraw
{
public:
    explicit ShareWithBobAndWithdraw(const FakeSyncService& sync)
        : m_sync(sync)
        , m_watcher([this](QWidget* window) { handle(window); })
    {
    }

    QStringList steps;

private:
    static QAbstractButton* buttonIn(QWidget* dialog, const char* list)
    {
        return dialog->findChild<QWidget*>(list)->findChild<QAbstractButton*>();
    }

    void handle(QWidget* window)
    {
        if (auto* question = qobject_cast<QMessageBox*>(window)) {
            steps << question->text();
            question->button(QMessageBox::Yes)->click();
        } else if (qobject_cast<ShareMembersDialog*>(window)) {
            // Driven from the event loop, so the watcher sees the question;
            // once, though the dialog is the modal window again after it.
            if (!m_dialogSeen)
                QTimer::singleShot(0, window, [this, window] { useDialog(window); });
            m_dialogSeen = true;
        } else {
            window->close();
        }
    }

    void useDialog(QWidget* dialog)
    {
        QVERIFY(QTest::qWaitFor([&] { return buttonIn(dialog, "memberList") != nullptr; }));
        buttonIn(dialog, "memberList")->click();
        QVERIFY(QTest::qWaitFor([&] { return m_sync.sharedWith(kAccountId) == QStringList{QStringLiteral("acc-bob")}; }));
        steps << QStringLiteral("shared");
        QVERIFY(QTest::qWaitFor([&] { return buttonIn(dialog, "accessList") != nullptr; }));
        buttonIn(dialog, "accessList")->click();
        QVERIFY(QTest::qWaitFor([&] { return m_sync.sharedWith(kAccountId).isEmpty(); }));
        steps << QStringLiteral("withdrawn");
        qobject_cast<QDialog*>(dialog)->accept();
    }

    const FakeSyncService& m_sync;
    bool m_dialogSeen = false;
    ModalWatcher m_watcher;
};

const QStringList kSharedAndWithdrawn = {
    QStringLiteral("shared"), QStringLiteral("Bob Stone will no longer see this account. Remove their access?"),
    QStringLiteral("withdrawn")};

} // namespace

// A signed-in user shares an account with a member of their group and
// withdraws it again, through the dialog the main window opens, against
// fake account and sync services; each accepted change brings a sync pass.
class ShareAccountTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shareAndWithdrawFromTheDialog();
    void shareAndWithdrawFromTheAccountMenu();

private:
    QTemporaryDir m_settingsDir;
};

void ShareAccountTest::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void ShareAccountTest::shareAndWithdrawFromTheDialog()
{
    TestStore store;
    FakeServices services;
    QVERIFY(startFamilyServices(services));
    FakeSyncService& sync = services.sync;
    const Account account = jointChecking();
    QVERIFY(store.accounts.insert(account));

    const std::unique_ptr<Client> client = services.signedInClient(QStringLiteral("user-ann"));
    QVERIFY(client->isAuthenticated());
    client->syncApiClient()->setBaseUrl(sync.baseUrl());
    AccountSharingService sharing(client->syncApiClient());
    SyncEngine engine(client->syncApiClient(), &store.accounts, &store.transactions, &store.categories,
                      &store.recurring, &store.reconciliations, &store.splitLines, &store.preferences);
    engine.setSyncGate([&client] { return client->isAuthenticated(); });
    // Wired as the running program wires them.
    QObject::connect(&sharing, &AccountSharingService::sharingChanged, &engine, &SyncEngine::requestSync);

    ShareWithBobAndWithdraw user(sync);
    runShareDialog(client.get(), &sharing, account, nullptr);
    QCOMPARE(user.steps, kSharedAndWithdrawn);

    // The accepted changes asked for a pass, which pushes the account.
    QTRY_VERIFY_WITH_TIMEOUT(sync.record(QStringLiteral("account"), account.id).has_value(),
                             SyncEngine::kDebounceMs + 3000);
}

// The running program: the user signs in through the browser, which
// registers this computer with the account service, and shares the shown
// account from the Account menu.
void ShareAccountTest::shareAndWithdrawFromTheAccountMenu()
{
    QSettings().clear();
    TestDataDir dataDir;
    FakeServices services;
    QVERIFY(startFamilyServices(services));
    FakeAccountService& accounts = services.accounts;
    FakeSyncService& sync = services.sync;
    FakeBrowser browser;
    services.auth.setLoginUser(QStringLiteral("user-ann"));
    services.auth.setEchoesState(true);

    AppState state;
    QVERIFY(state.initialize());
    QVERIFY(state.accountRepository()->insert(jointChecking()));
    MainWindow window(&state);
    window.show();
    QCOMPARE(window.currentAccountId(), kAccountId);
    auto* share = window.findChild<QAction*>(QStringLiteral("shareAccountAction"));
    QVERIFY(share);
    // Signed out, there is nobody to share with.
    QVERIFY(!share->isEnabled());

    QSignalSpy synced(state.syncEngine(), &SyncEngine::syncCompleted);
    window.findChild<QAction*>(QStringLiteral("signInAction"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(state.isSignedIn(), kNetworkWaitMs);
    QVERIFY(share->isEnabled());
    // This computer is now among the user's devices.
    QTRY_COMPARE_WITH_TIMEOUT(accounts.server()->requestsTo("POST", QStringLiteral("/devices/register")).size(), 1,
                              kNetworkWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!synced.isEmpty(), kNetworkWaitMs);

    // The passes the sign-in brought have ended: what follows is the dialog's.
    QElapsedTimer quiet;
    quiet.start();
    qsizetype seen = sync.server()->requests().size();
    QElapsedTimer waited;
    waited.start();
    while (quiet.elapsed() < SyncEngine::kDebounceMs + 300) {
        QVERIFY2(waited.elapsed() < kNetworkWaitMs, "sync never came to rest");
        QTest::qWait(50);
        if (sync.server()->requests().size() != seen || state.syncEngine()->state() == SyncEngine::Syncing) {
            seen = sync.server()->requests().size();
            quiet.restart();
        }
    }
    sync.server()->clearLog();

    {
        ShareWithBobAndWithdraw user(sync);
        share->trigger();
        QCOMPARE(user.steps, kSharedAndWithdrawn);
    }
    // Each accepted change asked for a pass.
    QTRY_VERIFY_WITH_TIMEOUT(!sync.server()->requestsTo("GET", QStringLiteral("/sync/pull")).isEmpty(),
                             SyncEngine::kDebounceMs + 3000);

    window.findChild<QAction*>(QStringLiteral("signOutAction"))->trigger();
    QVERIFY(!share->isEnabled());
}

QTEST_MAIN(ShareAccountTest)
#include "tst_shareaccount.moc"
