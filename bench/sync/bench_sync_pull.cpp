// One sync pass pulling a ledger another device pushed into an empty
// database: an account and 9,999 transactions (a tenth of them split in two),
// fifty pages of 200 from the fake sync service over loopback.
//
// Targets: under 3 s, no event-loop stall above 250 ms.

#include "bench/support/BenchMain.h"
#include "bench/sync/SyncBenchBed.h"
#include "tests/support/FakeSyncService.h"
#include "tests/support/ServerRecords.h"

#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QLoggingCategory>

namespace {

constexpr int kRecords = SyncEngine::kMaxPullPages * SyncEngine::kPullPageSize;
constexpr int kSplitEvery = 10;

void fillService(FakeSyncService& service)
{
    using namespace serverrecords;
    service.putRecord(QStringLiteral("account"), account(QStringLiteral("bench-account")), 1);
    for (int i = 1; i < kRecords; ++i) {
        const qint64 amount = -(i % 100000);
        QJsonObject record = with(transaction(QStringLiteral("bench-tx-%1").arg(i), QStringLiteral("bench-account")),
                                  {{"date", QDate(2020, 1, 1).addDays(i % 2000).toString(Qt::ISODate)},
                                   {"payee", QStringLiteral("Payee %1").arg(i % 500)},
                                   {"memo", QStringLiteral("Memo for transaction %1").arg(i)},
                                   {"amount", amount},
                                   {"cleared", i % 3 == 0 ? 1 : 0}});
        if (i % kSplitEvery == 0) {
            record.insert("is_split", 1);
            const qint64 half = amount / 2;
            record.insert("split_lines",
                          QJsonArray{QJsonObject{{"category_id", "food"}, {"amount", half}, {"memo", "one"}},
                                     QJsonObject{{"category_id", "home"}, {"amount", amount - half}, {"memo", "two"}}});
        }
        service.putRecord(QStringLiteral("transaction"), record, 1);
    }
}

void BM_PullIntoEmptyDatabase(benchmark::State& state)
{
    std::optional<SyncBenchBed> bed;
    SyncBenchBed::PassFigures figures;
    for (auto _ : state) {
        state.PauseTiming();
        bed.emplace();
        if (!bed->ready()) {
            state.SkipWithError("cannot set up the database and the service");
            return;
        }
        bed->onService(fillService);
        state.ResumeTiming();
        figures = bed->runPass();
    }

    if (!figures.completed || bed->transactions.listByAccount(QStringLiteral("bench-account")).size() != kRecords - 1)
        state.SkipWithError("the pass did not pull everything");
    state.counters["records"] = kRecords;
    state.counters["longest_stall_ms"] = double(figures.longestStallMs);
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

BENCHMARK(BM_PullIntoEmptyDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    // A line per page is noise here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
    return runBenchmarks(argc, argv);
}
