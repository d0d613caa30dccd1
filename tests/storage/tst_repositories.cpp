#include "storage/Money.h"
#include "storage/NativeConnection.h"
#include "storage/RecordId.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"
#include "storage/TransactionInserter.h"
#include "tests/support/TestStore.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QTest>

#include <limits>
#include <memory>
#include <tuple>

#include <sqlite3.h>

namespace {

const QDateTime kCreated(QDate(2025, 3, 1), QTime(9, 30, 0), Qt::UTC);
const QDateTime kUpdated(QDate(2025, 3, 2), QTime(10, 0, 5), Qt::UTC);

Account makeAccount(const QString& id, const QString& name, qint64 startingBalance = 0)
{
    Account account;
    account.id = id;
    account.name = name;
    account.starting_balance = startingBalance;
    account.created_at = kCreated;
    account.updated_at = kCreated;
    return account;
}

Transaction makeTransaction(const QString& id, const QString& accountId, QDate date, qint64 amount)
{
    Transaction t;
    t.id = id;
    t.account_id = accountId;
    t.date = date;
    t.amount = amount;
    t.created_at = kCreated;
    t.updated_at = kCreated;
    return t;
}

} // namespace

class RepositoriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundTripsEveryRecordType();
    void updateWritesOnlyItsColumns();
    void failedWritesReturnFalseAndLog();
    void aReadCutShortGivesNoRowsRatherThanSome();
    void theInserterWritesAsTheRepositoryDoes();
    void splitLinesThatDoNotAddUpGetARemainderLine();
    void orderedIdsAreUuidsInTheOrderMade();
    void softDeleteAndRestoreByAccountWithCutOff();
    void restoresAndListsAccounts();
    void tracksPendingRowsAndSyncMarks();
    void keepsRowsChangedDuringAPushPending();
    void marksEverythingForResync();
    void listsTransactionsInTheirOrders();
    void computesRunningBalancesAndCategoryText();
    void aTransferLinkCountsOnlyWhenBothSidesNameEachOther();
    void keepsRunningBalancesAcrossManyRows();
    void balancesBeyondSixtyFourBitsHoldAtTheLimit();
    void storesPreferences();
    void findsTheLatestReconciliation();

private:
    std::unique_ptr<TestStore> m_store;
};

void RepositoriesTest::init()
{
    m_store = std::make_unique<TestStore>();
}

void RepositoriesTest::cleanup()
{
    m_store.reset();
}

void RepositoriesTest::roundTripsEveryRecordType()
{
    Account account = makeAccount(QStringLiteral("acc-1"), QStringLiteral("Everyday"), -12345);
    account.account_type = AccountType::CreditCard;
    account.currency = Currency::JPY;
    account.institution = QStringLiteral("First Bank");
    account.account_number_last4 = QStringLiteral("0042");
    account.sort_order = 3;
    account.is_shared = true;
    account.version = 7;
    account.sync_status = SyncStatus::Synced;
    account.server_id = QStringLiteral("srv-a");
    account.updated_at = kUpdated;
    QVERIFY(m_store->accounts.insert(account));
    QCOMPARE(m_store->accounts.getById(account.id), account);

    Category category;
    category.id = QStringLiteral("cat-1");
    category.name = QStringLiteral("Groceries");
    category.category_type = CategoryType::Income;
    category.parent_id = QStringLiteral("cat-0");
    category.is_tax_relevant = true;
    category.tax_category = QStringLiteral("schedule_c");
    category.icon = QStringLiteral("cart");
    category.color = QStringLiteral("#112233");
    category.is_default = true;
    category.account_id = account.id;
    category.version = 2;
    category.sync_status = SyncStatus::Conflict;
    category.created_at = kCreated;
    category.updated_at = kUpdated;
    QVERIFY(m_store->categories.insert(category));
    QCOMPARE(m_store->categories.getById(category.id), category);

    Transaction t = makeTransaction(QStringLiteral("t-1"), account.id, QDate(2025, 2, 28), -4599);
    t.payee = QStringLiteral("Corner Shop");
    t.memo = QStringLiteral("milk, \"bread\"; eggs");
    t.category_id = category.id;
    t.check_number = QStringLiteral("1001");
    t.cleared = true;
    t.reconciled = true;
    t.transfer_link_id = QStringLiteral("t-2");
    t.transfer_dest_account_id = QStringLiteral("acc-2");
    t.is_split = true;
    t.recurring_id = QStringLiteral("rec-1");
    t.version = 4;
    t.server_id = QStringLiteral("srv-t");
    t.updated_at = kUpdated;
    QVERIFY(m_store->transactions.insert(t));
    QCOMPARE(m_store->transactions.getById(t.id), t);

    SplitLine line;
    line.id = QStringLiteral("s-1");
    line.transaction_id = t.id;
    line.category_id = category.id;
    line.amount = -1000;
    line.memo = QStringLiteral("part");
    line.created_at = kCreated;
    line.updated_at = kUpdated;
    QVERIFY(m_store->splitLines.insert(line));
    QCOMPARE(m_store->splitLines.listByTransaction(t.id), QList<SplitLine>({line}));
    QVERIFY(m_store->splitLines.deleteByTransaction(t.id));
    QVERIFY(m_store->splitLines.listByTransaction(t.id).isEmpty());

    RecurringTransaction item;
    item.id = QStringLiteral("rec-1");
    item.account_id = account.id;
    item.payee = QStringLiteral("Rent");
    item.memo = QStringLiteral("flat");
    item.amount = -150000;
    item.category_id = category.id;
    item.frequency = Frequency::Semimonthly;
    item.interval_count = 2;
    item.semimonthly_day_1 = 5;
    item.semimonthly_day_2 = 0;
    item.start_date = QDate(2025, 1, 1);
    item.end_date = QDate(2026, 1, 1);
    item.next_due_date = QDate(2025, 3, 5);
    item.auto_post = true;
    item.lead_days = 3;
    item.is_active = false;
    item.transfer_dest_account_id = QStringLiteral("acc-2");
    item.created_at = kCreated;
    item.updated_at = kUpdated;
    QVERIFY(m_store->recurring.insert(item));
    QCOMPARE(m_store->recurring.getById(item.id), item);

    RecurringTransaction openEnded = item;
    openEnded.id = QStringLiteral("rec-2");
    openEnded.end_date.reset();
    QVERIFY(m_store->recurring.insert(openEnded));
    QCOMPARE(m_store->recurring.getById(openEnded.id), openEnded);

    Reconciliation reconciliation;
    reconciliation.id = QStringLiteral("r-1");
    reconciliation.account_id = account.id;
    reconciliation.statement_date = QDate(2025, 2, 28);
    reconciliation.statement_balance = 50000;
    reconciliation.reconciled_balance = 49999;
    reconciliation.completed_at = kUpdated;
    reconciliation.created_at = kCreated;
    reconciliation.updated_at = kUpdated;
    QVERIFY(m_store->reconciliations.insert(reconciliation));
    QCOMPARE(m_store->reconciliations.getById(reconciliation.id), reconciliation);

    QVERIFY(!m_store->accounts.getById(QStringLiteral("nobody")).has_value());
}

void RepositoriesTest::updateWritesOnlyItsColumns()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
    Transaction t = makeTransaction(QStringLiteral("t"), QStringLiteral("a"), QDate(2025, 1, 1), 100);
    QVERIFY(m_store->transactions.insert(t));

    Transaction edited = t;
    edited.account_id = QStringLiteral("b");
    edited.created_at = kUpdated;
    edited.amount = 250;
    edited.version = 2;
    edited.updated_at = kUpdated;
    QVERIFY(m_store->transactions.update(edited));

    const Transaction stored = *m_store->transactions.getById(t.id);
    QCOMPARE(stored.amount, 250);
    QCOMPARE(stored.version, 2);
    QCOMPARE(stored.updated_at, kUpdated);
    // Moving between accounts and rewriting history are not what an update does.
    QCOMPARE(stored.account_id, QStringLiteral("a"));
    QCOMPARE(stored.created_at, kCreated);

    Transaction missing = t;
    missing.id = QStringLiteral("missing");
    QVERIFY(!m_store->transactions.update(missing));
}

void RepositoriesTest::failedWritesReturnFalseAndLog()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QSignalSpy changed(&m_store->accounts, &AccountRepository::accountsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::insert failed: ")));
    QVERIFY(!m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("Again"))));
    QCOMPARE(changed.count(), 0);

    QSignalSpy transactionsChanged(&m_store->transactions, &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: ")));
    QVERIFY(!m_store->transactions.insert(
        makeTransaction(QStringLiteral("t"), QStringLiteral("no-such-account"), QDate(2025, 1, 1), 1)));
    QCOMPARE(transactionsChanged.count(), 0);
}

void RepositoriesTest::aReadCutShortGivesNoRowsRatherThanSome()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    constexpr int kRows = 200;
    for (int i = 0; i < kRows; ++i) {
        const QString id = QStringLiteral("t%1").arg(i, 3, 10, QLatin1Char('0'));
        QVERIFY(m_store->transactions.insert(makeTransaction(id, QStringLiteral("a"), QDate(2025, 1, 1), i + 1)));
    }

    // SQLite ends a statement between two rows when its progress handler says
    // so, as it does on an I/O error or a damaged page met half-way. The
    // handler counts the steps of one whole read, then stops the next read
    // half-way through.
    sqlite3* handle = nativeconnection::handle(m_store->db.connection());
    QVERIFY(handle);
    struct Budget
    {
        qint64 used = 0;
        qint64 limit = std::numeric_limits<qint64>::max();
    } budget;
    const auto handler = [](void* data) {
        auto* b = static_cast<Budget*>(data);
        return ++b->used > b->limit ? 1 : 0;
    };
    sqlite3_progress_handler(handle, 1, handler, &budget);
    const auto stopHandler = qScopeGuard([handle] { sqlite3_progress_handler(handle, 0, nullptr, nullptr); });

    QCOMPARE(m_store->transactions.listPending().size(), kRows);
    budget.limit = budget.used / 2;
    budget.used = 0;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::listPending failed: ")));
    QVERIFY(m_store->transactions.listPending().isEmpty());
    QVERIFY(budget.used > budget.limit);
}

void RepositoriesTest::theInserterWritesAsTheRepositoryDoes()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    // Every kind of value: texts with any character, empty links, flags, a
    // large amount, set and unset links.
    Transaction full = makeTransaction(QStringLiteral("full"), QStringLiteral("a"), QDate(2025, 1, 2), -kMaxAmountMinorUnits);
    full.payee = QStringLiteral("Caf\u00E9 \U0001F600 'quoted'");
    full.memo = QStringLiteral("line\nbreak");
    full.category_id = QStringLiteral("cat");
    full.check_number = QStringLiteral("1001");
    full.cleared = true;
    full.transfer_link_id = QStringLiteral("other");
    full.transfer_dest_account_id = QStringLiteral("b");
    full.version = 3;
    full.sync_status = SyncStatus::Synced;
    full.server_id = QStringLiteral("srv");
    full.updated_at = kUpdated;
    const Transaction plain = makeTransaction(QStringLiteral("plain"), QStringLiteral("a"), QDate(2025, 1, 3), 0);

    const auto stored = [this](const QString& id) {
        QSqlQuery query(m_store->db.connection());
        query.exec(QStringLiteral("SELECT * FROM transactions WHERE id = '%1'").arg(id));
        QVariantList values;
        if (!query.next())
            return values;
        for (int c = 0; c < query.record().count(); ++c)
            values << query.value(c) << query.value(c).isNull();
        return values;
    };
    QVERIFY(m_store->transactions.insert(full));
    QVERIFY(m_store->transactions.insert(plain));
    const QVariantList byRepository[] = {stored(full.id), stored(plain.id)};
    QSqlQuery(m_store->db.connection()).exec(QStringLiteral("DELETE FROM transactions"));

    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);
    {
        TransactionInserter inserter(&m_store->transactions);
        QVERIFY(inserter.insert(full));
        QVERIFY(inserter.insert(plain));
        QCOMPARE(changed.count(), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionInserter::insert failed: ")));
        QVERIFY(!inserter.insert(plain));
        QVERIFY(SqlStatement::lastFailure().contains(QLatin1String("UNIQUE")));
    }
    QCOMPARE(changed.count(), 2);
    QCOMPARE(stored(full.id), byRepository[0]);
    QCOMPARE(stored(plain.id), byRepository[1]);
    QCOMPARE(m_store->transactions.getById(full.id), full);
}

void RepositoriesTest::splitLinesThatDoNotAddUpGetARemainderLine()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("acc-1"), QStringLiteral("Checking"))));
    Transaction t = makeTransaction(QStringLiteral("t-1"), QStringLiteral("acc-1"), QDate(2025, 3, 1), -10000);
    t.is_split = true;
    QVERIFY(m_store->transactions.insert(t));
    SplitLine line;
    line.id = QStringLiteral("s-1");
    line.transaction_id = t.id;
    line.amount = -6000;
    QVERIFY(m_store->splitLines.insert(line));

    QCOMPARE(m_store->splitLines.balance(t.id, t.amount, kUpdated), SplitLineRepository::Balance::RemainderAdded);
    const QList<SplitLine> lines = m_store->splitLines.listByTransaction(t.id);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.last().amount, -4000);
    QVERIFY(lines.last().category_id.isEmpty());
    QCOMPARE(m_store->splitLines.balance(t.id, t.amount, kUpdated), SplitLineRepository::Balance::Whole);

    // A split with no lines at all is one uncategorized line of its amount.
    Transaction bare = makeTransaction(QStringLiteral("t-2"), QStringLiteral("acc-1"), QDate(2025, 3, 1), 2500);
    bare.is_split = true;
    QVERIFY(m_store->transactions.insert(bare));
    QCOMPARE(m_store->splitLines.balance(bare.id, bare.amount, kUpdated), SplitLineRepository::Balance::RemainderAdded);
    QCOMPARE(m_store->splitLines.listByTransaction(bare.id).value(0).amount, 2500);
}

void RepositoriesTest::orderedIdsAreUuidsInTheOrderMade()
{
    // More than a millisecond holds, so the counter runs over too.
    QStringList ids;
    for (int i = 0; i < 20000; ++i)
        ids << newOrderedRecordId();
    QStringList sorted = ids;
    sorted.sort();
    QCOMPARE(sorted, ids);
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), ids.size());
    for (const QString& id : {ids.first(), ids.last()}) {
        const QUuid uuid = QUuid::fromString(id);
        QVERIFY(!uuid.isNull());
        QCOMPARE(uuid.toString(QUuid::WithoutBraces), id);
        QCOMPARE(uuid.variant(), QUuid::DCE);
        QCOMPARE(id.at(14), u'7');
    }
}

void RepositoriesTest::softDeleteAndRestoreByAccountWithCutOff()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("early"), QStringLiteral("a"), QDate(2025, 1, 1), 1)));
    QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("t1"), QStringLiteral("a"), QDate(2025, 1, 2), 2)));
    QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("t2"), QStringLiteral("a"), QDate(2025, 1, 3), 3)));

    const QDateTime firstDelete(QDate(2025, 4, 1), QTime(8, 0), Qt::UTC);
    const QDateTime accountDelete(QDate(2025, 5, 1), QTime(8, 0), Qt::UTC);

    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);
    QVERIFY(m_store->transactions.softDelete(QStringLiteral("early"), firstDelete));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.takeFirst().at(0).toString(), QStringLiteral("a"));
    QVERIFY(!m_store->transactions.softDelete(QStringLiteral("nothing")));
    // Deleting again must not move the time: restores cut off by it.
    QVERIFY(!m_store->transactions.softDelete(QStringLiteral("early"), accountDelete));
    QCOMPARE(m_store->transactions.getById(QStringLiteral("early"))->deleted_at, std::optional<QDateTime>(firstDelete));

    QCOMPARE(m_store->transactions.softDeleteByAccount(QStringLiteral("a"), accountDelete), 2);
    QVERIFY(m_store->accounts.softDelete(QStringLiteral("a"), accountDelete));
    const Transaction deleted = *m_store->transactions.getById(QStringLiteral("t1"));
    QCOMPARE(deleted.deleted_at, std::optional<QDateTime>(accountDelete));
    QCOMPARE(deleted.updated_at, accountDelete);
    QCOMPARE(deleted.version, 1);
    QVERIFY(m_store->transactions.listByAccount(QStringLiteral("a")).isEmpty());

    // Undoing the account's deletion brings back what went with it, not what
    // the user had deleted before.
    changed.clear();
    QCOMPARE(m_store->transactions.restoreByAccount(QStringLiteral("a"), toIsoUtc(accountDelete)), 2);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_store->transactions.getById(QStringLiteral("t1"))->deleted_at.has_value());
    QVERIFY(m_store->transactions.getById(QStringLiteral("early"))->deleted_at.has_value());
    QCOMPARE(m_store->transactions.getById(QStringLiteral("t2"))->sync_status, SyncStatus::Pending);
    QCOMPARE(m_store->transactions.getById(QStringLiteral("t2"))->version, 1);

    changed.clear();
    QCOMPARE(m_store->transactions.restoreByAccount(QStringLiteral("a"), toIsoUtc(accountDelete)), 0);
    QCOMPARE(changed.count(), 0);
}

void RepositoriesTest::restoresAndListsAccounts()
{
    Account zed = makeAccount(QStringLiteral("z"), QStringLiteral("Zed"));
    Account alpha = makeAccount(QStringLiteral("a"), QStringLiteral("Alpha"));
    Account first = makeAccount(QStringLiteral("f"), QStringLiteral("Last by name"));
    Account lowercase = makeAccount(QStringLiteral("m"), QStringLiteral("middle"));
    zed.sort_order = 1;
    alpha.sort_order = 1;
    lowercase.sort_order = 1;
    first.sort_order = 0;
    for (const Account& account : {zed, alpha, first, lowercase})
        QVERIFY(m_store->accounts.insert(account));

    auto names = [](const QList<Account>& accounts) {
        QStringList out;
        for (const Account& account : accounts)
            out << account.name;
        return out;
    };
    // Names sort as a person reads them, whatever their case.
    QCOMPARE(names(m_store->accounts.listActive()), QStringList({"Last by name", "Alpha", "middle", "Zed"}));

    QVERIFY(m_store->accounts.softDelete(QStringLiteral("z")));
    QVERIFY(m_store->accounts.softDelete(QStringLiteral("a")));
    QCOMPARE(names(m_store->accounts.listActive()), QStringList({"Last by name", "middle"}));
    QCOMPARE(names(m_store->accounts.listDeleted()), QStringList({"Alpha", "Zed"}));

    QSignalSpy changed(&m_store->accounts, &AccountRepository::accountsChanged);
    QVERIFY(m_store->accounts.restore(QStringLiteral("z")));
    QCOMPARE(changed.count(), 1);
    const Account restored = *m_store->accounts.getById(QStringLiteral("z"));
    QVERIFY(!restored.deleted_at.has_value());
    QCOMPARE(restored.version, 1);
    QCOMPARE(restored.sync_status, SyncStatus::Pending);
    QVERIFY(!m_store->accounts.restore(QStringLiteral("missing")));
}

void RepositoriesTest::tracksPendingRowsAndSyncMarks()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
    QVERIFY(m_store->accounts.softDelete(QStringLiteral("b")));
    QCOMPARE(m_store->accounts.listPending().size(), 2); // soft-deleted rows still have to reach the server

    QSignalSpy changed(&m_store->accounts, &AccountRepository::accountsChanged);
    QVERIFY(m_store->accounts.markSynced(QStringLiteral("a"), QStringLiteral("srv-1")));
    QCOMPARE(changed.count(), 0);
    Account synced = *m_store->accounts.getById(QStringLiteral("a"));
    QCOMPARE(synced.sync_status, SyncStatus::Synced);
    QCOMPARE(synced.server_id, QStringLiteral("srv-1"));

    // An acknowledgement without a server id keeps the one already known.
    QVERIFY(m_store->accounts.markSynced(QStringLiteral("a"), QString()));
    QCOMPARE(m_store->accounts.getById(QStringLiteral("a"))->server_id, QStringLiteral("srv-1"));
    QCOMPARE(m_store->accounts.listPending().size(), 1);
    QVERIFY(!m_store->accounts.markSynced(QStringLiteral("missing"), QStringLiteral("x")));
}

void RepositoriesTest::keepsRowsChangedDuringAPushPending()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    const Transaction sent = makeTransaction(QStringLiteral("t"), QStringLiteral("a"), QDate(2025, 1, 1), 100);
    QVERIFY(m_store->transactions.insert(sent));
    const SyncSnapshot pushed = SyncSnapshot::of(sent);

    Transaction edited = sent;
    edited.amount = 200;
    edited.version = 2;
    edited.updated_at = kUpdated;
    QVERIFY(m_store->transactions.update(edited));
    QVERIFY(!m_store->transactions.markSyncedIfUnchanged(sent.id, QStringLiteral("srv"), pushed));
    QCOMPARE(m_store->transactions.getById(sent.id)->sync_status, SyncStatus::Pending);

    // A deletion in flight counts as a change too, even with the same version.
    const SyncSnapshot secondPush = SyncSnapshot::of(*m_store->transactions.getById(sent.id));
    QVERIFY(m_store->transactions.softDelete(sent.id, kUpdated));
    QVERIFY(!m_store->transactions.markSyncedIfUnchanged(sent.id, QStringLiteral("srv"), secondPush));

    const SyncSnapshot thirdPush = SyncSnapshot::of(*m_store->transactions.getById(sent.id));
    QVERIFY(m_store->transactions.markSyncedIfUnchanged(sent.id, QStringLiteral("srv"), thirdPush));
    const Transaction stored = *m_store->transactions.getById(sent.id);
    QCOMPARE(stored.sync_status, SyncStatus::Synced);
    QCOMPARE(stored.server_id, QStringLiteral("srv"));

    // Rows stamped in the other forms the store accepts (SQLite's own, with
    // milliseconds) are acknowledged too, rather than pushed on every pass.
    for (const char* stamp : {"2025-03-02 10:00:05", "2025-03-02T10:00:05.250Z"}) {
        QSqlQuery query(m_store->db.connection());
        QVERIFY(query.exec(QStringLiteral("UPDATE transactions SET updated_at = '%1', sync_status = 'pending' "
                                          "WHERE id = 't'")
                               .arg(QLatin1String(stamp))));
        const SyncSnapshot pushed = SyncSnapshot::of(*m_store->transactions.getById(sent.id));
        QVERIFY2(m_store->transactions.markSyncedIfUnchanged(sent.id, QString(), pushed), stamp);
    }
}

void RepositoriesTest::marksEverythingForResync()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    for (int i = 0; i < 4; ++i) {
        Transaction t = makeTransaction(QStringLiteral("t%1").arg(i), QStringLiteral("a"), QDate(2025, 1, 1), i);
        t.sync_status = SyncStatus::Synced;
        t.version = 5;
        QVERIFY(m_store->transactions.insert(t));
    }
    QVERIFY(m_store->transactions.softDelete(QStringLiteral("t3")));
    QVERIFY(m_store->transactions.markSynced(QStringLiteral("t3"), QStringLiteral("s3")));
    Transaction alreadyPending = *m_store->transactions.getById(QStringLiteral("t2"));
    alreadyPending.sync_status = SyncStatus::Pending;
    QVERIFY(m_store->transactions.update(alreadyPending));

    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(m_store->transactions.markAllPendingForResync(), 2); // t0, t1: live and not pending
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toString(), QString());
    QCOMPARE(m_store->transactions.getById(QStringLiteral("t0"))->version, 5);
    QCOMPARE(m_store->transactions.getById(QStringLiteral("t0"))->updated_at, kCreated);
    QCOMPARE(m_store->transactions.getById(QStringLiteral("t3"))->sync_status, SyncStatus::Synced);

    changed.clear();
    QCOMPARE(m_store->transactions.markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_store->accounts.markAllPendingForResync(), 0);
}

void RepositoriesTest::listsTransactionsInTheirOrders()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
    Transaction older = makeTransaction(QStringLiteral("older"), QStringLiteral("a"), QDate(2025, 1, 1), 1);
    older.payee = QStringLiteral("Zoo");
    Transaction sameDayLater = makeTransaction(QStringLiteral("later"), QStringLiteral("a"), QDate(2025, 1, 1), 2);
    sameDayLater.created_at = kUpdated;
    sameDayLater.payee = QStringLiteral("Bakery");
    sameDayLater.reconciled = true;
    Transaction newest = makeTransaction(QStringLiteral("newest"), QStringLiteral("a"), QDate(2025, 2, 1), 3);
    newest.payee = QStringLiteral("Bakery");
    Transaction gone = makeTransaction(QStringLiteral("gone"), QStringLiteral("a"), QDate(2025, 3, 1), 4);
    gone.payee = QStringLiteral("Deleted Payee");
    Transaction elsewhere = makeTransaction(QStringLiteral("elsewhere"), QStringLiteral("b"), QDate(2025, 3, 1), 5);
    elsewhere.payee = QStringLiteral("Apple");
    for (const Transaction& t : {older, sameDayLater, newest, gone, elsewhere})
        QVERIFY(m_store->transactions.insert(t));
    QVERIFY(m_store->transactions.softDelete(QStringLiteral("gone")));

    auto ids = [](const QList<Transaction>& list) {
        QStringList out;
        for (const Transaction& t : list)
            out << t.id;
        return out;
    };
    QCOMPARE(ids(m_store->transactions.listByAccount(QStringLiteral("a"))), QStringList({"newest", "later", "older"}));
    QCOMPARE(ids(m_store->transactions.listUnreconciled(QStringLiteral("a"))), QStringList({"older", "newest"}));
    QCOMPARE(m_store->transactions.listPayees(), QStringList({"Apple", "Bakery", "Zoo"}));
    QCOMPARE(m_store->transactions.listPayees(QStringLiteral("b")), m_store->transactions.listPayees());
    QCOMPARE(m_store->transactions.payeeCounts(),
             (QList<TransactionRepository::PayeeCount>{{"Apple", 1}, {"Bakery", 2}, {"Zoo", 1}}));
    // A payee's latest row, in the asked account first; deleted rows never.
    QCOMPARE(m_store->transactions.latestByPayee(QStringLiteral("bakery"), QStringLiteral("b"))->id,
             QStringLiteral("newest"));
    QCOMPARE(m_store->transactions.latestByPayee(QStringLiteral("Apple"), QStringLiteral("a"))->id,
             QStringLiteral("elsewhere"));
    QVERIFY(!m_store->transactions.latestByPayee(QStringLiteral("Deleted Payee"), QStringLiteral("a")));

    const QHash<QString, qint64> totals = m_store->transactions.totalsByAccount();
    QCOMPARE(totals.value(QStringLiteral("a")), 6);
    QCOMPARE(totals.value(QStringLiteral("b")), 5);
    QVERIFY(m_store->transactions.hasTransactions(QStringLiteral("a")));
    QVERIFY(!m_store->transactions.hasTransactions(QStringLiteral("nobody")));
}

void RepositoriesTest::computesRunningBalancesAndCategoryText()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("chk"), QStringLiteral("Checking"), 10000)));
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("sav"), QStringLiteral("Savings"))));
    Category food;
    food.id = QStringLiteral("food");
    food.name = QStringLiteral("Food");
    QVERIFY(m_store->categories.insert(food));
    Category old;
    old.id = QStringLiteral("old");
    old.name = QStringLiteral("Old");
    QVERIFY(m_store->categories.insert(old));
    QVERIFY(m_store->categories.softDelete(old.id));

    Transaction groceries = makeTransaction(QStringLiteral("1"), QStringLiteral("chk"), QDate(2025, 1, 5), -2500);
    groceries.category_id = food.id;
    Transaction split = makeTransaction(QStringLiteral("2"), QStringLiteral("chk"), QDate(2025, 1, 6), -1000);
    split.is_split = true;
    split.category_id = food.id;
    Transaction transferOut = makeTransaction(QStringLiteral("3"), QStringLiteral("chk"), QDate(2025, 1, 7), -5000);
    transferOut.transfer_link_id = QStringLiteral("4");
    transferOut.transfer_dest_account_id = QStringLiteral("sav");
    Transaction transferIn = makeTransaction(QStringLiteral("4"), QStringLiteral("sav"), QDate(2025, 1, 7), 5000);
    transferIn.transfer_link_id = QStringLiteral("3");
    Transaction stale = makeTransaction(QStringLiteral("5"), QStringLiteral("chk"), QDate(2025, 1, 4), 700);
    stale.category_id = old.id;
    Transaction deleted = makeTransaction(QStringLiteral("6"), QStringLiteral("chk"), QDate(2025, 1, 5), -99999);
    for (const Transaction& t : {groceries, split, transferOut, transferIn, stale, deleted})
        QVERIFY(m_store->transactions.insert(t));
    QVERIFY(m_store->transactions.softDelete(deleted.id));

    const QList<RegisterRow> rows = m_store->transactions.listRegisterRows(QStringLiteral("chk"));
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].transaction.id, QStringLiteral("5"));
    QCOMPARE(rows[0].runningBalance, 10700);
    QCOMPARE(rows[0].categoryText, QString());
    QCOMPARE(rows[1].runningBalance, 8200);
    QCOMPARE(rows[1].categoryText, QStringLiteral("Food"));
    QCOMPARE(rows[2].runningBalance, 7200);
    QCOMPARE(rows[2].categoryText, QStringLiteral("Split"));
    QCOMPARE(rows[3].runningBalance, 2200);
    QCOMPARE(rows[3].categoryText, QStringLiteral("Savings"));

    const QList<RegisterRow> savings = m_store->transactions.listRegisterRows(QStringLiteral("sav"));
    QCOMPARE(savings.size(), 1);
    QCOMPARE(savings[0].categoryText, QStringLiteral("Checking"));
    QCOMPARE(savings[0].runningBalance, 5000);
    QVERIFY(m_store->transactions.listRegisterRows(QStringLiteral("nobody")).isEmpty());
}

void RepositoriesTest::aTransferLinkCountsOnlyWhenBothSidesNameEachOther()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("chk"), QStringLiteral("Checking"))));
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("sav"), QStringLiteral("Savings"))));
    // out and in name each other; odd names in, which does not name it back; self names itself.
    QHash<QString, Transaction> rows;
    for (const auto& [id, accountId, link] : {std::tuple("out", "chk", "in"), std::tuple("in", "sav", "out"),
                                              std::tuple("odd", "chk", "in"), std::tuple("self", "chk", "self")}) {
        Transaction t = makeTransaction(QLatin1String(id), QLatin1String(accountId), QDate(2025, 1, 7), -1);
        t.transfer_link_id = QLatin1String(link);
        QVERIFY(m_store->transactions.insert(t));
        rows.insert(t.id, t);
    }
    QCOMPARE(m_store->transactions.transferPartner(rows["out"]).value_or(Transaction()).id, QStringLiteral("in"));
    QVERIFY(!m_store->transactions.transferPartner(rows["odd"]));
    QVERIFY(!m_store->transactions.transferPartner(rows["self"]));
    for (const RegisterRow& row : m_store->transactions.listRegisterRows(QStringLiteral("chk")))
        QCOMPARE(row.transfer, row.transaction.id == QLatin1String("out"));
}

void RepositoriesTest::keepsRunningBalancesAcrossManyRows()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"), -500)));
    QRandomGenerator random(42);
    QList<Transaction> inserted;
    QVERIFY(m_store->db.connection().transaction());
    for (int i = 0; i < 2000; ++i) {
        // Many rows share a date so the order falls to the creation time and id.
        Transaction t = makeTransaction(QStringLiteral("t%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("a"),
                                        QDate(2020, 1, 1).addDays(random.bounded(200)),
                                        random.bounded(-100000, 100000));
        t.created_at = kCreated.addSecs(random.bounded(3));
        QVERIFY(m_store->transactions.insert(t));
        inserted << t;
    }
    QVERIFY(m_store->db.connection().commit());

    std::sort(inserted.begin(), inserted.end(), [](const Transaction& x, const Transaction& y) {
        return std::tie(x.date, x.created_at, x.id) < std::tie(y.date, y.created_at, y.id);
    });
    const QList<RegisterRow> rows = m_store->transactions.listRegisterRows(QStringLiteral("a"));
    QCOMPARE(rows.size(), inserted.size());
    qint64 balance = -500;
    for (int i = 0; i < rows.size(); ++i) {
        balance += inserted[i].amount;
        QCOMPARE(rows[i].transaction.id, inserted[i].id);
        QCOMPARE(rows[i].runningBalance, balance);
    }
}

void RepositoriesTest::balancesBeyondSixtyFourBitsHoldAtTheLimit()
{
    constexpr qint64 nine = 9'000'000'000'000'000'000;
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"), 100)));
    // In date order the sum passes 2^63 and comes back: SQLite's SUM stops there.
    const QList<qint64> amounts = {nine, nine, -nine};
    for (int i = 0; i < amounts.size(); ++i) {
        Transaction t = makeTransaction(QStringLiteral("t%1").arg(i), QStringLiteral("a"),
                                        QDate(2025, 1, 1).addDays(i), amounts[i]);
        t.reconciled = true;
        QVERIFY(m_store->transactions.insert(t));
    }
    const auto balances = [this] {
        QList<qint64> running;
        for (const RegisterRow& row : m_store->transactions.listRegisterRows(QStringLiteral("a")))
            running << row.runningBalance;
        return running;
    };
    QCOMPARE(balances(), QList<qint64>({nine + 100, kMaxBalance, nine + 100}));
    QCOMPARE(m_store->transactions.totalsByAccount().value(QStringLiteral("a")), nine);
    QCOMPARE(m_store->transactions.reconciledTotal(QStringLiteral("a")).sum, nine);

    Transaction beyond = makeTransaction(QStringLiteral("t3"), QStringLiteral("a"), QDate(2025, 2, 1), nine);
    QVERIFY(m_store->transactions.insert(beyond));
    QCOMPARE(balances().last(), kMaxBalance);
    QCOMPARE(m_store->transactions.totalsByAccount().value(QStringLiteral("a")), kMaxBalance);
    QCOMPARE(saturatingAdd(kMaxBalance, 100), kMaxBalance);
    QCOMPARE(saturatingAdd(-kMaxBalance, -1), -kMaxBalance);
    QCOMPARE(saturatingAdd(kMaxBalance, -100), kMaxBalance - 100);
}

void RepositoriesTest::storesPreferences()
{
    QCOMPARE(m_store->preferences.get(QStringLiteral("theme")), std::nullopt);
    QCOMPARE(m_store->preferences.getString(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));
    QVERIFY(m_store->preferences.getBool(QStringLiteral("flag"), true));

    QSignalSpy changed(&m_store->preferences, &PreferencesRepository::changed);
    QVERIFY(m_store->preferences.set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(m_store->preferences.set(QStringLiteral("theme"), QStringLiteral("light")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.first().at(0).toString(), QStringLiteral("theme"));
    QCOMPARE(m_store->preferences.get(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("light")));

    QVERIFY(m_store->preferences.setBool(QStringLiteral("flag"), false));
    QVERIFY(!m_store->preferences.getBool(QStringLiteral("flag"), true));
    QVERIFY(m_store->preferences.set(QStringLiteral("flag"), QStringLiteral("true")));
    QVERIFY(m_store->preferences.getBool(QStringLiteral("flag"), false));
    QVERIFY(m_store->preferences.set(QStringLiteral("flag"), QStringLiteral("yes")));
    QVERIFY(!m_store->preferences.getBool(QStringLiteral("flag"), true));

    QVERIFY(m_store->preferences.setInt(QStringLiteral("fontScale"), 120));
    QCOMPARE(m_store->preferences.getInt(QStringLiteral("fontScale"), 100), 120);
    QVERIFY(m_store->preferences.set(QStringLiteral("fontScale"), QStringLiteral("big")));
    QCOMPARE(m_store->preferences.getInt(QStringLiteral("fontScale"), 100), 100);

    changed.clear();
    QVERIFY(m_store->preferences.remove(QStringLiteral("theme")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_store->preferences.get(QStringLiteral("theme")), std::nullopt);
    QCOMPARE(QString::fromLatin1(PreferencesRepository::kSyncCursorKey), QStringLiteral("syncCursor"));
}

void RepositoriesTest::findsTheLatestReconciliation()
{
    QVERIFY(m_store->accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
    QVERIFY(!m_store->reconciliations.latestByAccount(QStringLiteral("a")).has_value());
    for (int month = 1; month <= 3; ++month) {
        Reconciliation r;
        r.id = QStringLiteral("r%1").arg(month);
        r.account_id = QStringLiteral("a");
        r.statement_date = QDate(2025, month == 2 ? 3 : month, 28); // r2 and r3 share a statement date
        r.created_at = kCreated.addSecs(month);
        QVERIFY(m_store->reconciliations.insert(r));
    }
    QCOMPARE(m_store->reconciliations.latestByAccount(QStringLiteral("a"))->id, QStringLiteral("r3"));
    QCOMPARE(m_store->reconciliations.listByAccount(QStringLiteral("a")).last().id, QStringLiteral("r1"));

    QCOMPARE(m_store->reconciliations.softDeleteByAccount(QStringLiteral("a"), kUpdated), 3);
    QVERIFY(!m_store->reconciliations.latestByAccount(QStringLiteral("a")).has_value());
}

QTEST_GUILESS_MAIN(RepositoriesTest)
#include "tst_repositories.moc"
