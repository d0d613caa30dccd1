// A CSV import of 100,000 rows into an account that already holds 50,000
// transactions, as a bank's export of several years would be: quoted payees
// with commas, amounts with symbols, grouping and parentheses, a memo and a
// category column, month-first dates detected from the column, and the
// first 1,000 rows already in the account.
//
// Two more files as large as an import takes (up to ImportFile::kMaxBytes):
// a million such rows, about 60 MB, and one line of 99 MB without a line
// break, as a file of the wrong kind would be (nothing to import, and nothing
// to hold it whole for).
//
//   build/bench/import/bench_import
//
// Target: importCsv under 3 s and within 3 times repositoryInsertReference,
// the same rows inserted through the repository in one transaction without
// reading any file; the million rows in under 15 s; for the two large files
// the import's peak resident size grows by less than 3 times the file's size
// plus a constant (peak_growth_mb against file_mb). The constant is mostly
// SQLite's page cache, which a long write sizes for itself up to
// RunPageCache::kMaxKiB whatever the file (sqlite_peak_mb);
// growth_per_file_size counts the rest. Run it a few times: other builds on
// the machine show.

#include "bench/support/BenchMain.h"
#include "import/ImportService.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/RecordId.h"
#include "storage/RunPageCache.h"
#include "storage/ScopedTransaction.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kExisting = 50'000;
constexpr int kRows = 100'000;
constexpr int kAlreadyPresent = 1'000;
constexpr int kCategories = 30;
constexpr int kMillion = 1'000'000;
constexpr qint64 kLongLineBytes = 99LL * 1024 * 1024;
const QString kAccount = QStringLiteral("checking");
// Rows written before the benchmark carry this time, so that what a run
// wrote can be told from them and taken away before the next.
const QDateTime kSeeded(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);

QString payee(int i) { return QStringLiteral("STORE %1, SPRINGFIELD").arg(i % 700); }
QDate dateOf(int i) { return QDate(2021, 1, 1).addDays(i / 60); }
qint64 amountOf(int i) { return (i % 7 == 0 ? 1 : -1) * (100 + qint64(i) * 37 % 250000); }
QString categoryName(int i) { return QStringLiteral("Category %1").arg(i % kCategories); }

// Row i of the file; the account holds rows kAlreadyPresent - kExisting to
// kAlreadyPresent - 1, of which those from 0 on are the file's first rows.
QByteArray csvRow(int i)
{
    const qint64 amount = amountOf(i);
    const qint64 magnitude = amount < 0 ? -amount : amount;
    QString money = QStringLiteral("$%1.%2").arg(magnitude / 100).arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    if (magnitude >= 100000)
        money = QStringLiteral("$%1,%2.%3")
                    .arg(magnitude / 100000)
                    .arg(magnitude / 100 % 1000, 3, 10, QLatin1Char('0'))
                    .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    if (amount < 0)
        money = i % 2 ? QString(u'(' + money + u')') : QString(u'-' + money);
    return QStringLiteral("%1,\"%2\",\"%3\",Ref %4,%5\r\n")
        .arg(dateOf(i).toString(QStringLiteral("MM/dd/yyyy")), payee(i), money, QString::number(i), categoryName(i))
        .toUtf8();
}

struct Store
{
    QTemporaryDir dir;
    Database db;
    AccountRepository accounts{&db};
    TransactionRepository transactions{&db};
    CategoryRepository categories{&db};
    SplitLineRepository splitLines{&db};
    ImportService import{&db, &accounts, &transactions, &categories, &splitLines};
    QString csvPath;
    // What the import writes, made beforehand for the reference.
    QList<Transaction> rows;

    Store()
    {
        if (!db.open(dir.filePath(QStringLiteral("bench.db"))))
            qFatal("cannot open the benchmark database: %s", qPrintable(db.lastError()));
        Account account;
        account.id = kAccount;
        account.name = QStringLiteral("Checking");
        account.created_at = kSeeded;
        account.updated_at = kSeeded;
        if (!accounts.insert(account))
            qFatal("cannot add the benchmark account");

        ScopedTransaction transaction(db.connection());
        for (int i = kAlreadyPresent - kExisting; i < kAlreadyPresent; ++i)
            transactions.insert(makeRow(i, QString()));
        if (!transaction.commit())
            qFatal("cannot fill the benchmark account");

        csvPath = dir.filePath(QStringLiteral("statement.csv"));
        QFile file(csvPath);
        QByteArray csv = "Date,Description,Amount,Memo,Category\r\n";
        for (int i = 0; i < kRows; ++i)
            csv += csvRow(i);
        if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
            qFatal("cannot write the benchmark file");

        QList<Category> seeded;
        for (int c = 0; c < kCategories; ++c) {
            Category category;
            category.id = newRecordId();
            category.name = categoryName(c);
            seeded << category;
        }
        for (int i = kAlreadyPresent; i < kRows; ++i)
            rows << makeRow(i, seeded[i % kCategories].id);
    }

    Transaction makeRow(int i, const QString& categoryId) const
    {
        Transaction t;
        t.id = newRecordId();
        t.account_id = kAccount;
        t.date = dateOf(i);
        t.payee = i < 0 ? QStringLiteral("EARLIER %1").arg(i) : payee(i);
        t.amount = amountOf(qMax(i, 0));
        t.memo = QStringLiteral("Ref %1").arg(i);
        t.category_id = categoryId;
        t.created_at = kSeeded;
        t.updated_at = kSeeded;
        return t;
    }

    QString writeFile(const QString& name, const std::function<void(QFile&)>& fill)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the benchmark file");
        fill(file);
        return file.fileName();
    }

    // Takes away what a run wrote: the account holds its 50,000 rows again
    // and the categories are missing again.
    void reset()
    {
        QSqlQuery query(db.connection());
        if (!query.exec(QStringLiteral("DELETE FROM transactions WHERE created_at > '2020-01-01T00:00:00Z'"))
            || !query.exec(QStringLiteral("DELETE FROM categories")))
            qFatal("cannot reset the benchmark account");
    }
};

Store& store()
{
    static Store instance;
    return instance;
}

CsvColumnMapping mapping()
{
    CsvColumnMapping columns;
    columns.dateColumn = 0;
    columns.payeeColumn = 1;
    columns.amountColumn = 2;
    columns.memoColumn = 3;
    columns.categoryColumn = 4;
    return columns;
}

void importCsv(benchmark::State& state)
{
    Store& s = store();
    ImportResult result;
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
        result = s.import.importCsv(s.csvPath, kAccount, mapping());
    }
    if (result.failed || result.imported != kRows - kAlreadyPresent || result.duplicates != kAlreadyPresent)
        state.SkipWithError("the import did not write what the file holds");
    state.counters["rows_per_s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_rss_mb"] = peakRssMb();
}

// Runs the import of `path` once per iteration, measuring the peak resident
// size it adds.
ImportResult runImport(benchmark::State& state, const QString& path)
{
    Store& s = store();
    ImportResult result;
    MemoryGrowth growth;
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        const MemoryWatch watch;
        state.ResumeTiming();
        result = s.import.importCsv(path, kAccount, mapping());
        growth = watch.growth();
    }
    reportMemoryGrowth(state, growth, double(QFile(path).size()) / (1024 * 1024));
    return result;
}

void importMillionRows(benchmark::State& state)
{
    // Rows from kRows on: none of them is in the account.
    static const QString path = store().writeFile(QStringLiteral("million.csv"), [](QFile& file) {
        file.write("Date,Description,Amount,Memo,Category\r\n");
        for (int i = kRows; i < kRows + kMillion; ++i)
            file.write(csvRow(i));
    });
    const ImportResult result = runImport(state, path);
    if (result.failed || result.imported != kMillion)
        state.SkipWithError("the import did not write what the file holds");
    state.counters["rows_per_s"] = benchmark::Counter(kMillion, benchmark::Counter::kIsIterationInvariantRate);
}

void importOneLongLine(benchmark::State& state)
{
    static const QString path = store().writeFile(QStringLiteral("long.csv"), [](QFile& file) {
        const QByteArray block = QByteArray("12,ab,").repeated(1 << 16);
        for (qint64 written = 0; written < kLongLineBytes; written += block.size())
            file.write(block);
    });
    const ImportResult result = runImport(state, path);
    if (result.failed || result.imported != 0)
        state.SkipWithError("a line without a transaction was imported");
}

// The floor an import cannot go below: the rows it writes, already made,
// inserted through the repository in one transaction, with the page cache
// the import sizes for itself.
void repositoryInsertReference(benchmark::State& state)
{
    Store& s = store();
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        // Fresh ids, as the import makes for each run.
        for (Transaction& t : s.rows)
            t.id = newRecordId();
        state.ResumeTiming();
        const RunPageCache cache(s.db.connection(), s.rows.size());
        ScopedTransaction transaction(s.db.connection());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (Transaction t : std::as_const(s.rows)) {
            t.created_at = now;
            t.updated_at = now;
            if (!s.transactions.insert(t))
                state.SkipWithError("an insert failed");
        }
        if (!transaction.commit())
            state.SkipWithError("the commit failed");
    }
    state.counters["rows_per_s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(importCsv)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(repositoryInsertReference)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(importMillionRows)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(importOneLongLine)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
