#pragma once

#include <functional>

// Runs benchmarks of windows inside a QApplication, on the offscreen
// platform unless QT_QPA_PLATFORM names another. `registerBenchmarks` runs
// once the application exists, for benchmarks whose names need it;
// `tearDown` runs before it goes, for windows kept from one run to the next.
int runWindowBenchmarks(int argc, char** argv, const std::function<void()>& registerBenchmarks = {},
                        const std::function<void()>& tearDown = {});
