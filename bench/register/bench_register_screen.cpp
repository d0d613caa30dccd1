// The register of an account holding 100,000 transactions over ten years (a
// household three times as busy as the usual benchmark ledger, so that each
// of its three accounts holds that many), built offscreen and shown at the
// size it has in the main window:
//
//   openAccount       the register switched to the account from another
//                     just as long, until its rows are in and painted
//   reloadAfterChange a transaction of it marked cleared or not, until the
//                     rows are read again and painted
//   scroll            a jump of the scroll bar to another part of the
//                     history, painted
//
//   build/bench/register/bench_register_screen
//
// Targets: the account opened and reloaded in under 1 s each, a jump in
// under 16 ms (a frame), and the window never stopping answering for more
// than 250 ms meanwhile: the longest gap between the ticks of a probe timer
// while the account opens or reloads ("stall_ms", see StallProbe).

#include "appstate/AppState.h"
#include "bench/support/BenchAppState.h"
#include "bench/support/BenchLedger.h"
#include "bench/support/BenchMain.h"
#include "bench/support/StallProbe.h"
#include "bench/support/WindowBenchMain.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "storage/TransactionRepository.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QScrollBar>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Three times the usual ledger's transactions over its three accounts.
constexpr int kBusier = 3;
constexpr int kAccountRows = 100'000;
// The jumps go back and forth across the history, never to a neighbour.
constexpr int kScrollStops = 16;

struct Window
{
    BenchAppState state;
    std::unique_ptr<RegisterScreen> screen;
    RegisterModel* model = nullptr;
    QTableView* table = nullptr;

    Window()
    {
        benchledger::fill(*state.get()->database(), kBusier);
        screen = std::make_unique<RegisterScreen>(state.get());
        model = screen->findChild<RegisterModel*>();
        table = screen->findChild<QTableView*>();
        // The main window's share of its 1100 × 720 beside the account list.
        screen->resize(850, 680);
        screen->show();
        open(benchledger::accountIds().at(0));
    }

    void open(const QString& accountId)
    {
        screen->setAccount(accountId);
        // The rows painted as well.
        QCoreApplication::processEvents();
    }
};

// Torn down before the application object, which the window needs to the end.
std::unique_ptr<Window> s_window;

Window& window()
{
    if (!s_window)
        s_window = std::make_unique<Window>();
    return *s_window;
}

void reportRows(benchmark::State& state, const Window& bench)
{
    if (bench.model->rowCount() != kAccountRows)
        state.SkipWithError("the register does not hold the account's transactions");
    state.counters["rows"] = bench.model->rowCount();
    state.counters["peak_rss_mb"] = peakRssMb();
}

void openAccount(benchmark::State& state)
{
    Window& bench = window();
    const QStringList accounts = benchledger::accountIds();
    StallProbe probe;
    int next = 1;
    for (auto _ : state) {
        probe.start();
        bench.open(accounts.at(next));
        probe.stop();
        next = 1 - next;
    }
    bench.open(accounts.at(0));
    reportRows(state, bench);
    state.counters["stall_ms"] = double(probe.longestMs());
}

void reloadAfterChange(benchmark::State& state)
{
    Window& bench = window();
    TransactionRepository* transactions = bench.state.get()->transactionRepository();
    // The selected transaction, where the account opened: its latest.
    Transaction changed = *bench.model->transactionAt(bench.model->newestRow());
    StallProbe probe;
    QEventLoop loop;
    QObject::connect(bench.model, &RegisterModel::modelReset, &loop, &QEventLoop::quit);
    for (auto _ : state) {
        probe.start();
        changed.cleared = !changed.cleared;
        if (!transactions->update(changed)) {
            state.SkipWithError("the change was refused");
            break;
        }
        // The register follows the repository's signal by itself.
        loop.exec();
        QCoreApplication::processEvents();
        probe.stop();
    }
    reportRows(state, bench);
    state.counters["stall_ms"] = double(probe.longestMs());
}

void scroll(benchmark::State& state)
{
    Window& bench = window();
    QScrollBar* bar = bench.table->verticalScrollBar();
    QWidget* rows = bench.table->viewport();
    int stop = 0;
    for (auto _ : state) {
        // Stops 9, 2, 11, 4, ...: each jump crosses about half the history.
        stop = (stop + kScrollStops / 2 + 1) % kScrollStops;
        bar->setValue(bar->maximum() * stop / (kScrollStops - 1));
        rows->repaint();
    }
    reportRows(state, bench);
    state.counters["visible_rows"] = bench.table->rowAt(rows->height() - 1) - bench.table->rowAt(0) + 1;
}

} // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(
        argc, argv,
        [] {
            for (const auto& [name, run] :
                 {std::pair{"openAccount", &openAccount}, std::pair{"reloadAfterChange", &reloadAfterChange}})
                benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
            benchmark::RegisterBenchmark("scroll", scroll)->Unit(benchmark::kMicrosecond)->UseRealTime();
        },
        [] { s_window.reset(); });
}
