#include "appstate/AccountEditor.h"
#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/NativeConnection.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"
#include "tests/support/TestDataDir.h"

#include <QSqlQuery>
#include <QUuid>
#include <QtTest>

#include <memory>

namespace {

QString newId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

} // namespace

class TestAccountEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void restoreBringsBackOnlyWhatWasDeletedWithTheAccount();
    void failedRestoreChangesNothing();
    void liveAccountIsNotRestored();
    void newAccountsAreStoredAllOrNone();
    void newAccountsAreAnnouncedOnceStoredOrRolledBack();

private:
    Transaction addTransaction(const QString& accountId);

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<AccountEditor> m_editor;
    Account m_account;
};

void TestAccountEditor::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_editor = std::make_unique<AccountEditor>(m_state.get());
    m_account.id = newId();
    m_account.name = QStringLiteral("Checking");
    QVERIFY(m_editor->createAccount(m_account));
}

void TestAccountEditor::cleanup()
{
    m_editor.reset();
    m_state.reset();
    m_dir.reset();
}

Transaction TestAccountEditor::addTransaction(const QString& accountId)
{
    Transaction transaction;
    transaction.id = newId();
    transaction.account_id = accountId;
    transaction.date = QDate(2024, 3, 1);
    transaction.amount = -1250;
    transaction.payee = QStringLiteral("Grocer");
    m_state->transactionRepository()->insert(transaction);
    return transaction;
}

void TestAccountEditor::restoreBringsBackOnlyWhatWasDeletedWithTheAccount()
{
    const Transaction kept = addTransaction(m_account.id);
    const Transaction removedBefore = addTransaction(m_account.id);
    // Deleted on its own a minute before the account.
    QVERIFY(m_state->transactionRepository()->softDelete(removedBefore.id, nowUtc().addSecs(-60)));
    // Deleted with the account on another device, whose stamp came by sync
    // a few seconds ahead of the account's.
    const Transaction removedWith = addTransaction(m_account.id);
    QVERIFY(m_state->transactionRepository()->softDelete(removedWith.id, nowUtc().addSecs(-5)));
    RecurringTransaction rent;
    rent.id = newId();
    rent.account_id = m_account.id;
    rent.payee = QStringLiteral("Rent");
    rent.start_date = rent.next_due_date = QDate(2024, 4, 1);
    QVERIFY(m_state->recurringRepository()->insert(rent));
    Reconciliation statement;
    statement.id = newId();
    statement.account_id = m_account.id;
    statement.statement_date = QDate(2024, 2, 29);
    statement.completed_at = nowUtc();
    QVERIFY(m_state->reconciliationRepository()->insert(statement));
    QVERIFY(m_editor->deleteAccount(m_account.id));

    QVERIFY(m_editor->restoreAccount(m_account.id));

    QVERIFY(!m_state->accountRepository()->getById(m_account.id)->deleted_at);
    QVERIFY(!m_state->transactionRepository()->getById(kept.id)->deleted_at);
    QVERIFY(!m_state->transactionRepository()->getById(removedWith.id)->deleted_at);
    QVERIFY(!m_state->recurringRepository()->getById(rent.id)->deleted_at);
    QVERIFY(!m_state->reconciliationRepository()->getById(statement.id)->deleted_at);
    QVERIFY(m_state->transactionRepository()->getById(removedBefore.id)->deleted_at);
    QCOMPARE(m_state->transactionRepository()->getById(kept.id)->sync_status, SyncStatus::Pending);
}

void TestAccountEditor::failedRestoreChangesNothing()
{
    const Transaction transaction = addTransaction(m_account.id);
    QVERIFY(m_editor->deleteAccount(m_account.id));
    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_restore BEFORE UPDATE OF deleted_at ON "
                                        "transactions WHEN NEW.deleted_at IS NULL "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));

    QVERIFY(!m_editor->restoreAccount(m_account.id));

    QVERIFY(m_state->accountRepository()->getById(m_account.id)->deleted_at);
    QVERIFY(m_state->transactionRepository()->getById(transaction.id)->deleted_at);
}

void TestAccountEditor::liveAccountIsNotRestored()
{
    QVERIFY(!m_editor->restoreAccount(m_account.id));
    QVERIFY(!m_editor->restoreAccount(newId()));
}

void TestAccountEditor::newAccountsAreStoredAllOrNone()
{
    // An opening balance that cannot be written takes its account with it.
    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_opening BEFORE INSERT ON transactions "
                                        "WHEN NEW.payee = 'Opening Balance' "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    Account opened;
    opened.id = newId();
    opened.name = QStringLiteral("Savings");
    opened.starting_balance = 2500;
    QVERIFY(!m_editor->createAccountWithOpeningBalance(opened, QDate(2024, 3, 1)));
    QVERIFY(!m_state->accountRepository()->getById(opened.id));

    // One account that cannot be stored (its id is taken) keeps the others out.
    Account first;
    first.id = newId();
    first.name = QStringLiteral("Visa");
    Account taken = first;
    taken.id = m_account.id;
    QVERIFY(!m_editor->createAccounts({first, taken}));
    QVERIFY(!m_state->accountRepository()->getById(first.id));
    QCOMPARE(m_state->accountRepository()->listActive().size(), 1);
    QVERIFY(m_editor->createAccounts({first}));
    QVERIFY(m_state->accountRepository()->getById(first.id));
}

void TestAccountEditor::newAccountsAreAnnouncedOnceStoredOrRolledBack()
{
    // What a window listing the accounts would read when told.
    struct Heard
    {
        bool insideTransaction = false;
        int accounts = 0;
    };
    QList<Heard> heard;
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this, [&] {
        heard.append({nativeconnection::inTransaction(m_state->database()->connection()),
                      int(m_state->accountRepository()->listActive().size())});
    });

    Account visa;
    visa.id = newId();
    visa.name = QStringLiteral("Visa");
    Account cash;
    cash.id = newId();
    cash.name = QStringLiteral("Cash");
    QVERIFY(m_editor->createAccounts({visa, cash}));
    QCOMPARE(heard.size(), 1);
    QVERIFY(!heard[0].insideTransaction);
    QCOMPARE(heard[0].accounts, 3);

    Account opened;
    opened.id = newId();
    opened.name = QStringLiteral("Savings");
    opened.starting_balance = 2500;
    QVERIFY(m_editor->createAccountWithOpeningBalance(opened, QDate(2024, 3, 1)));
    QCOMPARE(heard.size(), 2);
    QVERIFY(!heard[1].insideTransaction);
    QCOMPARE(heard[1].accounts, 4);

    // Rolled back: whoever hears of it reads the ledger without the account.
    Account taken = visa;
    Account fresh;
    fresh.id = newId();
    fresh.name = QStringLiteral("Brokerage");
    heard.clear();
    QVERIFY(!m_editor->createAccounts({fresh, taken}));
    for (const Heard& told : std::as_const(heard)) {
        QVERIFY(!told.insideTransaction);
        QCOMPARE(told.accounts, 4);
    }
}

QTEST_MAIN(TestAccountEditor)
#include "tst_accounteditor.moc"
