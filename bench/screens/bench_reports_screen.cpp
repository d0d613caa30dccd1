// The reports window over a ledger of 100,000 transactions (three accounts
// over ten years), built offscreen and shown: each report timed from the
// moment it is asked for until its rows are all in the table, for every
// account and the whole history (the year-over-year report: its first five
// years against the next five).
//
//   build/bench/screens/bench_reports_screen
//
// Targets: each report shown in under 1 s, and the window never stops
// answering for more than 250 ms meanwhile: a probe timer ticking every
// 10 ms records the longest gap between its ticks ("stall_ms"), the time
// the report was asked for counting as a tick.

#include "appstate/AppState.h"
#include "bench/support/BenchAppState.h"
#include "bench/support/BenchLedger.h"
#include "bench/support/BenchMain.h"
#include "bench/support/StallProbe.h"
#include "bench/support/WindowBenchMain.h"
#include "register/DateField.h"
#include "screens/DateRangeEdit.h"
#include "screens/DateRangePicker.h"
#include "screens/ReportRunner.h"
#include "screens/ReportTableModel.h"
#include "screens/ReportsScreen.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Kind = ReportRunner::Kind;

struct Window
{
    BenchAppState state;
    std::unique_ptr<ReportsScreen> screen;
    ReportRunner* runner = nullptr;

    Window()
    {
        benchledger::fill(*state.get()->database());
        screen = std::make_unique<ReportsScreen>(state.get());
        runner = screen->findChild<ReportRunner*>();
        screen->findChild<DateRangePicker*>()->setPreset(DateRange::Preset::AllTime);
        // Year over year: the first five years against the next five.
        screen->findChild<QComboBox*>(QStringLiteral("comparisonBox"))
            ->setCurrentIndex(int(ReportComparison::kinds().indexOf(ReportComparison::Kind::Custom)));
        const QDate middle = benchledger::kFirstDay.addYears(5);
        const auto setPeriod = [this](const char* name, const QDate& from, const QDate& to) {
            auto* edit = screen->findChild<DateRangeEdit*>(QString::fromLatin1(name));
            edit->fromField()->setDate(from);
            edit->toField()->setDate(to);
        };
        setPeriod("firstPeriodEdit", benchledger::kFirstDay, middle.addDays(-1));
        setPeriod("secondPeriodEdit", middle, benchledger::kLastDay);
        screen->resize(800, 600);
        screen->refresh();
        screen->show();
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

void showReport(benchmark::State& state, Kind kind)
{
    Window& bench = window();
    ReportsScreen& screen = *bench.screen;

    StallProbe probe;
    QEventLoop loop;
    QObject::connect(bench.runner, &ReportRunner::filled, &loop, &QEventLoop::quit);
    int rows = 0;
    for (auto _ : state) {
        probe.start();
        // Shown once, then asked for again: each time a full run.
        if (screen.currentKind() != kind)
            screen.showReport(kind);
        else
            screen.runReport();
        if (bench.runner->isFilling())
            loop.exec();
        // The rows painted as well.
        QCoreApplication::processEvents();
        probe.stop();
        rows = screen.findChildren<ReportTableModel*>().at(int(kind))->rowCount();
    }
    if (rows == 0)
        state.SkipWithError("the report is empty");
    state.counters["rows"] = rows;
    state.counters["stall_ms"] = double(probe.longestMs());
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

int main(int argc, char** argv)
{
    return runWindowBenchmarks(
        argc, argv,
        [] {
            for (Kind kind : ReportRunner::kinds()) {
                const QByteArray name = "showReport/" + ReportRunner::title(kind).toUtf8();
                benchmark::RegisterBenchmark(name.constData(), showReport, kind)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            }
        },
        [] { s_window.reset(); });
}
