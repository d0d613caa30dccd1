// Backup export and restore of a ledger of 100,000 transactions: three
// accounts over ten years, a tenth of them split over two categories, with
// categories, recurring items and monthly reconciliations.
//
//   build/bench/services/bench_backup
//
// Target: each under 5 s and under 500 MB peak memory. peak_rss_mb is the
// process's peak resident size so far (getrusage), building the ledger
// included; run one benchmark alone (--benchmark_filter) for its own peak.

#include "services/BackupService.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int kTransactions = 100'000;
constexpr int kCategories = 40;
const QDate kFirstDay(2016, 1, 1);
const QStringList kAccounts{QStringLiteral("checking"), QStringLiteral("savings"), QStringLiteral("visa")};

QString categoryId(int i) { return QStringLiteral("category-%1").arg(i % kCategories); }

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// The store opens one database file at a time: it owns Qt's default connection.
struct Store
{
    QTemporaryDir dir;
    Database db;
    AccountRepository accounts{&db};
    TransactionRepository transactions{&db};
    CategoryRepository categories{&db};
    SplitLineRepository splitLines{&db};
    RecurringRepository recurring{&db};
    ReconciliationRepository reconciliations{&db};
    BackupService backup{&db, &accounts, &transactions, &categories, &recurring, &reconciliations};
    QByteArray archive;

    Store()
    {
        open(QStringLiteral("source.db"));
        fill();
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

    void fill()
    {
        db.connection().transaction();
        const QDateTime created(kFirstDay, QTime(12, 0), Qt::UTC);
        for (int i = 0; i < kAccounts.size(); ++i) {
            Account account;
            account.id = kAccounts.at(i);
            account.name = kAccounts.at(i);
            account.sort_order = i;
            account.created_at = account.updated_at = created;
            accounts.insert(account);
            for (int month = 0; month < 120; ++month) {
                Reconciliation statement;
                statement.id = QStringLiteral("%1-statement-%2").arg(account.id).arg(month);
                statement.account_id = account.id;
                statement.statement_date = kFirstDay.addMonths(month + 1).addDays(-1);
                statement.statement_balance = statement.reconciled_balance = 100000 + month;
                statement.completed_at = statement.created_at = statement.updated_at = created.addMonths(month + 1);
                reconciliations.insert(statement);
            }
        }
        for (int i = 0; i < kCategories; ++i) {
            Category category;
            category.id = categoryId(i);
            category.name = QStringLiteral("Category %1").arg(i);
            category.created_at = category.updated_at = created;
            categories.insert(category);
        }
        for (int i = 0; i < 50; ++i) {
            RecurringTransaction item;
            item.id = QStringLiteral("recurring-%1").arg(i);
            item.account_id = kAccounts.at(i % kAccounts.size());
            item.payee = QStringLiteral("Payee %1").arg(i);
            item.amount = -(1000 + i);
            item.category_id = categoryId(i);
            item.start_date = kFirstDay;
            item.next_due_date = kFirstDay.addYears(10);
            item.created_at = item.updated_at = created;
            recurring.insert(item);
        }
        for (int i = 0; i < kTransactions; ++i) {
            Transaction t;
            t.id = QStringLiteral("t%1").arg(i);
            t.account_id = kAccounts.at(i % kAccounts.size());
            t.date = kFirstDay.addDays(i / 27);
            t.payee = QStringLiteral("Payee %1").arg(i % 300);
            t.memo = QStringLiteral("memo %1").arg(i % 50);
            t.amount = i % 9 == 0 ? 250000 : -(500 + i % 20000);
            t.category_id = categoryId(i);
            t.cleared = i % 4 != 0;
            t.is_split = i % 10 == 1;
            if (t.is_split)
                t.category_id.clear();
            t.created_at = created.addSecs(i);
            t.updated_at = t.created_at;
            transactions.insert(t);
            if (t.is_split) {
                splitLines.insert(SplitLine{t.id + QStringLiteral("-a"), t.id, categoryId(i + 1), t.amount / 2, {},
                                            created, created});
                splitLines.insert(SplitLine{t.id + QStringLiteral("-b"), t.id, categoryId(i + 2),
                                            t.amount - t.amount / 2, {}, created, created});
            }
        }
        db.connection().commit();
    }
};

Store& store()
{
    static Store instance;
    return instance;
}

void exportBackup(benchmark::State& state)
{
    Store& s = store();
    s.open(QStringLiteral("source.db"));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray zip = s.backup.exportBackup();
        bytes = zip.size();
        benchmark::DoNotOptimize(zip.constData());
    }
    state.counters["archive_mb"] = double(bytes) / (1024.0 * 1024.0);
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

// Every row already exists: each one is compared, replaced and its split lines renewed.
void replaceEveryExistingRow(benchmark::State& state)
{
    Store& s = store();
    s.open(QStringLiteral("source.db"));
    int imported = 0;
    for (auto _ : state) {
        const BackupImportResult result = s.backup.importBackup(s.archive, BackupService::ReplaceAll);
        imported = result.transactionsImported;
    }
    if (imported != kTransactions)
        state.SkipWithError("not every transaction was replaced");
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

BENCHMARK(exportBackup)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importIntoEmptyDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(replaceEveryExistingRow)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
