#include "bench/support/WindowBenchMain.h"

#include "bench/support/BenchMain.h"

#include <QApplication>

int runWindowBenchmarks(int argc, char** argv, const std::function<void()>& registerBenchmarks,
                        const std::function<void()>& tearDown)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (registerBenchmarks)
        registerBenchmarks();
    const int result = runRegisteredBenchmarks(argc, argv);
    if (tearDown)
        tearDown();
    return result;
}
