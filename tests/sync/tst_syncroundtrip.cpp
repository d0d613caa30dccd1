#include "storage/RecordVersion.h"
#include "storage/Timestamp.h"
#include "tests/sync/SyncTestBed.h"

#include <QMap>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every row of a store, each written out column by column and keyed by its
// table and id; a transaction's split lines under "split_lines/<id>", by
// category, amount and memo in their order (their own ids and times are
// each store's).
using Snapshot = QMap<QString, QString>;

template <typename Record>
void addRows(const SyncedTableRepository<Record>& repository, Snapshot& snapshot)
{
    const QString table = QString::fromLatin1(RecordSchema<Record>::table());
    QSqlQuery ids(QSqlDatabase::database());
    QVERIFY(ids.exec(QStringLiteral("SELECT id FROM %1").arg(table)));
    while (ids.next()) {
        const std::optional<Record> record = repository.getById(ids.value(0).toString());
        QVERIFY(record);
        QStringList columns;
        for (const Column<Record>& column : RecordSchema<Record>::columns())
            columns << QStringLiteral("%1=%2").arg(QLatin1String(column.name), column.write(*record).toString());
        snapshot.insert(table + u'/' + record->id, columns.join(QStringLiteral("; ")));
    }
}

Snapshot snapshotOf(SyncTestBed& bed)
{
    Snapshot snapshot;
    addRows(bed.accounts, snapshot);
    addRows(bed.categories, snapshot);
    addRows(bed.recurring, snapshot);
    addRows(bed.transactions, snapshot);
    addRows(bed.reconciliations, snapshot);
    QSqlQuery ids(QSqlDatabase::database());
    if (!ids.exec(QStringLiteral("SELECT DISTINCT transaction_id FROM split_lines")))
        qFatal("cannot read split lines");
    while (ids.next()) {
        QStringList lines;
        for (const SplitLine& line : bed.splitLines.listByTransaction(ids.value(0).toString()))
            lines << QStringLiteral("%1 %2 %3").arg(line.category_id).arg(line.amount).arg(line.memo);
        snapshot.insert(QStringLiteral("split_lines/") + ids.value(0).toString(), lines.join(QStringLiteral(", ")));
    }
    return snapshot;
}

// Only the rows that show: soft-deleted ones and their lines left out.
Snapshot liveRows(Snapshot snapshot)
{
    for (auto it = snapshot.begin(); it != snapshot.end();) {
        if (it.value().contains(QLatin1String("deleted_at=;")) || it.value().endsWith(QLatin1String("deleted_at=")))
            ++it;
        else if (it.key().startsWith(QLatin1String("split_lines/")))
            ++it;
        else
            it = snapshot.erase(it);
    }
    return snapshot;
}

// An edit as the register makes it.
template <typename Record, typename Change>
void edit(SyncedTableRepository<Record>& repository, const QString& id, Change change)
{
    Record record = *repository.getById(id);
    change(record);
    record.version = nextRecordVersion(record.version);
    record.sync_status = SyncStatus::Pending;
    record.updated_at = nowUtc();
    QVERIFY(repository.update(record));
}

// What each device of a test holds before its first sync.
void fillLedger(SyncTestBed& bed)
{
    const QDateTime created(QDate(2026, 1, 5), QTime(10, 0), Qt::UTC);
    Account card;
    card.id = QStringLiteral("card");
    card.name = QStringLiteral("Visa ✓ “travel”");
    card.account_type = AccountType::CreditCard;
    card.currency = Currency::JPY;
    card.institution = QStringLiteral("Bank");
    card.account_number_last4 = QStringLiteral("4242");
    card.starting_balance = -123456789012;
    card.sort_order = 2;
    card.is_shared = true;
    card.version = 3;
    card.created_at = created;
    card.updated_at = created.addDays(1);
    QVERIFY(bed.accounts.insert(card));
    bed.addAccount(QStringLiteral("checking"));

    Category parent;
    parent.id = QStringLiteral("home");
    parent.name = QStringLiteral("Home");
    parent.is_tax_relevant = true;
    parent.tax_category = QStringLiteral("schedule-a");
    parent.icon = QStringLiteral("house");
    parent.color = QStringLiteral("#336699");
    parent.is_default = true;
    QVERIFY(bed.categories.insert(parent));
    Category child = parent;
    child.id = QStringLiteral("rent");
    child.name = QStringLiteral("Rent");
    child.parent_id = parent.id;
    child.account_id = QStringLiteral("checking");
    child.category_type = CategoryType::Transfer;
    QVERIFY(bed.categories.insert(child));
    Category salary;
    salary.id = QStringLiteral("salary");
    salary.name = QStringLiteral("Salary");
    salary.category_type = CategoryType::Income;
    QVERIFY(bed.categories.insert(salary));

    RecurringTransaction twiceMonthly;
    twiceMonthly.id = QStringLiteral("pay");
    twiceMonthly.account_id = QStringLiteral("checking");
    twiceMonthly.payee = QStringLiteral("Employer");
    twiceMonthly.amount = 250000;
    twiceMonthly.category_id = QStringLiteral("salary");
    twiceMonthly.frequency = Frequency::Semimonthly;
    twiceMonthly.interval_count = 1;
    twiceMonthly.semimonthly_day_1 = 15;
    twiceMonthly.semimonthly_day_2 = 0;
    twiceMonthly.start_date = QDate(2026, 1, 15);
    twiceMonthly.end_date = QDate(2027, 1, 31);
    twiceMonthly.next_due_date = QDate(2026, 4, 15);
    twiceMonthly.auto_post = true;
    twiceMonthly.lead_days = 3;
    QVERIFY(bed.recurring.insert(twiceMonthly));
    RecurringTransaction transfer = twiceMonthly;
    transfer.id = QStringLiteral("card-payment");
    transfer.payee = QStringLiteral("Card");
    transfer.amount = -50000;
    transfer.frequency = Frequency::SemiAnnual;
    transfer.interval_count = 2;
    transfer.end_date.reset();
    transfer.is_active = false;
    transfer.transfer_dest_account_id = QStringLiteral("card");
    QVERIFY(bed.recurring.insert(transfer));

    Transaction plain = bed.addTransaction(QStringLiteral("plain"), QStringLiteral("checking"));
    plain.memo = QStringLiteral("line one\nline two");
    plain.check_number = QStringLiteral("1001");
    plain.cleared = true;
    plain.reconciled = true;
    plain.category_id = QStringLiteral("rent");
    plain.recurring_id = QStringLiteral("pay");
    QVERIFY(bed.transactions.update(plain));
    bed.addTransaction(QStringLiteral("split"), QStringLiteral("checking"), true);
    bed.addSplitLine(QStringLiteral("split"), QStringLiteral("home"), -1000);
    bed.addSplitLine(QStringLiteral("split"), QStringLiteral("rent"), -234);
    Transaction out = bed.addTransaction(QStringLiteral("transfer-out"), QStringLiteral("checking"));
    Transaction in = bed.addTransaction(QStringLiteral("transfer-in"), QStringLiteral("card"));
    out.transfer_link_id = in.id;
    out.transfer_dest_account_id = in.account_id;
    in.transfer_link_id = out.id;
    in.transfer_dest_account_id = out.account_id;
    in.amount = -out.amount;
    QVERIFY(bed.transactions.update(out) && bed.transactions.update(in));
    bed.addTransaction(QStringLiteral("gone"), QStringLiteral("card"));
    QVERIFY(bed.transactions.softDelete(QStringLiteral("gone")));

    Reconciliation statement;
    statement.id = QStringLiteral("statement");
    statement.account_id = QStringLiteral("checking");
    statement.statement_date = QDate(2026, 2, 28);
    statement.statement_balance = 150000;
    statement.reconciled_balance = 149999;
    statement.completed_at = QDateTime(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC);
    statement.version = 2;
    QVERIFY(bed.reconciliations.insert(statement));
}

} // namespace

class SyncRoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void recordsArriveEqualInAnotherStore();
    void twoStoresConvergeWhateverOrderTheServiceSends();

private:
    // A device: a bed on its own database file, talking to the shared service.
    std::unique_ptr<SyncTestBed> open(const QString& device);

    std::unique_ptr<QTemporaryDir> m_devices;
    std::unique_ptr<FakeSyncService> m_service;
};

void SyncRoundTripTest::init()
{
    m_devices = std::make_unique<QTemporaryDir>();
    m_service = std::make_unique<FakeSyncService>();
    QVERIFY(m_service->start());
}

void SyncRoundTripTest::cleanup()
{
    m_service.reset();
    m_devices.reset();
}

std::unique_ptr<SyncTestBed> SyncRoundTripTest::open(const QString& device)
{
    auto bed = std::make_unique<SyncTestBed>(m_service.get(), m_devices->filePath(device + QStringLiteral(".db")));
    if (!bed->ready())
        qFatal("cannot open the device %s", qPrintable(device));
    return bed;
}

void SyncRoundTripTest::recordsArriveEqualInAnotherStore()
{
    Snapshot pushed;
    {
        auto first = open(QStringLiteral("first"));
        fillLedger(*first);
        QVERIFY(first->runPass());
        QVERIFY(first->transactions.listPending().isEmpty());
        pushed = snapshotOf(*first);
    }
    QVERIFY(pushed.contains(QStringLiteral("split_lines/split")));

    // On small pages the records of an account may come pages before it.
    const QList<QPair<quint32, int>> orders{{1, 0}, {2, 2}, {3, 1}};
    for (const auto& [order, pageSize] : orders) {
        m_service->shuffle(order);
        m_service->setPageSize(pageSize);
        auto second = open(QStringLiteral("second-%1").arg(order));
        QVERIFY(second->runPass());
        QCOMPARE(SyncTestBed::parkedRecordCount(), 0);
        const Snapshot pulled = snapshotOf(*second);
        // What the first store deleted before the service saw it live
        // never reaches the second.
        QCOMPARE(pulled, liveRows(pushed));
    }
}

void SyncRoundTripTest::twoStoresConvergeWhateverOrderTheServiceSends()
{
    m_service->setPageSize(3);
    {
        auto first = open(QStringLiteral("first"));
        fillLedger(*first);
        QVERIFY(first->runPass());
        // Changed while offline.
        edit(first->transactions, QStringLiteral("plain"), [](Transaction& t) { t.memo = QStringLiteral("first"); });
        edit(first->transactions, QStringLiteral("split"), [](Transaction& t) { t.payee = QStringLiteral("Market"); });
    }
    {
        m_service->shuffle(7);
        auto second = open(QStringLiteral("second"));
        QVERIFY(second->runPass());
        // Both change "split"; the second pushes first.
        edit(second->transactions, QStringLiteral("split"), [](Transaction& t) { t.payee = QStringLiteral("Bazaar"); });
        edit(second->accounts, QStringLiteral("card"), [](Account& a) { a.name = QStringLiteral("Visa"); });
        edit(second->recurring, QStringLiteral("pay"), [](RecurringTransaction& r) { r.end_date.reset(); });
        QVERIFY(second->transactions.softDelete(QStringLiteral("transfer-in")));
        second->addTransaction(QStringLiteral("new-on-second"), QStringLiteral("card"), true);
        second->addSplitLine(QStringLiteral("new-on-second"), QStringLiteral("home"), -1234);
        QVERIFY(second->splitLines.deleteByTransaction(QStringLiteral("split")));
        second->addSplitLine(QStringLiteral("split"), QStringLiteral("salary"), -1234);
        QVERIFY(second->runPass());
    }
    Snapshot firstRows;
    {
        m_service->shuffle(8);
        auto first = open(QStringLiteral("first"));
        QVERIFY(first->runPass());
        QVERIFY(first->runPass());
        firstRows = snapshotOf(*first);
        QVERIFY(first->transactions.listPending().isEmpty());
    }
    Snapshot secondRows;
    {
        m_service->shuffle(9);
        auto second = open(QStringLiteral("second"));
        QVERIFY(second->runPass());
        secondRows = snapshotOf(*second);
        QCOMPARE(second->transactions.getById("split")->payee, QStringLiteral("Market"));
        QCOMPARE(second->transactions.getById("plain")->memo, QStringLiteral("first"));
        QVERIFY(second->transactions.getById("transfer-in")->deleted_at);
    }

    // The first store's deletion from before its first sync never reached
    // the second; every other row is the same in both, deleted ones too.
    firstRows.remove(QStringLiteral("transactions/gone"));
    QCOMPARE(secondRows, firstRows);
    QCOMPARE(firstRows.value("accounts/card").contains("name=Visa;"), true);
    QCOMPARE(firstRows.value("split_lines/new-on-second"), QStringLiteral("home -1234 part"));
}

QTEST_GUILESS_MAIN(SyncRoundTripTest)
#include "tst_syncroundtrip.moc"
