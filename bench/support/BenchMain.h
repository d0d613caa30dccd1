#pragma once

#include <QtGlobal>

#include <benchmark/benchmark.h>

// Runs the registered benchmarks inside a Qt application object, which the
// database and the event loop need.
int runBenchmarks(int argc, char** argv);
// Runs the registered benchmarks as the arguments ask, in the application
// object the caller made.
int runRegisteredBenchmarks(int argc, char** argv);

// The process's peak resident size so far (since the last MemoryWatch began),
// in megabytes.
double peakRssMb();
// What one run adds to the process's memory at its peak, in megabytes: all
// of it, and the part that is SQLite's (mostly its page cache).
struct MemoryGrowth
{
    double peakMb = 0;
    double sqlitePeakMb = 0;
};

// Measures the memory a run adds at its peak, from construction on (Linux:
// clear_refs lets the peak be measured afresh).
class MemoryWatch
{
public:
    MemoryWatch();
    MemoryGrowth growth() const;

private:
    double m_rssMb = 0;
    qint64 m_sqliteBytes = 0;
};

// Reports a run's growth next to the size of the file it read: file_mb,
// peak_growth_mb, sqlite_peak_mb and growth_per_file_size, which counts all
// but SQLite's part.
void reportMemoryGrowth(benchmark::State& state, const MemoryGrowth& growth, double fileMb);
