// Every report over a ledger of 100,000 transactions: three accounts over
// ten years, a tenth of them split over two categories, one in twenty a
// transfer, some in deleted categories.
//
//   build/bench/services/bench_reports
//
// Target: each report under 200 ms over the whole history.

#include "bench/support/BenchLedger.h"
#include "bench/support/BenchMain.h"
#include "services/ReportService.h"
#include "storage/Database.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using namespace benchledger;

struct Ledger
{
    QTemporaryDir dir;
    Database db;
    std::unique_ptr<ReportService> reports;

    Ledger()
    {
        if (!db.open(dir.filePath(QStringLiteral("bench.db"))))
            qFatal("cannot open the benchmark database: %s", qPrintable(db.lastError()));
        fill(db);
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
        return r.categorySpending(QDate(2020, 1, 1), QDate(2020, 12, 31), accountIds().at(2));
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
    return runBenchmarks(argc, argv);
}
