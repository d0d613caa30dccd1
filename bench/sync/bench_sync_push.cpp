// One sync pass pushing a large backlog of pending transactions to the fake
// sync service over loopback (and pulling the first pages of them back, as
// every pass that pushed does).
//
// Targets: under 10 s for 50,000 pending transactions (10 % of them split),
// no event-loop stall above 250 ms, peak memory under 300 MB.

#include "bench/support/BenchMain.h"
#include "bench/sync/SyncBenchBed.h"
#include "storage/Timestamp.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QLoggingCategory>

namespace {

constexpr int kTransactions = 50000;
constexpr int kSplitEvery = 10;

bool fillDatabase(Database& database, AccountRepository& accounts, TransactionRepository& transactions,
                  SplitLineRepository& splitLines)
{
    QSqlDatabase db = database.connection();
    if (!db.transaction())
        return false;
    const QDateTime now = nowUtc();
    Account account;
    account.id = QStringLiteral("bench-account");
    account.name = QStringLiteral("Checking");
    account.created_at = now;
    account.updated_at = now;
    accounts.insert(account);

    for (int i = 0; i < kTransactions; ++i) {
        Transaction transaction;
        transaction.id = QStringLiteral("bench-tx-%1").arg(i);
        transaction.account_id = account.id;
        transaction.date = QDate(2020, 1, 1).addDays(i % 2000);
        transaction.payee = QStringLiteral("Payee %1").arg(i % 500);
        transaction.memo = QStringLiteral("Memo for transaction %1").arg(i);
        transaction.amount = -(i % 100000);
        transaction.is_split = i % kSplitEvery == 0;
        transaction.created_at = now;
        transaction.updated_at = now;
        transactions.insert(transaction);
        if (!transaction.is_split)
            continue;
        for (int part = 0; part < 2; ++part) {
            SplitLine line;
            line.id = QStringLiteral("%1-%2").arg(transaction.id).arg(part);
            line.transaction_id = transaction.id;
            line.amount = transaction.amount / 2;
            line.memo = QStringLiteral("part %1").arg(part);
            line.created_at = now;
            line.updated_at = now;
            splitLines.insert(line);
        }
    }
    return db.commit();
}

void BM_PushPendingBacklog(benchmark::State& state)
{
    SyncBenchBed bed;
    if (!bed.ready()) {
        state.SkipWithError("cannot set up the database and the service");
        return;
    }
    if (!fillDatabase(bed.database, bed.accounts, bed.transactions, bed.splitLines)) {
        state.SkipWithError("cannot fill the database");
        return;
    }

    SyncBenchBed::PassFigures figures;
    for (auto _ : state) {
        state.PauseTiming();
        bed.transactions.markAllPendingForResync();
        bed.accounts.markAllPendingForResync();
        state.ResumeTiming();
        figures = bed.runPass();
    }

    if (!figures.completed || !bed.transactions.listPending().isEmpty())
        state.SkipWithError("the pass did not push everything");
    state.counters["changes"] = kTransactions + 1;
    state.counters["longest_stall_ms"] = double(figures.longestStallMs);
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

BENCHMARK(BM_PushPendingBacklog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    // A line per batch is noise here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
    return runBenchmarks(argc, argv);
}
