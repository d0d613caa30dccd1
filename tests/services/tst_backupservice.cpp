#include "services/BackupArchive.h"
#include "services/BackupService.h"
#include "services/BackupTable.h"
#include "services/ZipReader.h"
#include "services/ZipWriter.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/NativeConnection.h"
#include "storage/Money.h"
#include "storage/RecordId.h"
#include "storage/RecordSchema.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"
#include "tests/support/TestDataDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <algorithm>
#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QStringList kTables = {QStringLiteral("accounts"),     QStringLiteral("categories"),
                             QStringLiteral("transactions"), QStringLiteral("split_lines"),
                             QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")};

QDateTime utc(int month, int day, int hour = 12, int minute = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), Qt::UTC);
}

// A store with its repositories and backup service on a database file of its
// own. Only one is open at a time: they share Qt's default connection.
class Ledger
{
public:
    explicit Ledger(const QString& path)
    {
        m_open = database.open(path);
    }

    bool isOpen() const { return m_open; }

    bool exec(const QString& sql)
    {
        QSqlQuery query(database.connection());
        return query.exec(sql);
    }

    // Every row of a table, by id, as stored.
    QList<QVariantMap> dump(const QString& table)
    {
        QSqlQuery query(database.connection());
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
        QList<QVariantMap> rows;
        while (query.next()) {
            QVariantMap row;
            for (int i = 0; i < query.record().count(); ++i)
                row.insert(query.record().fieldName(i), query.value(i));
            rows << row;
        }
        return rows;
    }

    QMap<QString, QList<QVariantMap>> dumpAll()
    {
        QMap<QString, QList<QVariantMap>> all;
        for (const QString& table : kTables)
            all.insert(table, dump(table));
        return all;
    }

    Database database;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    SplitLineRepository splitLines{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    BackupService backup{&database, &accounts, &transactions, &categories, &recurring, &reconciliations};

private:
    bool m_open = false;
};

Account account(const QString& id, const QString& name, const QDateTime& updated = utc(1, 2))
{
    Account a;
    a.id = id;
    a.name = name;
    a.created_at = utc(1, 1);
    a.updated_at = updated;
    return a;
}

Transaction transaction(const QString& id, const QString& accountId, qint64 amount)
{
    Transaction t;
    t.id = id;
    t.account_id = accountId;
    t.date = QDate(2026, 2, 3);
    t.amount = amount;
    t.created_at = utc(2, 3);
    t.updated_at = utc(2, 3);
    return t;
}

SplitLine splitLine(const QString& id, const QString& transactionId, qint64 amount)
{
    SplitLine line;
    line.id = id;
    line.transaction_id = transactionId;
    line.amount = amount;
    line.created_at = utc(2, 3);
    line.updated_at = utc(2, 3);
    return line;
}

// Every kind of value each table holds: nulls and set links, both flag
// states, JPY and large amounts, soft-deleted rows, synced rows with server ids.
void fillLedger(Ledger& ledger)
{
    Account checking = account(QStringLiteral("acct-checking"), QStringLiteral("Checking"));
    checking.institution = QStringLiteral("First Bank");
    checking.account_number_last4 = QStringLiteral("0042");
    checking.starting_balance = 150000;
    checking.version = 4;
    checking.sync_status = SyncStatus::Synced;
    checking.server_id = QStringLiteral("srv-acct-1");
    Account yen = account(QStringLiteral("acct-yen"), QStringLiteral("Tokyo savings"));
    yen.account_type = AccountType::Savings;
    yen.currency = Currency::JPY;
    yen.sort_order = 2;
    yen.is_shared = true;
    // Entries are named by id: this one must not turn into a name the restore refuses.
    Account closed = account(QStringLiteral("old/../card\\1"), QStringLiteral("Old card"));
    closed.account_type = AccountType::CreditCard;
    QVERIFY(ledger.accounts.insert(checking) && ledger.accounts.insert(yen) && ledger.accounts.insert(closed));

    Category food;
    food.id = QStringLiteral("cat-food");
    food.name = QStringLiteral("Food");
    food.created_at = food.updated_at = utc(1, 1);
    Category groceries = food;
    groceries.id = QStringLiteral("cat-groceries");
    groceries.name = QStringLiteral("Groceries");
    groceries.parent_id = food.id;
    groceries.is_tax_relevant = true;
    groceries.tax_category = QStringLiteral("schedule_a");
    groceries.icon = QStringLiteral("shopping_cart");
    groceries.color = QStringLiteral("#00897B");
    groceries.is_default = true;
    Category salary = food;
    salary.id = QStringLiteral("cat-salary");
    salary.name = QStringLiteral("Salary");
    salary.category_type = CategoryType::Income;
    salary.account_id = checking.id;
    QVERIFY(ledger.categories.insert(food) && ledger.categories.insert(groceries) && ledger.categories.insert(salary));

    Transaction rent = transaction(QStringLiteral("tx-rent"), checking.id, -120000);
    rent.payee = QStringLiteral("Landlord \"Ltd\"");
    rent.memo = QStringLiteral("March\nrent");
    rent.check_number = QStringLiteral("1001");
    rent.cleared = true;
    rent.reconciled = true;
    rent.recurring_id = QStringLiteral("rec-rent");
    Transaction split = transaction(QStringLiteral("tx-split"), checking.id, -9000);
    split.is_split = true;
    Transaction out = transaction(QStringLiteral("tx-out"), checking.id, -5000000);
    out.transfer_link_id = QStringLiteral("tx-in");
    out.transfer_dest_account_id = yen.id;
    Transaction in = transaction(QStringLiteral("tx-in"), yen.id, 999999999999);
    in.transfer_link_id = out.id;
    in.transfer_dest_account_id = checking.id;
    in.category_id = groceries.id;
    Transaction gone = transaction(QStringLiteral("tx-gone"), closed.id, -1);
    QVERIFY(ledger.transactions.insert(rent) && ledger.transactions.insert(split) && ledger.transactions.insert(out)
            && ledger.transactions.insert(in) && ledger.transactions.insert(gone));
    QVERIFY(ledger.transactions.softDelete(gone.id, utc(3, 1)));
    QVERIFY(ledger.accounts.softDelete(closed.id, utc(3, 1)));

    SplitLine food1 = splitLine(QStringLiteral("split-1"), split.id, -6000);
    food1.category_id = groceries.id;
    food1.memo = QStringLiteral("weekly shop");
    QVERIFY(ledger.splitLines.insert(food1) && ledger.splitLines.insert(splitLine(QStringLiteral("split-2"), split.id, -3000)));

    RecurringTransaction monthly;
    monthly.id = QStringLiteral("rec-rent");
    monthly.account_id = checking.id;
    monthly.payee = rent.payee;
    monthly.amount = rent.amount;
    monthly.start_date = QDate(2026, 1, 1);
    monthly.end_date = QDate(2026, 12, 1);
    monthly.next_due_date = QDate(2026, 4, 1);
    monthly.created_at = monthly.updated_at = utc(1, 1);
    RecurringTransaction twiceMonthly = monthly;
    twiceMonthly.id = QStringLiteral("rec-savings");
    twiceMonthly.frequency = Frequency::Semimonthly;
    twiceMonthly.semimonthly_day_1 = 0;
    twiceMonthly.semimonthly_day_2 = 15;
    twiceMonthly.end_date.reset();
    twiceMonthly.auto_post = true;
    twiceMonthly.lead_days = 3;
    twiceMonthly.is_active = false;
    twiceMonthly.transfer_dest_account_id = yen.id;
    QVERIFY(ledger.recurring.insert(monthly) && ledger.recurring.insert(twiceMonthly));

    Reconciliation statement;
    statement.id = QStringLiteral("recon-1");
    statement.account_id = checking.id;
    statement.statement_date = QDate(2026, 2, 28);
    statement.statement_balance = 30000;
    statement.reconciled_balance = 30000;
    statement.completed_at = utc(3, 2, 18, 30);
    statement.created_at = statement.updated_at = utc(3, 2, 18, 30);
    QVERIFY(ledger.reconciliations.insert(statement));
}

QByteArray zipOf(const QList<QPair<QString, QByteArray>>& entries)
{
    ZipWriter writer(utc(1, 1));
    for (const auto& [name, data] : entries)
        writer.addFile(name, data);
    return writer.finish();
}

// The archive's entries with some left out or replaced by other bytes.
QByteArray rewritten(const QByteArray& zip, const QSet<QString>& dropped, const QHash<QString, QByteArray>& replaced)
{
    ZipReader reader;
    if (!reader.open(zip))
        qFatal("cannot read an exported archive");
    QList<QPair<QString, QByteArray>> entries;
    for (const ZipReader::Entry& entry : reader.entries()) {
        if (!dropped.contains(entry.name))
            entries << qMakePair(entry.name, replaced.value(entry.name, reader.read(entry).value_or(QByteArray())));
    }
    return zipOf(entries);
}

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson();
}

QByteArray manifest(int version = BackupArchive::kVersion)
{
    return json({{QStringLiteral("version"), version}});
}

QJsonObject accountRow(const QString& id)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("name"), QStringLiteral("Account %1").arg(id)},
            {QStringLiteral("account_type"), QStringLiteral("checking")},
            {QStringLiteral("currency"), QStringLiteral("USD")},
            {QStringLiteral("created_at"), QStringLiteral("2026-01-01T00:00:00Z")},
            {QStringLiteral("updated_at"), QStringLiteral("2026-01-01T00:00:00Z")}};
}

QJsonObject transactionRow(const QString& id, const QString& accountId)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("account_id"), accountId},
            {QStringLiteral("date"), QStringLiteral("2026-02-03")},
            {QStringLiteral("amount"), -2500},
            {QStringLiteral("is_split"), true},
            {QStringLiteral("created_at"), QStringLiteral("2026-02-03T00:00:00Z")},
            {QStringLiteral("updated_at"), QStringLiteral("2026-02-03T00:00:00Z")}};
}

QJsonObject splitLineRow(const QString& id, const QString& transactionId)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("transaction_id"), transactionId},
            {QStringLiteral("amount"), -2500},
            {QStringLiteral("created_at"), QStringLiteral("2026-02-03T00:00:00Z")},
            {QStringLiteral("updated_at"), QStringLiteral("2026-02-03T00:00:00Z")}};
}

QJsonObject with(QJsonObject row, const QString& key, const QJsonValue& value)
{
    if (value.isUndefined())
        row.remove(key);
    else
        row.insert(key, value);
    return row;
}

int importedTotal(const BackupImportResult& r)
{
    return r.accountsImported + r.categoriesImported + r.transactionsImported + r.splitLinesImported
        + r.recurringImported + r.reconciliationsImported;
}

int skippedTotal(const BackupImportResult& r)
{
    return r.accountsSkipped + r.categoriesSkipped + r.transactionsSkipped + r.splitLinesSkipped + r.recurringSkipped
        + r.reconciliationsSkipped;
}

// Whether an exported value has the JSON form its column's kind calls for.
// Only links, dates and timestamps may be NULL in the schema.
bool travelsAs(ColumnKind kind, const QJsonValue& value)
{
    if (value.isNull())
        return kind == ColumnKind::Link || kind == ColumnKind::Date || kind == ColumnKind::Timestamp;
    switch (kind) {
    case ColumnKind::Flag:
        return value.isBool();
    case ColumnKind::Int:
    case ColumnKind::Money:
        return value.isDouble();
    case ColumnKind::Date:
        return value.isString() && QDate::fromString(value.toString(), Qt::ISODate).isValid();
    case ColumnKind::Timestamp:
        return value.isString() && value.toString().endsWith(u'Z')
            && QDateTime::fromString(value.toString(), Qt::ISODate).isValid();
    case ColumnKind::Text:
    case ColumnKind::Link:
    case ColumnKind::Choice:
        return value.isString();
    }
    return false;
}

// Checks every column of every row the archive holds in `folder`.
template <typename Record>
void checkColumnForms(const QHash<QString, QJsonObject>& documents, const QString& folder)
{
    int rows = 0;
    for (auto it = documents.cbegin(); it != documents.cend(); ++it) {
        if (!it.key().startsWith(folder + u'/'))
            continue;
        ++rows;
        for (const Column<Record>& column : RecordSchema<Record>::columns()) {
            const QJsonValue value = it.value().value(QLatin1String(column.name));
            QVERIFY2(travelsAs(column.kind, value),
                     qPrintable(it.key() + u' ' + QLatin1String(column.name) + u'=' + value.toVariant().toString()));
        }
    }
    QVERIFY2(rows > 0, qPrintable(folder));
}

} // namespace

class TestBackupService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundTripRestoresEveryRowAsStored();
    void archiveHoldsManifestAndOneDocumentPerRow();
    void everyColumnTravelsInTheFormOfItsKind();
    void modesDecideAboutExistingRows_data();
    void modesDecideAboutExistingRows();
    void replacedVersionsStopAtTheLargest();
    void restoredSplitLinesReplaceTheTransactionsOwn();
    void splitLinesOfKeptTransactionsStayAsTheyAre();
    void splitLinesAreReplacedOnlyByLinesTheArchiveHolds();
    void aSplitMissingARefusedLineIsMadeWhole();
    void rowsAlreadyAsArchivedAreLeftAlone();
    void rowsThatWouldOverflowABalanceAreRefused();
    void aTransferSideWhoseOtherSideIsSkippedLosesItsLink();
    void unusableRowsAreSkippedWithAnError();
    void loneSurrogatesAreStoredAsReplacementCharacters();
    void refusedArchivesWriteNothing_data();
    void refusedArchivesWriteNothing();
    void databaseErrorRollsBackTheWholeRestore();
    void aFullDiskOrAnEndedTransactionRestoresNothing();
    void exportLeavesOutRowsARestoreWouldRefuse();
    void archiveLimitsHoldUpToTheirEdges();
    void exportToFileWritesAWholeBackupOrLeavesTheFileAlone();
    void importFromFileRefusesFilesItCannotUse();
    void longRunsReportProgressAndRefuseOthersMeanwhile();
    void restoreSizesThePageCacheForItsRunOnly();
    void restoreHoldsTheRepositoriesWhileItsTransactionIsOpen();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<TestDataDir> m_dir;
};

void TestBackupService::init()
{
    m_dir = std::make_unique<TestDataDir>();
}

void TestBackupService::cleanup()
{
    m_dir.reset();
}

void TestBackupService::roundTripRestoresEveryRowAsStored()
{
    QByteArray zip;
    QMap<QString, QList<QVariantMap>> original;
    {
        Ledger source(path(QStringLiteral("source.db")));
        QVERIFY(source.isOpen());
        fillLedger(source);
        original = source.dumpAll();
        zip = source.backup.exportBackup();
    }
    QVERIFY(!zip.isEmpty());

    Ledger target(path(QStringLiteral("target.db")));
    QVERIFY(target.isOpen());
    QSignalSpy accountsChanged(&target.accounts, &AccountRepository::accountsChanged);
    QSignalSpy transactionsChanged(&target.transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy categoriesChanged(&target.categories, &CategoryRepository::categoriesChanged);
    QSignalSpy recurringChanged(&target.recurring, &RecurringRepository::recurringChanged);
    QSignalSpy reconciliationsChanged(&target.reconciliations, &ReconciliationRepository::reconciliationsChanged);

    const BackupImportResult result = target.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.accountsImported, 3);
    QCOMPARE(result.categoriesImported, 3);
    QCOMPARE(result.transactionsImported, 5);
    QCOMPARE(result.splitLinesImported, 2);
    QCOMPARE(result.recurringImported, 2);
    QCOMPARE(result.reconciliationsImported, 1);
    QCOMPARE(skippedTotal(result), 0);

    // Everything comes back as it was stored, only marked for the next sync.
    for (auto it = original.begin(); it != original.end(); ++it) {
        for (QVariantMap& row : it.value()) {
            if (row.contains(QStringLiteral("sync_status")))
                row[QStringLiteral("sync_status")] = QStringLiteral("pending");
        }
    }
    const QMap<QString, QList<QVariantMap>> restored = target.dumpAll();
    for (const QString& table : kTables)
        QCOMPARE(restored.value(table), original.value(table));

    // One announcement per table, not one per row.
    QCOMPARE(accountsChanged.size(), 1);
    QCOMPARE(categoriesChanged.size(), 1);
    QCOMPARE(recurringChanged.size(), 1);
    QCOMPARE(reconciliationsChanged.size(), 1);
    QCOMPARE(transactionsChanged.size(), 1);
    QCOMPARE(transactionsChanged.first().first().toString(), QString());
}

void TestBackupService::archiveHoldsManifestAndOneDocumentPerRow()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    fillLedger(ledger);
    QVERIFY(ledger.exec(QStringLiteral("UPDATE categories SET updated_at = '2026-02-01 08:00:00' WHERE id = 'cat-food'")));
    ZipReader zip;
    QVERIFY(zip.open(ledger.backup.exportBackup()));

    QHash<QString, QJsonObject> documents;
    for (const ZipReader::Entry& entry : zip.entries())
        documents.insert(entry.name, QJsonDocument::fromJson(zip.read(entry).value_or(QByteArray())).object());
    QCOMPARE(documents.size(), 1 + 3 + 3 + 5 + 2 + 2 + 1);

    const QJsonObject manifest = documents.value(QStringLiteral("manifest.json"));
    QCOMPARE(manifest.value(QLatin1String("version")).toInt(), 1);
    QVERIFY(QDateTime::fromString(manifest.value(QLatin1String("exported_at")).toString(), Qt::ISODate).isValid());
    const QJsonObject counts = manifest.value(QLatin1String("counts")).toObject();
    QCOMPARE(counts.value(QLatin1String("transactions")).toInt(), 5);
    QCOMPARE(counts.value(QLatin1String("split_lines")).toInt(), 2);
    QCOMPARE(counts.value(QLatin1String("recurring")).toInt(), 2);

    const QJsonObject in = documents.value(QStringLiteral("transactions/tx-in.json"));
    QCOMPARE(in.value(QLatin1String("id")).toString(), QStringLiteral("tx-in"));
    QCOMPARE(in.value(QLatin1String("amount")).toInteger(), 999999999999);
    QCOMPARE(in.value(QLatin1String("date")).toString(), QStringLiteral("2026-02-03"));
    QCOMPARE(in.value(QLatin1String("cleared")), QJsonValue(false));
    QCOMPARE(in.value(QLatin1String("sync_status")).toString(), QStringLiteral("pending"));
    QCOMPARE(in.value(QLatin1String("recurring_id")), QJsonValue(QJsonValue::Null));
    QCOMPARE(in.value(QLatin1String("deleted_at")), QJsonValue(QJsonValue::Null));

    const QJsonObject gone = documents.value(QStringLiteral("transactions/tx-gone.json"));
    QCOMPARE(gone.value(QLatin1String("deleted_at")).toString(), QStringLiteral("2026-03-01T12:00:00Z"));
    const QJsonObject yen = documents.value(QStringLiteral("accounts/acct-yen.json"));
    QCOMPARE(yen.value(QLatin1String("currency")).toString(), QStringLiteral("JPY"));
    QCOMPARE(yen.value(QLatin1String("is_shared")), QJsonValue(true));
    QVERIFY(documents.contains(QStringLiteral("split_lines/split-1.json")));
    QVERIFY(documents.contains(QStringLiteral("recurring/rec-savings.json")));
    QCOMPARE(documents.value(QStringLiteral("categories/cat-food.json")).value(QLatin1String("updated_at")).toString(),
             QStringLiteral("2026-02-01T08:00:00Z"));
}

void TestBackupService::everyColumnTravelsInTheFormOfItsKind()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    fillLedger(ledger);
    ZipReader zip;
    QVERIFY(zip.open(ledger.backup.exportBackup()));
    QHash<QString, QJsonObject> documents;
    for (const ZipReader::Entry& entry : zip.entries())
        documents.insert(entry.name, QJsonDocument::fromJson(zip.read(entry).value_or(QByteArray())).object());

    checkColumnForms<Account>(documents, QStringLiteral("accounts"));
    checkColumnForms<Category>(documents, QStringLiteral("categories"));
    checkColumnForms<Transaction>(documents, QStringLiteral("transactions"));
    checkColumnForms<SplitLine>(documents, QStringLiteral("split_lines"));
    checkColumnForms<RecurringTransaction>(documents, QStringLiteral("recurring"));
    checkColumnForms<Reconciliation>(documents, QStringLiteral("reconciliations"));
}

void TestBackupService::modesDecideAboutExistingRows_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("localUpdatedAt");
    QTest::addColumn<QString>("expectedName");

    // The backup's copy was changed at 2026-01-02T12:00:00Z.
    const QString earlier = QStringLiteral("2026-01-01T12:00:00Z");
    const QString later = QStringLiteral("2026-01-03T12:00:00Z");
    const QString backupName = QStringLiteral("Backup name");
    const QString localName = QStringLiteral("Local name");
    QTest::newRow("skip existing") << int(BackupService::SkipExisting) << earlier << localName;
    QTest::newRow("replace all, local newer") << int(BackupService::ReplaceAll) << later << backupName;
    QTest::newRow("keep newer, backup newer") << int(BackupService::KeepNewer) << earlier << backupName;
    QTest::newRow("keep newer, local newer") << int(BackupService::KeepNewer) << later << localName;
    QTest::newRow("keep newer, same time") << int(BackupService::KeepNewer) << QStringLiteral("2026-01-02T12:00:00Z")
                                           << localName;
    // As text "2026-01-02 13:00:00" sorts before "2026-01-02T12:00:00Z"; as time it is later.
    QTest::newRow("keep newer, local in SQLite's form") << int(BackupService::KeepNewer)
                                                        << QStringLiteral("2026-01-02 13:00:00") << localName;
}

void TestBackupService::modesDecideAboutExistingRows()
{
    QFETCH(int, mode);
    QFETCH(QString, localUpdatedAt);
    QFETCH(QString, expectedName);

    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    Account existing = account(QStringLiteral("acct-1"), QStringLiteral("Backup name"), utc(1, 2));
    existing.version = 3;
    QVERIFY(ledger.accounts.insert(existing));
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-new"), QStringLiteral("New"))));
    const QByteArray zip = ledger.backup.exportBackup();

    // After the backup: the account is edited and synced, the other one vanishes.
    QVERIFY(ledger.exec(QStringLiteral("UPDATE accounts SET name = 'Local name', version = 5, sync_status = 'synced', "
                                       "server_id = 'srv-1', updated_at = '%1' WHERE id = 'acct-1'")
                            .arg(localUpdatedAt)));
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM accounts WHERE id = 'acct-new'")));

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ImportMode(mode));
    QCOMPARE(result.errors, QStringList());
    const bool replaced = expectedName == QStringLiteral("Backup name");
    QCOMPARE(result.accountsImported, replaced ? 2 : 1);
    QCOMPARE(result.accountsSkipped, replaced ? 0 : 1);

    const std::optional<Account> restored = ledger.accounts.getById(QStringLiteral("acct-1"));
    QVERIFY(restored);
    QCOMPARE(restored->name, expectedName);
    if (replaced) {
        // Above the local version so the next pull cannot undo it; the server's id for the row stays.
        QCOMPARE(restored->version, 6);
        QCOMPARE(restored->sync_status, SyncStatus::Pending);
        QCOMPARE(restored->server_id, QStringLiteral("srv-1"));
        QCOMPARE(restored->updated_at, utc(1, 2));
    } else {
        QCOMPARE(restored->version, 5);
        QCOMPARE(restored->sync_status, SyncStatus::Synced);
    }
    const std::optional<Account> added = ledger.accounts.getById(QStringLiteral("acct-new"));
    QVERIFY(added);
    QCOMPARE(added->version, 1);
    QCOMPARE(added->sync_status, SyncStatus::Pending);
}

void TestBackupService::replacedVersionsStopAtTheLargest()
{
    constexpr int largest = std::numeric_limits<int>::max();
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    // {archived, local, restored}
    const QList<std::array<int, 3>> cases = {{largest, 5, largest}, {3, largest, largest}, {largest - 1, 1, largest}};
    for (const auto& [archived, local, restored] : cases) {
        const QString id = QStringLiteral("acct-%1-%2").arg(archived).arg(local);
        const QByteArray zip = zipOf({{QStringLiteral("manifest.json"), manifest()},
                                      {QStringLiteral("accounts/a.json"),
                                       json(with(accountRow(id), QStringLiteral("version"), archived))}});
        Account changed = account(id, QStringLiteral("Changed since"));
        changed.version = local;
        QVERIFY(ledger.accounts.insert(changed));
        QCOMPARE(ledger.backup.importBackup(zip, BackupService::ReplaceAll).accountsImported, 1);
        QCOMPARE(ledger.accounts.getById(id)->version, restored);
    }
}

void TestBackupService::restoredSplitLinesReplaceTheTransactionsOwn()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-1"), QStringLiteral("Checking"))));
    Transaction split = transaction(QStringLiteral("tx-1"), QStringLiteral("acct-1"), -9000);
    split.is_split = true;
    QVERIFY(ledger.transactions.insert(split));
    QVERIFY(ledger.splitLines.insert(splitLine(QStringLiteral("line-a"), split.id, -6000)));
    QVERIFY(ledger.splitLines.insert(splitLine(QStringLiteral("line-b"), split.id, -3000)));
    const QByteArray zip = ledger.backup.exportBackup();
    const QList<QVariantMap> archived = ledger.dump(QStringLiteral("split_lines"));

    // Re-split after the backup: one line changed, one new, one gone.
    QVERIFY(ledger.exec(QStringLiteral("UPDATE split_lines SET amount = -1000 WHERE id = 'line-a'")));
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM split_lines WHERE id = 'line-b'")));
    QVERIFY(ledger.splitLines.insert(splitLine(QStringLiteral("line-c"), split.id, -8000)));

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.transactionsImported, 1);
    QCOMPARE(result.splitLinesImported, 2);
    QCOMPARE(ledger.dump(QStringLiteral("split_lines")), archived);

    // A second restore of the same archive still leaves exactly those lines.
    QCOMPARE(ledger.backup.importBackup(zip, BackupService::ReplaceAll).errors, QStringList());
    QCOMPARE(ledger.dump(QStringLiteral("split_lines")), archived);
}

void TestBackupService::splitLinesOfKeptTransactionsStayAsTheyAre()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-1"), QStringLiteral("Checking"))));
    QVERIFY(ledger.transactions.insert(transaction(QStringLiteral("tx-1"), QStringLiteral("acct-1"), -9000)));
    QVERIFY(ledger.splitLines.insert(splitLine(QStringLiteral("line-a"), QStringLiteral("tx-1"), -9000)));
    const QByteArray zip = ledger.backup.exportBackup();
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM split_lines")));
    QVERIFY(ledger.splitLines.insert(splitLine(QStringLiteral("line-b"), QStringLiteral("tx-1"), -9000)));
    const QList<QVariantMap> local = ledger.dump(QStringLiteral("split_lines"));

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.transactionsSkipped, 1);
    QCOMPARE(result.splitLinesSkipped, 1);
    QCOMPARE(result.splitLinesImported, 0);
    QCOMPARE(ledger.dump(QStringLiteral("split_lines")), local);
}

void TestBackupService::splitLinesAreReplacedOnlyByLinesTheArchiveHolds()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-1"), QStringLiteral("Checking"))));
    // {transaction, {{line, amount}, {line, amount}}}
    const QList<QPair<QString, QList<QPair<QString, qint64>>>> splits = {
        {QStringLiteral("tx-1"), {{QStringLiteral("a"), -6000}, {QStringLiteral("b"), -3000}}},
        {QStringLiteral("tx-2"), {{QStringLiteral("c"), -2000}, {QStringLiteral("d"), -3000}}},
        {QStringLiteral("tx-3"), {{QStringLiteral("f"), -1000}, {QStringLiteral("g"), -3000}}},
    };
    for (const auto& [id, lines] : splits) {
        Transaction split = transaction(id, QStringLiteral("acct-1"), lines[0].second + lines[1].second);
        split.is_split = true;
        QVERIFY(ledger.transactions.insert(split));
        for (const auto& [lineId, amount] : lines)
            QVERIFY(ledger.splitLines.insert(splitLine(lineId, id, amount)));
    }
    // The archive lost tx-1's lines and one of tx-2's; tx-3's are whole.
    const QByteArray zip = rewritten(ledger.backup.exportBackup(),
                                     {QStringLiteral("split_lines/a.json"), QStringLiteral("split_lines/b.json")},
                                     {{QStringLiteral("split_lines/d.json"), "{"}});

    // Every transaction was re-split since.
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM split_lines")));
    for (const auto& [id, amounts] : QList<QPair<QString, QList<qint64>>>{
             {QStringLiteral("tx-1"), {-9000}}, {QStringLiteral("tx-2"), {-2500, -2500}}, {QStringLiteral("tx-3"), {-4000}}}) {
        for (int i = 0; i < amounts.size(); ++i)
            QVERIFY(ledger.splitLines.insert(splitLine(QStringLiteral("%1-new%2").arg(id).arg(i), id, amounts[i])));
    }
    const auto lineIds = [&ledger](const QString& id) {
        QStringList ids;
        for (const SplitLine& line : ledger.splitLines.listByTransaction(id))
            ids << line.id;
        return ids;
    };

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.errors, QStringList({
                                QStringLiteral("split_lines: the backup holds 4 of the 6 rows its manifest lists"),
                                QStringLiteral("split_lines/d.json: invalid JSON"),
                                QStringLiteral("split_lines: the lines of transaction tx-2 in the backup do not add "
                                               "up to its amount; its lines in the ledger are kept"),
                            }));
    QVERIFY(!result.failed());
    QCOMPARE(result.splitLinesImported, 2);
    QCOMPARE(result.splitLinesSkipped, 2);
    QCOMPARE(lineIds(QStringLiteral("tx-1")), QStringList{QStringLiteral("tx-1-new0")});
    QCOMPARE(lineIds(QStringLiteral("tx-2")), QStringList({QStringLiteral("tx-2-new0"), QStringLiteral("tx-2-new1")}));
    QCOMPARE(lineIds(QStringLiteral("tx-3")), QStringList({QStringLiteral("f"), QStringLiteral("g")}));
}

void TestBackupService::aSplitMissingARefusedLineIsMadeWhole()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    fillLedger(ledger);
    const QByteArray zip =
        rewritten(ledger.backup.exportBackup(), {}, {{QStringLiteral("split_lines/split-2.json"), "{"}});
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM split_lines")));
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM transactions")));

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.splitRemaindersAdded, 1);
    const QList<SplitLine> lines = ledger.splitLines.listByTransaction(QStringLiteral("tx-split"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(1).amount, qint64(-3000));
    QVERIFY(lines.at(1).category_id.isEmpty());
}

void TestBackupService::rowsAlreadyAsArchivedAreLeftAlone()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    fillLedger(ledger);
    // Synced since the backup was made: the archive says pending, version 1.
    const QByteArray zip = ledger.backup.exportBackup();
    QVERIFY(ledger.exec(QStringLiteral("UPDATE transactions SET sync_status = 'synced', version = 7")));
    QVERIFY(ledger.exec(QStringLiteral("UPDATE transactions SET memo = 'edited' WHERE id = 'tx-rent'")));
    QVERIFY(ledger.exec(QStringLiteral("UPDATE split_lines SET memo = 'edited' WHERE id = 'split-2'")));
    const auto rowids = [&ledger] {
        QSqlQuery query(ledger.database.connection());
        query.exec(QStringLiteral("SELECT group_concat(rowid) FROM (SELECT rowid FROM split_lines ORDER BY rowid)"));
        return query.next() ? query.value(0).toString() : QString();
    };
    const QString linesBefore = rowids();

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.transactionsImported, 5);
    QCOMPARE(result.splitLinesImported, 2);
    for (const Transaction& row : ledger.transactions.listByAccount(QStringLiteral("acct-checking"))) {
        const bool edited = row.id == QStringLiteral("tx-rent");
        QCOMPARE(row.version, edited ? 8 : 7);
        QCOMPARE(row.sync_status, edited ? SyncStatus::Pending : SyncStatus::Synced);
        QCOMPARE(row.memo, edited ? QStringLiteral("March\nrent") : QString());
    }
    // The changed line was brought back in place, not deleted and inserted again.
    QCOMPARE(ledger.splitLines.listByTransaction(QStringLiteral("tx-split")).last().memo, QString());
    QCOMPARE(rowids(), linesBefore);
}

void TestBackupService::rowsThatWouldOverflowABalanceAreRefused()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    // Each amount is within the range an amount may take; 9,224 of them are not a balance.
    QList<QPair<QString, QByteArray>> entries = {{QStringLiteral("manifest.json"), manifest()},
                                                 {QStringLiteral("accounts/a.json"), json(accountRow(QStringLiteral("a")))}};
    for (int i = 0; i < 9300; ++i) {
        const QString id = QStringLiteral("t%1").arg(i, 4, 10, QLatin1Char('0'));
        entries << qMakePair(QStringLiteral("transactions/%1.json").arg(id),
                             json(with(with(transactionRow(id, QStringLiteral("a")), QStringLiteral("amount"),
                                            kMaxAmountMinorUnits),
                                       QStringLiteral("is_split"), false)));
    }
    const BackupImportResult result = ledger.backup.importBackup(zipOf(entries), BackupService::ReplaceAll);
    QCOMPARE(result.transactionsImported, 9223);
    QCOMPARE(result.transactionsSkipped, 77);
    QCOMPARE(result.errors.size(), 77);
    QCOMPARE(result.errors.first(), QStringLiteral("transactions/t9223.json: the amount would take the balance of "
                                                   "account a beyond what a balance can hold"));
    QCOMPARE(ledger.transactions.totalsByAccount().value(QStringLiteral("a")), 9223 * kMaxAmountMinorUnits);

    // A starting balance counts as much as a transaction.
    const QByteArray richer = zipOf({{QStringLiteral("manifest.json"), manifest()},
                                     {QStringLiteral("accounts/a.json"),
                                      json(with(accountRow(QStringLiteral("a")), QStringLiteral("starting_balance"),
                                                kMaxAmountMinorUnits))}});
    QCOMPARE(ledger.backup.importBackup(richer, BackupService::ReplaceAll).errors,
             QStringList{QStringLiteral("accounts/a.json: the starting balance would take the account's balance "
                                        "beyond what a balance can hold")});
    QCOMPARE(ledger.accounts.getById(QStringLiteral("a"))->starting_balance, 0);
}

void TestBackupService::aTransferSideWhoseOtherSideIsSkippedLosesItsLink()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("local"), QStringLiteral("Local"))));
    QVERIFY(ledger.transactions.insert(transaction(QStringLiteral("local-side"), QStringLiteral("local"), 700)));
    const auto transfer = [](const QString& id, const QString& accountId, const QString& other, const QString& otherAccount) {
        QJsonObject row = with(transactionRow(id, accountId), QStringLiteral("is_split"), false);
        row.insert(QStringLiteral("transfer_link_id"), other);
        row.insert(QStringLiteral("transfer_dest_account_id"), otherAccount);
        return json(row);
    };
    const QString a = QStringLiteral("a");
    const QString b = QStringLiteral("b");
    const QByteArray zip = zipOf({
        {QStringLiteral("manifest.json"), manifest()},
        {QStringLiteral("accounts/a.json"), json(accountRow(a))},
        {QStringLiteral("accounts/b.json"), json(accountRow(b))},
        // Both sides restored.
        {QStringLiteral("transactions/pair-a.json"), transfer(QStringLiteral("pair-a"), a, QStringLiteral("pair-b"), b)},
        {QStringLiteral("transactions/pair-b.json"), transfer(QStringLiteral("pair-b"), b, QStringLiteral("pair-a"), a)},
        // The other side's account is gone, so that side is skipped.
        {QStringLiteral("transactions/lone.json"), transfer(QStringLiteral("lone"), a, QStringLiteral("gone"), "x")},
        {QStringLiteral("transactions/gone.json"), transfer(QStringLiteral("gone"), QStringLiteral("x"), "lone", a)},
        // The other side is in the ledger, not in the backup, and names
        // nothing; "odd" names a side of the pair, which names the other.
        {QStringLiteral("transactions/to-local.json"), transfer(QStringLiteral("to-local"), a, "local-side", "local")},
        {QStringLiteral("transactions/odd.json"), transfer(QStringLiteral("odd"), a, QStringLiteral("pair-b"), b)},
    });

    for (const char* oneSided : {"to-local.json names local-side", "odd.json names pair-b"}) {
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Backup restore: transactions/%1 as the other "
                                                                     "side of its transfer, which does not name it "
                                                                     "back; it counts as an ordinary transaction")
                                                          .arg(QLatin1String(oneSided))));
    }
    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.transactionsImported, 5);
    QCOMPARE(result.transactionsSkipped, 1);
    QCOMPARE(result.errors,
             (QStringList{QStringLiteral("transactions/gone.json: account_id x does not exist"),
                          QStringLiteral("transactions/lone.json: the other side of its transfer, gone, is not "
                                         "restored; it is kept as an ordinary transaction")}));
    const Transaction lone = *ledger.transactions.getById(QStringLiteral("lone"));
    QVERIFY(lone.transfer_link_id.isEmpty());
    QVERIFY(lone.transfer_dest_account_id.isEmpty());
    QCOMPARE(ledger.transactions.getById(QStringLiteral("pair-a"))->transfer_link_id, QStringLiteral("pair-b"));
    QCOMPARE(ledger.transactions.getById(QStringLiteral("to-local"))->transfer_link_id, QStringLiteral("local-side"));
    // One-sided links stay as they came, and lead nowhere.
    const Transaction odd = *ledger.transactions.getById(QStringLiteral("odd"));
    QCOMPARE(odd.transfer_link_id, QStringLiteral("pair-b"));
    QVERIFY(!ledger.transactions.transferPartner(odd));
}

void TestBackupService::unusableRowsAreSkippedWithAnError()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    const QString longId(70000, u'y');
    const QString longIdStart = shortRecordId(longId);
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-local"), QStringLiteral("Local only"))));

    const QByteArray zip = zipOf({
        {QStringLiteral("manifest.json"), manifest()},
        // The id inside the row counts, not the entry's name.
        {QStringLiteral("accounts/renamed.json"), json(accountRow(QStringLiteral("acct-1")))},
        {QStringLiteral("accounts/broken.json"), QByteArray("{\"id\": \"acct-2\",")},
        {QStringLiteral("accounts/piggy.json"),
         json(with(accountRow(QStringLiteral("acct-3")), QStringLiteral("account_type"), QStringLiteral("piggy_bank")))},
        {QStringLiteral("accounts/again.json"), json(with(accountRow(QStringLiteral("acct-1")), QStringLiteral("name"),
                                                          QStringLiteral("Duplicate")))},
        {QStringLiteral("transactions/ok.json"), json(transactionRow(QStringLiteral("tx-ok"), QStringLiteral("acct-1")))},
        {QStringLiteral("transactions/local-parent.json"),
         json(transactionRow(QStringLiteral("tx-local"), QStringLiteral("acct-local")))},
        {QStringLiteral("transactions/orphan.json"),
         json(transactionRow(QStringLiteral("tx-orphan"), QStringLiteral("acct-nowhere")))},
        {QStringLiteral("transactions/no-date.json"),
         json(with(transactionRow(QStringLiteral("tx-nodate"), QStringLiteral("acct-1")), QStringLiteral("date"), {}))},
        {QStringLiteral("transactions/bad-date.json"),
         json(with(transactionRow(QStringLiteral("tx-baddate"), QStringLiteral("acct-1")), QStringLiteral("date"),
                   QStringLiteral("03/02/2026")))},
        {QStringLiteral("transactions/text-amount.json"),
         json(with(transactionRow(QStringLiteral("tx-text"), QStringLiteral("acct-1")), QStringLiteral("amount"),
                   QStringLiteral("-25.00")))},
        {QStringLiteral("transactions/fraction.json"),
         json(with(transactionRow(QStringLiteral("tx-fraction"), QStringLiteral("acct-1")), QStringLiteral("amount"),
                   -25.5))},
        {QStringLiteral("transactions/largest.json"),
         json(with(transactionRow(QStringLiteral("tx-largest"), QStringLiteral("acct-1")), QStringLiteral("amount"),
                   kMaxAmountMinorUnits))},
        {QStringLiteral("transactions/beyond-largest.json"),
         json(with(transactionRow(QStringLiteral("tx-beyond"), QStringLiteral("acct-1")), QStringLiteral("amount"),
                   kMaxAmountMinorUnits + 1))},
        {QStringLiteral("split_lines/ok.json"), json(splitLineRow(QStringLiteral("line-ok"), QStringLiteral("tx-ok")))},
        {QStringLiteral("split_lines/smallest.json"),
         json(with(splitLineRow(QStringLiteral("line-smallest"), QStringLiteral("tx-largest")), QStringLiteral("amount"),
                   -kMaxAmountMinorUnits))},
        {QStringLiteral("split_lines/beyond-smallest.json"),
         json(with(splitLineRow(QStringLiteral("line-beyond"), QStringLiteral("tx-largest")), QStringLiteral("amount"),
                   -kMaxAmountMinorUnits - 1))},
        {QStringLiteral("split_lines/of-orphan.json"),
         json(splitLineRow(QStringLiteral("line-orphan"), QStringLiteral("tx-orphan")))},
        {QStringLiteral("split_lines/of-nothing.json"),
         json(splitLineRow(QStringLiteral("line-none"), QStringLiteral("tx-nowhere")))},
        // As a pull stored one before ids were bounded.
        {QStringLiteral("accounts/long.json"), json(accountRow(longId))},
        {QStringLiteral("transactions/of-long.json"), json(transactionRow(QStringLiteral("tx-of-long"), longId))},
    });

    QTest::ignoreMessage(QtWarningMsg, "The split lines of transaction tx-largest are beyond any amount: no remainder "
                                       "line added");
    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.accountsImported, 1);
    QCOMPARE(result.accountsSkipped, 4);
    QCOMPARE(result.transactionsImported, 3);
    QCOMPARE(result.transactionsSkipped, 7);
    // tx-local is a split that came without lines.
    QCOMPARE(result.splitRemaindersAdded, 1);
    QCOMPARE(result.splitLinesImported, 2);
    QCOMPARE(result.splitLinesSkipped, 3);
    QCOMPARE(result.errors,
             QStringList({
                 QStringLiteral("accounts/broken.json: invalid JSON"),
                 QStringLiteral("accounts/piggy.json: unknown account_type \"piggy_bank\""),
                 QStringLiteral("accounts/again.json: id acct-1 appears more than once"),
                 QStringLiteral("accounts: the id starting \"%1\" is longer than 256 characters; the row is not "
                                "restored").arg(longIdStart),
                 QStringLiteral("transactions/orphan.json: account_id acct-nowhere does not exist"),
                 QStringLiteral("transactions/no-date.json: missing date"),
                 QStringLiteral("transactions/bad-date.json: invalid value for date"),
                 QStringLiteral("transactions/text-amount.json: invalid value for amount"),
                 QStringLiteral("transactions/fraction.json: invalid value for amount"),
                 QStringLiteral("transactions/beyond-largest.json: invalid value for amount"),
                 QStringLiteral("transactions/of-long.json: account_id %1 does not exist").arg(longIdStart),
                 QStringLiteral("split_lines/beyond-smallest.json: invalid value for amount"),
                 // The orphan transaction's own error explains its split line.
                 QStringLiteral("split_lines/of-nothing.json: transaction_id tx-nowhere is not restored from this backup"),
                 QStringLiteral("split_lines: the lines of transaction tx-largest do not add up to its amount, and no "
                                "line could be added for the difference"),
             }));

    QCOMPARE(ledger.accounts.getById(QStringLiteral("acct-1"))->name, QStringLiteral("Account acct-1"));
    QVERIFY(!ledger.accounts.getById(QStringLiteral("renamed")));
    QCOMPARE(ledger.transactions.getById(QStringLiteral("tx-local"))->account_id, QStringLiteral("acct-local"));
    QCOMPARE(ledger.splitLines.listByTransaction(QStringLiteral("tx-ok")).size(), 1);
    QCOMPARE(ledger.transactions.getById(QStringLiteral("tx-largest"))->amount, kMaxAmountMinorUnits);
    QCOMPARE(ledger.splitLines.listByTransaction(QStringLiteral("tx-largest")).value(0).amount, -kMaxAmountMinorUnits);
}

void TestBackupService::loneSurrogatesAreStoredAsReplacementCharacters()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    // Written by hand: Qt's JSON writer cannot produce these escapes.
    QByteArray row = json(with(accountRow(QStringLiteral("acct-1")), QStringLiteral("name"), QStringLiteral("NAME")));
    row.replace("NAME", "a\\ud800b\\udfff \\ud83d\\ude00 c\\ud83d");
    const QByteArray zip = zipOf({{QStringLiteral("manifest.json"), manifest()},
                                  {QStringLiteral("accounts/acct-1.json"), row}});

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.accountsImported, 1);
    // The stored bytes themselves are UTF-8, a whole surrogate pair kept.
    QSqlQuery stored(ledger.database.connection());
    QVERIFY(stored.exec(QStringLiteral("SELECT hex(name) FROM accounts")) && stored.next());
    const QString expected = QStringLiteral("a\uFFFDb\uFFFD \U0001F600 c\uFFFD");
    QCOMPARE(stored.value(0).toByteArray(), expected.toUtf8().toHex().toUpper());
}

void TestBackupService::refusedArchivesWriteNothing_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("error");

    const QByteArray row = json(accountRow(QStringLiteral("acct-1")));
    const auto withEntry = [&](const QString& name) {
        return zipOf({{QStringLiteral("manifest.json"), manifest()},
                      {QStringLiteral("accounts/acct-1.json"), row},
                      {name, row}});
    };

    QTest::newRow("not a ZIP archive") << QByteArray("PK but not really an archive") << "Failed to open ZIP archive";
    QTest::newRow("no manifest") << zipOf({{QStringLiteral("accounts/acct-1.json"), row}})
                                 << "Invalid backup: missing manifest.json";
    QTest::newRow("other version") << zipOf({{QStringLiteral("manifest.json"), manifest(2)},
                                             {QStringLiteral("accounts/acct-1.json"), row}})
                                   << "Unsupported backup version: 2";
    QTest::newRow("manifest not JSON") << zipOf({{QStringLiteral("manifest.json"), QByteArray("version=1")},
                                                 {QStringLiteral("accounts/acct-1.json"), row}})
                                       << "manifest.json: invalid JSON";

    for (const QString& name : {QStringLiteral("../accounts/acct-2.json"), QStringLiteral("accounts/../../x.json"),
                                QStringLiteral("/accounts/acct-2.json"), QStringLiteral("accounts\\acct-2.json"),
                                QStringLiteral("accounts/2026/acct-2.json"), QStringLiteral("accounts/acct..2.json"),
                                QStringLiteral("payees/acct-2.json"), QStringLiteral("accounts/acct-2.exe"),
                                QStringLiteral("notes.txt")}) {
        QTest::addRow("entry %s", qPrintable(name)) << withEntry(name) << "Invalid backup: unexpected entry " + name;
    }

    // A few bytes that claim to unpack to 3 GB: refused before anything is allocated.
    QByteArray huge = zipOf({{QStringLiteral("manifest.json"), manifest()},
                             {QStringLiteral("accounts/acct-1.json"), row}});
    const qsizetype header = huge.indexOf(QByteArray("PK\x01\x02", 4), huge.indexOf(QByteArray("PK\x01\x02", 4)) + 1);
    qToLittleEndian<quint32>(3'000'000'000u, huge.data() + header + 24);
    QTest::newRow("declared size of gigabytes") << huge << "Invalid backup: accounts/acct-1.json is too large";
}

void TestBackupService::refusedArchivesWriteNothing()
{
    QFETCH(QByteArray, zip);
    QFETCH(QString, error);

    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-0"), QStringLiteral("Existing"))));
    const auto before = ledger.dumpAll();
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(importedTotal(result), 0);
    QCOMPARE(skippedTotal(result), 0);
    QCOMPARE(ledger.dumpAll(), before);
    QCOMPARE(accountsChanged.size(), 0);
}

void TestBackupService::databaseErrorRollsBackTheWholeRestore()
{
    QByteArray zip;
    {
        Ledger source(path(QStringLiteral("source.db")));
        QVERIFY(source.isOpen());
        fillLedger(source);
        zip = source.backup.exportBackup();
    }
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-checking"), QStringLiteral("Local"))));
    // Reconciliations come last, after every other table has been written.
    QVERIFY(ledger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                                       "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    const auto before = ledger.dumpAll();
    QSignalSpy accountsChanged(&ledger.accounts, &AccountRepository::accountsChanged);
    QSignalSpy transactionsChanged(&ledger.transactions, &TransactionRepository::transactionsChanged);
    // A write that lands in the restore's transaction while the event loop
    // runs goes with it, and is not announced either.
    bool wroteDuring = false;
    connect(&ledger.backup, &BackupService::progress, &ledger.backup, [&] {
        if (!wroteDuring)
            wroteDuring = ledger.transactions.insert(
                transaction(QStringLiteral("tx-during"), QStringLiteral("acct-checking"), -100));
    });

    const BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QVERIFY(wroteDuring);
    disconnect(&ledger.backup, &BackupService::progress, &ledger.backup, nullptr);
    QCOMPARE(importedTotal(result), 0);
    QCOMPARE(skippedTotal(result), 0);
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors.first().contains(QLatin1String("disk full")), qPrintable(result.errors.first()));
    QCOMPARE(ledger.dumpAll(), before);
    QCOMPARE(accountsChanged.size(), 0);
    QCOMPARE(transactionsChanged.size(), 0);

    // The database is usable afterwards and the same archive restores once the cause is gone.
    QVERIFY(ledger.exec(QStringLiteral("DROP TRIGGER refuse")));
    const BackupImportResult retried = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(retried.errors, QStringList());
    QCOMPARE(retried.reconciliationsImported, 1);
}

void TestBackupService::aFullDiskOrAnEndedTransactionRestoresNothing()
{
    QByteArray zip;
    {
        Ledger source(path(QStringLiteral("source.db")));
        QVERIFY(source.isOpen());
        QVERIFY(source.accounts.insert(account(QStringLiteral("acct-1"), QStringLiteral("Checking"))));
        QVERIFY(source.database.connection().transaction());
        for (int i = 0; i < 3000; ++i)
            QVERIFY(source.transactions.insert(transaction(QStringLiteral("tx-%1").arg(i), QStringLiteral("acct-1"), -i)));
        QVERIFY(source.database.connection().commit());
        zip = source.backup.exportBackup();
    }
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-1"), QStringLiteral("Checking"))));
    const auto before = ledger.dumpAll();

    QSqlQuery query(ledger.database.connection());
    QVERIFY(query.exec(QStringLiteral("PRAGMA page_count")) && query.next());
    QVERIFY(ledger.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(query.value(0).toInt() + 20)));
    BackupImportResult result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(ledger.dumpAll(), before);
    QVERIFY(result.failed());
    QVERIFY2(result.errors.last().contains(QLatin1String("full")), qPrintable(result.errors.last()));
    QVERIFY(ledger.exec(QStringLiteral("PRAGMA max_page_count = 1000000000")));

    // SQLite ends the transaction while the event loop runs (as after a
    // failed write elsewhere): the restore stops rather than write on its own.
    bool ended = false;
    connect(&ledger.backup, &BackupService::progress, &ledger.backup, [&](int done) {
        if (done == 1000)
            ended = ledger.exec(QStringLiteral("ROLLBACK"));
    });
    result = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QVERIFY(ended);
    QCOMPARE(ledger.dumpAll(), before);
    QVERIFY(result.failed());
}

void TestBackupService::exportLeavesOutRowsARestoreWouldRefuse()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-1"), QStringLiteral("Checking"))));

    // The longest id a restore takes, of the character that takes the most
    // room in an entry's name ("%2F"); and a deleted account whose id is far
    // longer, as a pull stored one before ids were bounded.
    QVERIFY(ledger.accounts.insert(account(QString(kMaxRecordIdLength, u'/'), QStringLiteral("Longest id"))));
    const QString tooLong(70000, u'x');
    QVERIFY(ledger.accounts.insert(account(tooLong, QStringLiteral("Id too long"))));
    QVERIFY(ledger.accounts.softDelete(tooLong));
    const QString leftOutRow = QStringLiteral("accounts \"%1\"").arg(shortRecordId(tooLong));
    QString leftOut;
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Backup export left out %1 - its id is longer than "
                                                                 "256 characters")
                                                      .arg(leftOutRow)));
    QByteArray zip = ledger.backup.exportBackup(&leftOut);
    QVERIFY2(leftOut.endsWith(QStringLiteral("\n  ") + leftOutRow) && leftOut.size() < 1000, qPrintable(leftOut));
    BackupImportResult restored = ledger.backup.importBackup(zip, BackupService::ReplaceAll);
    QCOMPARE(restored.errors, QStringList());
    QCOMPARE(restored.accountsImported, 2);
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM accounts WHERE name = 'Id too long'")));

    // A row whose document takes exactly the largest size a restore reads, then one byte more.
    QVERIFY(ledger.transactions.insert(transaction(QStringLiteral("tx-1"), QStringLiteral("acct-1"), -100)));
    const auto rowSize = [&ledger]() -> qint64 {
        ZipReader reader;
        if (!reader.open(ledger.backup.exportBackup()))
            return -1;
        for (const ZipReader::Entry& entry : reader.entries()) {
            if (entry.name == QStringLiteral("transactions/tx-1.json"))
                return entry.size;
        }
        return -1;
    };
    const qint64 withoutMemo = rowSize();
    QVERIFY(withoutMemo > 0);
    const QString memo(BackupArchive::kMaxEntrySize - withoutMemo, u'x');
    QVERIFY(ledger.exec(QStringLiteral("UPDATE transactions SET memo = '%1'").arg(memo)));
    QCOMPARE(rowSize(), BackupArchive::kMaxEntrySize);
    restored = ledger.backup.importBackup(ledger.backup.exportBackup(), BackupService::ReplaceAll);
    QCOMPARE(restored.errors, QStringList());
    QCOMPARE(restored.transactionsImported, 1);

    QVERIFY(ledger.exec(QStringLiteral("UPDATE transactions SET memo = '%1x'").arg(memo)));
    QTest::ignoreMessage(QtWarningMsg, "Backup export left out transactions \"tx-1\" - it is larger than a restore reads");
    zip = ledger.backup.exportBackup(&leftOut);
    QVERIFY2(leftOut.endsWith(QLatin1String("\n  transactions \"tx-1\"")), qPrintable(leftOut));
    BackupArchive archive;
    QVERIFY(archive.open(zip));
    QCOMPARE(archive.rows(QStringLiteral("accounts")).size(), 2);
    QVERIFY(archive.rows(QStringLiteral("transactions")).isEmpty());
}

void TestBackupService::archiveLimitsHoldUpToTheirEdges()
{
    const QString name = QStringLiteral("transactions/tx.json");

    BackupArchive::Limits entries;
    for (qsizetype i = 0; i < BackupArchive::kMaxEntries; ++i) {
        if (entries.add(name, 0))
            QFAIL(qPrintable(QStringLiteral("refused entry %1").arg(i + 1)));
    }
    QCOMPARE(entries.add(name, 0).value_or(QString()), QStringLiteral("too many entries"));

    BackupArchive::Limits entrySize;
    QVERIFY(!entrySize.add(name, BackupArchive::kMaxEntrySize));
    QCOMPARE(entrySize.add(name, BackupArchive::kMaxEntrySize + 1).value_or(QString()),
             QStringLiteral("transactions/tx.json is too large"));

    BackupArchive::Limits total;
    for (qint64 i = 0; i < BackupArchive::kMaxTotalSize / BackupArchive::kMaxEntrySize; ++i)
        QVERIFY(!total.add(name, BackupArchive::kMaxEntrySize));
    QCOMPARE(total.add(name, 1).value_or(QString()), QStringLiteral("the contents are too large"));
}

void TestBackupService::exportToFileWritesAWholeBackupOrLeavesTheFileAlone()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    fillLedger(ledger);
    const QString target = path(QStringLiteral("backup.zip"));
    const auto contents = [&target] {
        QFile file(target);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    {
        QFile previous(target);
        QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write("previous backup") > 0);
    }
    const QStringList filesBefore = QDir(m_dir->path()).entryList(QDir::Files);

    // A disk that fills up part way: the process may write no file past 1 KiB.
    rlimit original{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &original) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = original;
    small.rlim_cur = 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Backup export to .* failed: ")));
    const bool written = ledger.backup.exportToFile(target, &error);
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!written);
    QVERIFY2(error.contains(QLatin1String("bytes were written")), qPrintable(error));
    QCOMPARE(contents(), QByteArray("previous backup"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), filesBefore);

    // A backup that cannot be made replaces nothing either.
    QVERIFY(ledger.exec(QStringLiteral("ALTER TABLE reconciliations RENAME TO unreadable")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Backup export failed: ")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Backup export to .* failed: ")));
    QVERIFY(!ledger.backup.exportToFile(target, &error));
    QCOMPARE(error, QStringLiteral("The ledger could not be read into a backup."));
    QCOMPARE(contents(), QByteArray("previous backup"));

    QVERIFY(ledger.exec(QStringLiteral("ALTER TABLE unreadable RENAME TO reconciliations")));
    QVERIFY(ledger.backup.exportToFile(target, &error));
    QVERIFY(error.isEmpty());
    BackupArchive archive;
    QVERIFY(archive.open(contents()));
    QCOMPARE(archive.rows(QStringLiteral("transactions")).size(), 5);
}

void TestBackupService::importFromFileRefusesFilesItCannotUse()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    const auto fileWith = [this](const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write a test file");
        return file.fileName();
    };
    const auto import = [&ledger](const QString& file) {
        return ledger.backup.importFromFile(file, BackupService::ReplaceAll);
    };
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));

    // Nothing restored: the window says the import failed.
    const BackupImportResult notZip = import(fileWith(QStringLiteral("notes.zip"), "just some notes"));
    QVERIFY(notZip.failed());
    QCOMPARE(notZip.errors, QStringList{QStringLiteral("Failed to open ZIP archive")});
    const BackupImportResult otherVersion = import(fileWith(
        QStringLiteral("v2.zip"), zipOf({{QStringLiteral("manifest.json"), manifest(2)},
                                         {QStringLiteral("accounts/a.json"), json(accountRow(QStringLiteral("a")))}})));
    QVERIFY(otherVersion.failed());
    QCOMPARE(otherVersion.errors, QStringList{QStringLiteral("Unsupported backup version: 2")});
    QVERIFY(import(path(QStringLiteral("missing.zip"))).failed());
    // A named pipe nobody writes to: refused at once, never waited on.
    const QString pipe = path(QStringLiteral("pipe.zip"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
    QCOMPARE(import(pipe).errors, QStringList{QStringLiteral("The file could not be read: it is not a regular file.")});

    // Sparse: refused by its size, so quickly and without memory for it.
    QFile huge(path(QStringLiteral("huge.zip")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(BackupService::kMaxBackupFileBytes + 1));
    huge.close();
    QElapsedTimer timer;
    timer.start();
    const BackupImportResult tooLarge = import(huge.fileName());
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(tooLarge.errors, QStringList{QStringLiteral("The file is larger than any backup this program writes.")});

    // Changed while read, between two steps of the read (the event loop runs there).
    for (const bool grows : {true, false}) {
        const QString name = fileWith(QStringLiteral("changing.zip"), QByteArray(5 << 20, 'x'));
        QTimer::singleShot(0, [&name, grows] {
            QFile file(name);
            if (grows ? !file.open(QIODevice::Append) || file.write("more") != 4 : !file.resize(1 << 20))
                qFatal("cannot change the test file");
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused: The file changed")));
        QCOMPARE(import(name).errors, QStringList{QStringLiteral("The file changed while it was read.")});
    }

    // A backup with one unusable row still restores the rest and is no failure.
    const BackupImportResult partial = import(fileWith(
        QStringLiteral("partial.zip"), zipOf({{QStringLiteral("manifest.json"), manifest()},
                                              {QStringLiteral("accounts/a.json"), json(accountRow(QStringLiteral("a")))},
                                              {QStringLiteral("accounts/b.json"), "{"}})));
    QVERIFY(!partial.failed());
    QCOMPARE(partial.accountsImported, 1);
    QCOMPARE(partial.errors, QStringList{QStringLiteral("accounts/b.json: invalid JSON")});
}

void TestBackupService::longRunsReportProgressAndRefuseOthersMeanwhile()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    QVERIFY(ledger.accounts.insert(account(QStringLiteral("acct-1"), QStringLiteral("Checking"))));
    QVERIFY(ledger.database.connection().transaction());
    for (int i = 0; i < 249; ++i)
        QVERIFY(ledger.transactions.insert(transaction(QStringLiteral("tx-%1").arg(i), QStringLiteral("acct-1"), -i)));
    QVERIFY(ledger.database.connection().commit());
    const QString file = path(QStringLiteral("backup.zip"));
    QVERIFY(ledger.backup.exportToFile(file));

    // Whatever runs while the event loop turns inside a run may not start another.
    QList<QPair<int, int>> reports;
    QStringList refusals;
    connect(&ledger.backup, &BackupService::progress, &ledger.backup, [&](int done, int total) {
        reports << qMakePair(done, total);
        if (done != 100)
            return;
        QString error;
        if (ledger.backup.exportBackup().isEmpty() && !ledger.backup.exportToFile(file, &error))
            refusals << error;
        refusals << ledger.backup.importBackup(QByteArray(), BackupService::ReplaceAll).errors;
        refusals << ledger.backup.importFromFile(file, BackupService::ReplaceAll).errors;
    });
    bool timerRan = false;
    const QString refused = QStringLiteral("A backup or restore is already running.");
    const QList<QPair<int, int>> expected = {{0, 250}, {100, 250}, {200, 250}, {250, 250}};
    for (const bool restoring : {false, true}) {
        reports.clear();
        refusals.clear();
        timerRan = false;
        QTimer::singleShot(0, [&timerRan] { timerRan = true; });
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused|failed: A backup")));
        if (restoring)
            QCOMPARE(ledger.backup.importFromFile(file, BackupService::ReplaceAll).errors, QStringList());
        else
            QVERIFY(!ledger.backup.exportBackup().isEmpty());
        QVERIFY(timerRan);
        QCOMPARE(reports, expected);
        QCOMPARE(refusals, QStringList({refused, refused, refused}));
    }
}

void TestBackupService::restoreSizesThePageCacheForItsRunOnly()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    fillLedger(ledger);
    const QByteArray zip = ledger.backup.exportBackup();
    const auto cacheSize = [&ledger] {
        QSqlQuery query(ledger.database.connection());
        return query.exec(QStringLiteral("PRAGMA cache_size")) && query.next() ? query.value(0).toLongLong() : 0;
    };
    // Ten pages hold less than this ledger.
    QVERIFY(ledger.exec(QStringLiteral("PRAGMA cache_size = 10")));
    qint64 during = 0;
    connect(&ledger.backup, &BackupService::progress, &ledger.backup, [&] { during = cacheSize(); });

    QCOMPARE(ledger.backup.importBackup(zip, BackupService::ReplaceAll).errors, QStringList());
    QVERIFY2(during < -40, qPrintable(QString::number(during)));
    QCOMPARE(cacheSize(), 10);
}

void TestBackupService::restoreHoldsTheRepositoriesWhileItsTransactionIsOpen()
{
    Ledger ledger(path(QStringLiteral("ledger.db")));
    QVERIFY(ledger.isOpen());
    fillLedger(ledger);
    const QByteArray zip = ledger.backup.exportBackup();
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM reconciliations")));
    const QList<SyncedRepository*> repositories = {&ledger.accounts, &ledger.transactions, &ledger.categories,
                                                   &ledger.recurring, &ledger.reconciliations};
    const auto allHeld = [&repositories] {
        return std::all_of(repositories.cbegin(), repositories.cend(),
                           [](const SyncedRepository* repository) { return repository->changesHeld(); });
    };
    bool heldDuringTheRun = true;
    connect(&ledger.backup, &BackupService::progress, &ledger.backup,
            [&] { heldDuringTheRun = heldDuringTheRun && allHeld(); });
    // Each change is told once the transaction has ended, before the holds
    // end; so whoever waits for the holds reads what was announced.
    QStringList heard;
    connect(&ledger.reconciliations, &ReconciliationRepository::reconciliationsChanged, &ledger.backup, [&] {
        heard << (nativeconnection::inTransaction(ledger.database.connection()) ? QStringLiteral("inside")
                                                                                 : QStringLiteral("changed"));
    });
    connect(&ledger.reconciliations, &SyncedRepository::holdReleased, &ledger.backup,
            [&] { heard << QStringLiteral("released"); });

    QCOMPARE(ledger.backup.importBackup(zip, BackupService::SkipExisting).errors, QStringList());
    QVERIFY(heldDuringTheRun);
    QCOMPARE(heard, (QStringList{QStringLiteral("changed"), QStringLiteral("released")}));
    QVERIFY(!std::any_of(repositories.cbegin(), repositories.cend(),
                         [](const SyncedRepository* repository) { return repository->changesHeld(); }));

    // A restore that fails lets go of them too, with nothing to announce.
    heard.clear();
    QVERIFY(ledger.exec(QStringLiteral("DELETE FROM reconciliations")));
    QVERIFY(ledger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                                       "BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    QVERIFY(!ledger.backup.importBackup(zip, BackupService::SkipExisting).errors.isEmpty());
    QCOMPARE(heard, QStringList{QStringLiteral("released")});
    QVERIFY(!allHeld());
}

QTEST_GUILESS_MAIN(TestBackupService)
#include "tst_backupservice.moc"
