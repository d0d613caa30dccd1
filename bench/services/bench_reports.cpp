// Every report over a ledger of 100,000 transactions: three accounts over
// ten years, a tenth of them split over two categories, one in twenty a
// transfer, some in deleted categories. The summaries run twice: over
// accounts of one currency (/1), and with one account in yen (/2), where
// each runs once per currency.
//
//   build/bench/services/bench_reports
//
// Target: each report under 200 ms over the whole history, in either case.

#include "bench/support/BenchLedger.h"
#include "bench/support/BenchMain.h"
#include "services/ReportService.h"
#include "storage/Database.h"

#include <QSqlQuery>
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

// With two currencies, the third account in yen while it lasts.
class Currencies
{
public:
    explicit Currencies(int count)
    {
        if (count == 2)
            setThirdAccount(QStringLiteral("JPY"));
    }
    ~Currencies() { setThirdAccount(QStringLiteral("USD")); }

private:
    static void setThirdAccount(const QString& currency)
    {
        QSqlQuery query(ledger().db.connection());
        query.prepare(QStringLiteral("UPDATE accounts SET currency = ? WHERE id = ?"));
        query.addBindValue(currency);
        query.addBindValue(accountIds().at(2));
        if (!query.exec())
            qFatal("cannot set the account's currency");
    }
};

template <typename Rows>
void runReport(benchmark::State& state, const std::function<Rows(const ReportService&)>& report,
               int currencies = 1)
{
    const ReportService& reports = *ledger().reports;
    const Currencies currencyCount(currencies);
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

// The summaries take the number of currencies as their argument.
void categorySpending(benchmark::State& state)
{
    runReport<QList<CategorySpendingRow>>(
        state, [](const ReportService& r) { return r.categorySpending(kFirstDay, kLastDay, {}); },
        int(state.range(0)));
}

void payeeSummary(benchmark::State& state)
{
    runReport<QList<PayeeSummaryRow>>(
        state, [](const ReportService& r) { return r.payeeSummary(kFirstDay, kLastDay, {}); }, int(state.range(0)));
}

void taxReport(benchmark::State& state)
{
    runReport<QList<TaxReportRow>>(
        state, [](const ReportService& r) { return r.taxReport(kFirstDay, kLastDay); }, int(state.range(0)));
}

void incomeVsExpenses(benchmark::State& state)
{
    runReport<QList<IncomeExpenseRow>>(
        state, [](const ReportService& r) { return r.incomeVsExpenses(kFirstDay, kLastDay, {}); },
        int(state.range(0)));
}

void cashFlow(benchmark::State& state)
{
    runReport<QList<CashFlowRow>>(
        state, [](const ReportService& r) { return r.cashFlow(kFirstDay, kLastDay, {}); }, int(state.range(0)));
}

void yearOverYear(benchmark::State& state)
{
    const QDate middle = kFirstDay.addDays(kFirstDay.daysTo(kLastDay) / 2);
    runReport<QList<YearOverYearRow>>(
        state,
        [middle](const ReportService& r) { return r.yearOverYear(kFirstDay, middle, middle.addDays(1), kLastDay, {}); },
        int(state.range(0)));
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

BENCHMARK(categorySpending)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(payeeSummary)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(taxReport)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(incomeVsExpenses)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(cashFlow)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(yearOverYear)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(accountSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(transactionReport)->Unit(benchmark::kMillisecond);
BENCHMARK(oneAccountOneYear)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
