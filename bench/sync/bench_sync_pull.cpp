// One sync pass pulling a ledger another device pushed into an empty
// database: an account and 9,999 transactions (a tenth of them split in two),
// fifty pages of 200 from the fake sync service over loopback.
//
// Targets: under 3 s, no event-loop stall above 250 ms.

#include "bench/support/BenchMain.h"
#include "bench/sync/SyncBenchBed.h"
#include "tests/support/FakeSyncService.h"

#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QLoggingCategory>

namespace {

constexpr int kRecords = SyncEngine::kMaxPullPages * SyncEngine::kPullPageSize;
constexpr int kSplitEvery = 10;

void fillService(FakeSyncService& service)
{
    const QString created = QStringLiteral("2026-01-05T10:00:00Z");
    service.putRecord(QStringLiteral("account"),
                      {{"client_id", "bench-account"},
                       {"name", "Checking"},
                       {"account_type", "checking"},
                       {"currency", "USD"},
                       {"is_shared", 0},
                       {"institution", ""},
                       {"account_number_last4", ""},
                       {"starting_balance", 0},
                       {"sort_order", 0},
                       {"created_at", created},
                       {"updated_at", created}},
                      1);
    for (int i = 1; i < kRecords; ++i) {
        const qint64 amount = -(i % 100000);
        QJsonObject transaction{
            {"client_id", QStringLiteral("bench-tx-%1").arg(i)},
            {"account_id", "bench-account"},
            {"date", QDate(2020, 1, 1).addDays(i % 2000).toString(Qt::ISODate)},
            {"payee", QStringLiteral("Payee %1").arg(i % 500)},
            {"memo", QStringLiteral("Memo for transaction %1").arg(i)},
            {"amount", amount},
            {"category_id", ""},
            {"check_number", ""},
            {"cleared", i % 3 == 0 ? 1 : 0},
            {"reconciled", 0},
            {"transfer_link_id", ""},
            {"transfer_dest_account_id", ""},
            {"is_split", i % kSplitEvery == 0 ? 1 : 0},
            {"recurring_id", ""},
            {"created_at", created},
            {"updated_at", created},
        };
        if (i % kSplitEvery == 0) {
            transaction.insert("split_lines",
                               QJsonArray{QJsonObject{{"category_id", "food"}, {"amount", amount / 2}, {"memo", "one"}},
                                          QJsonObject{{"category_id", "home"},
                                                      {"amount", amount - amount / 2},
                                                      {"memo", "two"}}});
        }
        service.putRecord(QStringLiteral("transaction"), transaction, 1);
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
