#pragma once

// Runs the registered benchmarks inside a Qt application object, which the
// database and the event loop need.
int runBenchmarks(int argc, char** argv);

// The process's peak resident size so far (since the last resetPeakRss), in
// megabytes.
double peakRssMb();
// The process's resident size now, in megabytes.
double currentRssMb();
// Starts measuring the peak afresh from the present size, so that one run's
// peak can be told from those of the runs before it (Linux: clear_refs).
void resetPeakRss();
