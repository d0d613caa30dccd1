// A QIF export of three accounts (checking, savings, a card), one file per
// account as a finance program writes them, into a ledger that already holds
// 50,000 transactions: a fifth of the records are the two sides of transfers
// between the accounts, a tenth are splits over three categories, the rest
// plain payments and deposits, and the first 1,000 plain records are already
// in the ledger. Each run scans the files and imports them, as the import
// window does.
//
//   build/bench/import/bench_qif_import
//
// Target: 100,000 records scanned and imported in under 10 s, growing
// linearly (compare the 25,000, 50,000 and 100,000 runs), peak resident size
// under 500 MB. Run it a few times: other builds on the machine show.

#include "bench/support/BenchMain.h"
#include "import/ImportService.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/RecordId.h"
#include "storage/ScopedTransaction.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>

namespace {

constexpr int kExisting = 50'000;
constexpr int kAlreadyPresent = 1'000;
constexpr int kCategories = 30;
const QStringList kAccountNames{QStringLiteral("Checking"), QStringLiteral("Savings"), QStringLiteral("Visa")};
const QStringList kAccountIds{QStringLiteral("checking"), QStringLiteral("savings"), QStringLiteral("visa")};
const QStringList kTypeHeaders{QStringLiteral("!Type:Bank"), QStringLiteral("!Type:Bank"),
                               QStringLiteral("!Type:CCard")};
// Rows written before the benchmark carry this time, so that what a run
// wrote can be told from them and taken away before the next.
const QDateTime kSeeded(QDate(2010, 1, 1), QTime(0, 0), Qt::UTC);

QString categoryName(int i) { return QStringLiteral("Category %1").arg(i % kCategories); }

QString money(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    QString text = QString::number(magnitude / 100);
    for (qsizetype pos = text.size() - 3; pos > 0; pos -= 3)
        text.insert(pos, u',');
    text += QStringLiteral(".%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return cents < 0 ? u'-' + text : text;
}

// One record of an account's file.
struct Record
{
    int account = 0;
    QDate date;
    QString payee;
    qint64 amount = 0;
    QString category;
    QString transferAccount;
    int splitSeed = -1;
};

// The export's records, by groups of ten: the two sides of a transfer, a
// split and seven plain ones.
QList<Record> exportOf(int count)
{
    QList<Record> records;
    records.reserve(count);
    for (int i = 0; records.size() < count; ++i) {
        const int group = i / 9;
        const QDate date = QDate(2015, 1, 1).addDays(records.size() / 100);
        const qint64 amount = 100 + qint64(i) * 37 % 250000;
        switch (i % 9) {
        case 0: {
            const int from = group % 3;
            const int to = (group + 1) % 3;
            records.append({from, date, QStringLiteral("Transfer %1").arg(group), -amount, {}, kAccountNames[to]});
            records.append({to, date, QStringLiteral("Transfer %1").arg(group), amount, {}, kAccountNames[from]});
            break;
        }
        case 1:
            records.append({group % 3, date, QStringLiteral("MARKET %1").arg(i % 500), -amount, {}, {}, i});
            break;
        default:
            records.append({group % 3, date, QStringLiteral("STORE %1, SPRINGFIELD").arg(i % 700),
                            i % 7 == 0 ? amount : -amount, categoryName(i), {}, -1});
            break;
        }
    }
    records.resize(count);
    return records;
}

QByteArray qifOf(const QList<Record>& records, int account)
{
    QString text;
    if (account == 0) {
        text += QStringLiteral("!Type:Cat\n");
        for (int c = 0; c < kCategories; ++c)
            text += QStringLiteral("N%1\n%2\n^\n").arg(categoryName(c), c % 5 == 0 ? u"I" : u"E");
    }
    text += QStringLiteral("!Account\nN%1\n^\n%2\n").arg(kAccountNames[account], kTypeHeaders[account]);
    for (const Record& r : records) {
        if (r.account != account)
            continue;
        text += QStringLiteral("D%1\nT%2\nP%3\nCX\n")
                    .arg(r.date.toString(QStringLiteral("MM/dd/yyyy")), money(r.amount), r.payee);
        if (!r.transferAccount.isEmpty())
            text += QStringLiteral("L[%1]\n").arg(r.transferAccount);
        else if (!r.category.isEmpty())
            text += QStringLiteral("L%1\n").arg(r.category);
        if (r.splitSeed >= 0) {
            const qint64 first = r.amount / 2;
            const qint64 second = r.amount / 3;
            const qint64 parts[] = {first, second, r.amount - first - second};
            for (int k = 0; k < 3; ++k)
                text += QStringLiteral("S%1\nEPart %2\n$%3\n")
                            .arg(categoryName(r.splitSeed + k), QString::number(k), money(parts[k]));
        }
        text += QStringLiteral("^\n");
    }
    return text.toUtf8();
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
    QHash<QString, QString> mapping;
    // The three files of each export size.
    std::map<int, QStringList> files;

    Store()
    {
        if (!db.open(dir.filePath(QStringLiteral("bench.db"))))
            qFatal("cannot open the benchmark database: %s", qPrintable(db.lastError()));
        for (int a = 0; a < 3; ++a) {
            Account account;
            account.id = kAccountIds[a];
            account.name = kAccountNames[a];
            account.account_type = a == 2 ? AccountType::CreditCard : a == 1 ? AccountType::Savings
                                                                             : AccountType::Checking;
            account.created_at = kSeeded;
            account.updated_at = kSeeded;
            if (!accounts.insert(account))
                qFatal("cannot add the benchmark accounts");
            mapping.insert(kAccountNames[a], kAccountIds[a]);
        }

        // Years of earlier history, and the export's first plain records.
        const QList<Record> present = exportOf(kAlreadyPresent * 10 / 7 + 10);
        ScopedTransaction transaction(db.connection());
        int written = 0;
        for (const Record& r : present) {
            if (r.category.isEmpty() || written == kAlreadyPresent)
                continue;
            insert(r.account, r.date, r.payee, r.amount);
            ++written;
        }
        for (int i = written; i < kExisting; ++i)
            insert(i % 3, QDate(2010, 1, 1).addDays(i / 30), QStringLiteral("EARLIER %1").arg(i % 900),
                   -(100 + i % 9000));
        if (!transaction.commit())
            qFatal("cannot fill the benchmark ledger");
    }

    void insert(int account, const QDate& date, const QString& payee, qint64 amount)
    {
        Transaction t;
        t.id = newRecordId();
        t.account_id = kAccountIds[account];
        t.date = date;
        t.payee = payee;
        t.amount = amount;
        t.created_at = kSeeded;
        t.updated_at = kSeeded;
        if (!transactions.insert(t))
            qFatal("cannot fill the benchmark ledger");
    }

    const QStringList& filesOf(int count)
    {
        QStringList& paths = files[count];
        if (!paths.isEmpty())
            return paths;
        const QList<Record> records = exportOf(count);
        for (int a = 0; a < 3; ++a) {
            const QString path = dir.filePath(QStringLiteral("%1-%2.qif").arg(kAccountIds[a]).arg(count));
            QFile file(path);
            const QByteArray bytes = qifOf(records, a);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write the benchmark files");
            paths << path;
        }
        return paths;
    }

    // Takes away what a run wrote: the ledger holds its 50,000 rows again
    // and the categories are missing again.
    void reset()
    {
        QSqlQuery query(db.connection());
        const QString after = QStringLiteral("created_at > '2010-01-01T00:00:00Z'");
        if (!query.exec(QStringLiteral("DELETE FROM split_lines WHERE ") + after)
            || !query.exec(QStringLiteral("DELETE FROM transactions WHERE ") + after)
            || !query.exec(QStringLiteral("DELETE FROM categories")))
            qFatal("cannot reset the benchmark ledger");
    }
};

Store& store()
{
    static Store instance;
    return instance;
}

void scanAndImportQif(benchmark::State& state)
{
    Store& s = store();
    const int count = int(state.range(0));
    const QStringList& files = s.filesOf(count);
    ImportResult result;
    QifScanResult scan;
    MemoryGrowth growth;
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        const MemoryWatch watch;
        state.ResumeTiming();
        scan = s.import.scanQifFiles(files);
        result = s.import.importQif(files, s.mapping);
        growth = watch.growth();
    }
    const int transfers = count / 10 * 2;
    if (scan.totalRecords != count || scan.accounts.size() != 3 || result.failed
        || result.imported + result.duplicates != count || result.duplicates != kAlreadyPresent
        || result.transfersLinked != transfers / 2)
        state.SkipWithError("the import did not write what the files hold");
    state.counters["records_per_s"] = benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_rss_mb"] = peakRssMb();
    double fileMb = 0;
    for (const QString& file : files)
        fileMb += double(QFile(file).size()) / (1024 * 1024);
    reportMemoryGrowth(state, growth, fileMb);
}

} // namespace

BENCHMARK(scanAndImportQif)
    ->Arg(25'000)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
