#include "bench/support/BenchMain.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <sqlite3.h>

int runRegisteredBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int runBenchmarks(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return runRegisteredBenchmarks(argc, argv);
}

namespace {

// A "<key>:   <n> kB" line of /proc/self/status, in megabytes.
double statusMb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

double peakRssMb() { return statusMb("VmHWM:"); }

MemoryWatch::MemoryWatch()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    m_rssMb = statusMb("VmRSS:");
    m_sqliteBytes = sqlite3_memory_used();
    sqlite3_memory_highwater(1);
}

MemoryGrowth MemoryWatch::growth() const
{
    return {peakRssMb() - m_rssMb, double(sqlite3_memory_highwater(0) - m_sqliteBytes) / (1024 * 1024)};
}

void reportMemoryGrowth(benchmark::State& state, const MemoryGrowth& growth, double fileMb)
{
    state.counters["file_mb"] = fileMb;
    state.counters["peak_growth_mb"] = growth.peakMb;
    state.counters["sqlite_peak_mb"] = growth.sqlitePeakMb;
    // SQLite may reuse memory the process already held, so its part can
    // exceed the growth of the resident size.
    state.counters["growth_per_file_size"] = qMax(0.0, growth.peakMb - growth.sqlitePeakMb) / fileMb;
}
