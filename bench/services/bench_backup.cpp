// Backup export and restore of a ledger of 100,000 transactions: three
// accounts over ten years, a tenth of them split over two categories, with
// categories, recurring items and monthly reconciliations.
//
//   build/bench/services/bench_backup
//
// Target: each under 5 s and under 500 MB peak memory; a restore over an
// identical ledger within 1.5 times bareRestoreStatements, the statements a
// restore used to run for it without reading any archive. peak_rss_mb is the
// process's peak resident size so far (getrusage), building the ledger
// included; run one benchmark alone (--benchmark_filter) for its own peak.

#include "bench/support/BenchLedger.h"
#include "bench/support/BenchMain.h"
#include "services/BackupService.h"
#include "services/BackupTable.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/TransactionRepository.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using benchledger::kTransactions;

// The store opens one database file at a time: it owns Qt's default connection.
struct Store
{
    QTemporaryDir dir;
    Database db;
    AccountRepository accounts{&db};
    TransactionRepository transactions{&db};
    CategoryRepository categories{&db};
    RecurringRepository recurring{&db};
    ReconciliationRepository reconciliations{&db};
    BackupService backup{&db, &accounts, &transactions, &categories, &recurring, &reconciliations};
    QByteArray archive;

    Store()
    {
        open(QStringLiteral("source.db"));
        benchledger::fill(db);
        archive = backup.exportBackup();
        if (archive.isEmpty())
            qFatal("the benchmark ledger cannot be exported");
    }

    void open(const QString& name)
    {
        if (!db.open(dir.filePath(name)))
            qFatal("cannot open the benchmark database: %s", qPrintable(db.lastError()));
    }

    // An empty database to restore into.
    void openEmpty(const QString& name)
    {
        db.close();
        QFile::remove(dir.filePath(name));
        open(name);
    }
};

Store& store()
{
    static Store instance;
    return instance;
}

// As the window runs it: the archive is checked, written and read back.
void exportToFile(benchmark::State& state)
{
    Store& s = store();
    s.open(QStringLiteral("source.db"));
    const QString file = s.dir.filePath(QStringLiteral("backup.zip"));
    for (auto _ : state) {
        if (!s.backup.exportToFile(file))
            state.SkipWithError("the backup was not written");
    }
    state.counters["archive_mb"] = double(QFile(file).size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_mb"] = peakRssMb();
}

void importIntoEmptyDatabase(benchmark::State& state)
{
    Store& s = store();
    int imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.openEmpty(QStringLiteral("target.db"));
        state.ResumeTiming();
        const BackupImportResult result = s.backup.importBackup(s.archive, BackupService::ReplaceAll);
        imported = result.transactionsImported;
        if (!result.errors.isEmpty())
            state.SkipWithError(qPrintable(result.errors.first()));
    }
    if (imported != kTransactions)
        state.SkipWithError("not every transaction was restored");
    state.counters["peak_rss_mb"] = peakRssMb();
}

// Every row already exists as archived: each one is read and compared, and
// nothing is written.
void restoreOverIdenticalLedger(benchmark::State& state)
{
    Store& s = store();
    s.open(QStringLiteral("source.db"));
    int imported = 0;
    for (auto _ : state) {
        const BackupImportResult result = s.backup.importBackup(s.archive, BackupService::ReplaceAll);
        imported = result.transactionsImported;
    }
    if (imported != kTransactions)
        state.SkipWithError("not every transaction was restored");
    state.counters["peak_rss_mb"] = peakRssMb();
}

// Every transaction's memo and every split line's amount changed since the
// backup: each transaction is updated in three columns (memo, version, sync
// status) and each split transaction's lines are replaced.
void restoreOverEditedLedger(benchmark::State& state)
{
    Store& s = store();
    s.open(QStringLiteral("source.db"));
    int imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QSqlQuery edit(s.db.connection());
        if (!edit.exec(QStringLiteral("UPDATE transactions SET memo = memo || ' edited'"))
            || !edit.exec(QStringLiteral("UPDATE split_lines SET amount = amount - 1")))
            qFatal("cannot edit the benchmark ledger");
        state.ResumeTiming();
        const BackupImportResult result = s.backup.importBackup(s.archive, BackupService::ReplaceAll);
        imported = result.transactionsImported;
    }
    if (imported != kTransactions)
        state.SkipWithError("not every transaction was restored");
    state.counters["peak_rss_mb"] = peakRssMb();
}

// The reference for a restore over an identical ledger: what the restore
// used to write, run straight from values read beforehand: every column of
// every synced row updated by id, every split transaction's lines deleted
// and inserted again, in one database transaction. No archive is read.
void bareRestoreStatements(benchmark::State& state)
{
    Store& s = store();
    s.open(QStringLiteral("source.db"));
    struct Table
    {
        QString update;
        QList<QVariantList> rows;
    };
    QList<Table> tables;
    QList<QVariantList> splitLines;
    for (const BackupTable* table : BackupTable::all()) {
        QSqlQuery read(s.db.connection());
        read.setForwardOnly(true);
        read.exec(table->selectStatement());
        QList<QVariantList> rows;
        while (read.next()) {
            QVariantList values;
            for (int i = 0; i < table->columns().size(); ++i)
                values << read.value(i);
            rows << values;
        }
        if (!table->isSynced()) {
            splitLines = rows;
            continue;
        }
        // Every column but the id, then the id, as the restore binds them.
        QStringList assignments;
        for (const QString& column : table->columns()) {
            if (column != QLatin1String("id"))
                assignments << column + QStringLiteral(" = ?");
        }
        const int idColumn = table->indexOf(QStringLiteral("id"));
        for (QVariantList& values : rows)
            values << values.takeAt(idColumn);
        tables << Table{QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                            .arg(table->table(), assignments.join(QStringLiteral(", "))),
                        rows};
    }
    const auto run = [](QSqlQuery& query, const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        if (!query.exec())
            qFatal("bare restore statement failed");
    };

    for (auto _ : state) {
        QSqlDatabase connection = s.db.connection();
        connection.transaction();
        for (const Table& table : std::as_const(tables)) {
            QSqlQuery update(connection);
            update.prepare(table.update);
            for (const QVariantList& values : table.rows)
                run(update, values);
        }
        QSqlQuery drop(connection);
        drop.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"));
        QSqlQuery insert(connection);
        insert.prepare(QStringLiteral("INSERT INTO split_lines VALUES (?, ?, ?, ?, ?, ?, ?)"));
        QString lastParent;
        for (const QVariantList& values : std::as_const(splitLines)) {
            if (values.at(1).toString() != lastParent) {
                lastParent = values.at(1).toString();
                run(drop, {lastParent});
            }
        }
        for (const QVariantList& values : std::as_const(splitLines))
            run(insert, values);
        connection.commit();
    }
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

BENCHMARK(exportToFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importIntoEmptyDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(restoreOverIdenticalLedger)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(restoreOverEditedLedger)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(bareRestoreStatements)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
