// Every report over a ledger of 100,000 transactions: three accounts over
// ten years, a tenth of them split over two categories, one in twenty a
// transfer, some in deleted categories.
//
//   build/bench/services/bench_reports
//
// Target: each report under 200 ms over the whole history.

#include "services/ReportService.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QUuid>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

constexpr int kTransactions = 100'000;
constexpr int kCategories = 40;
const QDate kFirstDay(2016, 1, 1);
const QDate kLastDay = kFirstDay.addDays(kTransactions / 27);

// Ids shaped like the application's own: brace-less UUID text.
QString uuidFor(const QString& name)
{
    return QUuid::createUuidV5(QUuid(), name).toString(QUuid::WithoutBraces);
}

const QStringList kAccounts{uuidFor(QStringLiteral("checking")), uuidFor(QStringLiteral("savings")),
                            uuidFor(QStringLiteral("visa"))};

QString categoryId(int i) { return uuidFor(QStringLiteral("category %1").arg(i % kCategories)); }
QString transactionId(int i) { return uuidFor(QStringLiteral("transaction %1").arg(i)); }

struct Ledger
{
    QTemporaryDir dir;
    Database db;
    std::unique_ptr<ReportService> reports;

    Ledger()
    {
        if (!db.open(dir.filePath(QStringLiteral("bench.db"))))
            qFatal("cannot open the benchmark database: %s", qPrintable(db.lastError()));
        AccountRepository accounts(&db);
        CategoryRepository categories(&db);
        TransactionRepository transactions(&db);
        SplitLineRepository splitLines(&db);

        db.connection().transaction();
        for (int i = 0; i < kAccounts.size(); ++i) {
            Account account;
            account.id = kAccounts.at(i);
            account.name = QStringLiteral("Account %1").arg(i);
            account.sort_order = i;
            accounts.insert(account);
        }
        for (int i = 0; i < kCategories; ++i) {
            Category category;
            category.id = categoryId(i);
            category.name = QStringLiteral("Category %1").arg(i);
            category.is_tax_relevant = i % 8 == 0;
            category.tax_category = category.is_tax_relevant ? QStringLiteral("tax_%1").arg(i) : QString();
            categories.insert(category);
        }
        const QDateTime created(kFirstDay, QTime(12, 0), Qt::UTC);
        for (int i = 0; i < kTransactions; ++i) {
            Transaction t;
            t.id = transactionId(i);
            t.account_id = kAccounts.at(i % kAccounts.size());
            t.date = kFirstDay.addDays(i / 27);
            t.payee = QStringLiteral("Payee %1").arg(i % 300);
            t.memo = QStringLiteral("memo %1").arg(i % 50);
            t.amount = i % 9 == 0 ? 250000 : -(500 + i % 20000);
            t.category_id = categoryId(i);
            t.cleared = i % 4 != 0;
            t.is_split = i % 10 == 1;
            if (i % 20 == 3) {
                t.transfer_link_id = transactionId(i + 1);
                t.transfer_dest_account_id = kAccounts.at((i + 1) % kAccounts.size());
            }
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
        for (int i = 0; i < kCategories; i += 13)
            categories.softDelete(categoryId(i));
        reports = std::make_unique<ReportService>(&db);
    }
};

Ledger& ledger()
{
    static Ledger instance;
    return instance;
}

template <typename Rows>
void runReport(benchmark::State& state, const std::function<Rows(const ReportService&)>& report)
{
    const ReportService& reports = *ledger().reports;
    qsizetype rows = 0;
    for (auto _ : state) {
        const Rows result = report(reports);
        rows = result.size();
        benchmark::DoNotOptimize(result.constData());
    }
    if (rows == 0)
        state.SkipWithError("the report is empty");
    state.counters["rows"] = double(rows);
}

void categorySpending(benchmark::State& state)
{
    runReport<QList<CategorySpendingRow>>(
        state, [](const ReportService& r) { return r.categorySpending(kFirstDay, kLastDay, {}); });
}

void payeeSummary(benchmark::State& state)
{
    runReport<QList<PayeeSummaryRow>>(state,
                                      [](const ReportService& r) { return r.payeeSummary(kFirstDay, kLastDay, {}); });
}

void taxReport(benchmark::State& state)
{
    runReport<QList<TaxReportRow>>(state, [](const ReportService& r) { return r.taxReport(kFirstDay, kLastDay); });
}

void incomeVsExpenses(benchmark::State& state)
{
    runReport<QList<IncomeExpenseRow>>(
        state, [](const ReportService& r) { return r.incomeVsExpenses(kFirstDay, kLastDay, {}); });
}

void cashFlow(benchmark::State& state)
{
    runReport<QList<CashFlowRow>>(state, [](const ReportService& r) { return r.cashFlow(kFirstDay, kLastDay, {}); });
}

void yearOverYear(benchmark::State& state)
{
    const QDate middle = kFirstDay.addDays(kFirstDay.daysTo(kLastDay) / 2);
    runReport<QList<YearOverYearRow>>(state, [middle](const ReportService& r) {
        return r.yearOverYear(kFirstDay, middle, middle.addDays(1), kLastDay, {});
    });
}

void accountSummary(benchmark::State& state)
{
    runReport<QList<AccountSummaryRow>>(state, [](const ReportService& r) { return r.accountSummary(); });
}

void transactionReport(benchmark::State& state)
{
    runReport<QList<TransactionReportRow>>(
        state, [](const ReportService& r) { return r.transactionReport(kFirstDay, kLastDay, {}, {}); });
}

void oneAccountOneYear(benchmark::State& state)
{
    runReport<QList<CategorySpendingRow>>(state, [](const ReportService& r) {
        return r.categorySpending(QDate(2020, 1, 1), QDate(2020, 12, 31), kAccounts.at(2));
    });
}

} // namespace

BENCHMARK(categorySpending)->Unit(benchmark::kMillisecond);
BENCHMARK(payeeSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(taxReport)->Unit(benchmark::kMillisecond);
BENCHMARK(incomeVsExpenses)->Unit(benchmark::kMillisecond);
BENCHMARK(cashFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(yearOverYear)->Unit(benchmark::kMillisecond);
BENCHMARK(accountSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(transactionReport)->Unit(benchmark::kMillisecond);
BENCHMARK(oneAccountOneYear)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
