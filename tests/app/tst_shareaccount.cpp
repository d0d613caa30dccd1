#include "account/ApiClient.h"
#include "account/Client.h"
#include "account/ShareMembersDialog.h"
#include "account/TokenManager.h"
#include "app/ShareAccount.h"
#include "storage/Timestamp.h"
#include "sync/AccountSharingService.h"
#include "sync/SyncEngine.h"
#include "tests/support/FakeAccountService.h"
#include "tests/support/FakeAuthService.h"
#include "tests/support/FakeSyncService.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestStore.h"
#include "tests/support/TestTokens.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace TandAccount;

// A signed-in user shares an account with a member of their group and
// withdraws it again, through the dialog the main window opens, against
// fake account and sync services; each accepted change brings a sync pass.
class ShareAccountTest : public QObject
{
    Q_OBJECT

private slots:
    void shareAndWithdrawFromTheDialog();
};

void ShareAccountTest::shareAndWithdrawFromTheDialog()
{
    TestStore store;
    FakeAuthService auth;
    FakeAccountService accounts(&auth);
    FakeSyncService sync;
    QVERIFY(auth.start());
    QVERIFY(accounts.start());
    QVERIFY(sync.start());

    accounts.addUser({QStringLiteral("acc-ann"), QStringLiteral("user-ann"), QStringLiteral("ann@example.org"),
                      QStringLiteral("Ann Lee")});
    accounts.addUser({QStringLiteral("acc-bob"), QStringLiteral("user-bob"), QStringLiteral("bob@example.org"),
                      QStringLiteral("Bob Stone")});
    accounts.addToGroup(accounts.createGroup(QStringLiteral("Family"), QStringLiteral("acc-ann")),
                        QStringLiteral("acc-bob"));

    Account account;
    account.id = QStringLiteral("6d1f3c0a-8e2b-4a57-b9c4-2f0e7d6a5b13");
    account.name = QStringLiteral("Joint checking");
    account.created_at = account.updated_at = nowUtc();
    QVERIFY(store.accounts.insert(account));
    sync.addShareUser(QStringLiteral("acc-ann"), QStringLiteral("ann@example.org"), QStringLiteral("Ann Lee"));
    sync.addShareUser(QStringLiteral("acc-bob"), QStringLiteral("bob@example.org"), QStringLiteral("Bob Stone"));
    sync.setAccountOwner(account.id, QStringLiteral("acc-ann"));

    const FakeAuthService::TokenPair pair = auth.signIn(QStringLiteral("user-ann"));
    QHash<QString, QString> tokens{{TokenStore::kAccessTokenKey, pair.access},
                                   {TokenStore::kRefreshTokenKey, pair.refresh}};
    ClientConfig config;
    config.authBaseUrl = auth.baseUrl().toString();
    config.realm = QStringLiteral("tandrel");
    config.accountApiUrl = accounts.baseUrl().toString();
    config.appId = QStringLiteral("ledgerine-test");
    Client client(config, std::make_unique<MemoryTokenStore>(&tokens));
    client.initialize();
    QVERIFY(client.isAuthenticated());
    client.syncApiClient()->setBaseUrl(sync.baseUrl());
    AccountSharingService sharing(client.syncApiClient());
    SyncEngine engine(client.syncApiClient(), &store.accounts, &store.transactions, &store.categories,
                      &store.recurring, &store.reconciliations, &store.splitLines, &store.preferences);
    engine.setSyncGate([&client] { return client.isAuthenticated(); });

    QStringList steps;
    const auto buttonIn = [](QWidget* dialog, const char* list) {
        return dialog->findChild<QWidget*>(list)->findChild<QAbstractButton*>();
    };
    const auto useDialog = [&](QWidget* dialog) {
        QVERIFY(QTest::qWaitFor([&] { return buttonIn(dialog, "memberList") != nullptr; }));
        buttonIn(dialog, "memberList")->click();
        QVERIFY(QTest::qWaitFor([&] { return sync.sharedWith(account.id) == QStringList{QStringLiteral("acc-bob")}; }));
        steps << QStringLiteral("shared");
        QVERIFY(QTest::qWaitFor([&] { return buttonIn(dialog, "accessList") != nullptr; }));
        buttonIn(dialog, "accessList")->click();
        QVERIFY(QTest::qWaitFor([&] { return sync.sharedWith(account.id).isEmpty(); }));
        steps << QStringLiteral("withdrawn");
        qobject_cast<QDialog*>(dialog)->accept();
    };
    bool dialogSeen = false;
    ModalWatcher watcher([&](QWidget* window) {
        if (auto* question = qobject_cast<QMessageBox*>(window)) {
            steps << question->text();
            question->button(QMessageBox::Yes)->click();
        } else if (qobject_cast<ShareMembersDialog*>(window)) {
            // Driven from the event loop, so the watcher sees the question;
            // once, though the dialog is the modal window again after it.
            if (!dialogSeen)
                QTimer::singleShot(0, window, [&useDialog, window] { useDialog(window); });
            dialogSeen = true;
        } else {
            window->close();
        }
    });

    runShareDialog(&client, &sharing, &engine, account, nullptr);
    QCOMPARE(steps, (QStringList{QStringLiteral("shared"),
                                 QStringLiteral("Bob Stone will no longer see this account. Remove their access?"),
                                 QStringLiteral("withdrawn")}));

    // The accepted changes asked for a pass, which pushes the account.
    QTRY_VERIFY_WITH_TIMEOUT(sync.record(QStringLiteral("account"), account.id).has_value(),
                             SyncEngine::kDebounceMs + 3000);
}

QTEST_MAIN(ShareAccountTest)
#include "tst_shareaccount.moc"
