#pragma once

// Runs the registered benchmarks inside a Qt application object, which the
// database and the event loop need.
int runBenchmarks(int argc, char** argv);

// The process's peak resident size so far, in megabytes.
double peakRssMb();
