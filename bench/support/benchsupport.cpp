#include "benchsupport.h"

#include <QApplication>

namespace orva::bench {

QString env(const char* name, const char* fallback) {
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? QString::fromUtf8(fallback) : v;
}

QString sourceDir() {
    return env("ORVA_SOURCE_DIR", ORVA_BENCH_SOURCE_DIR);
}

double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

int runBenchmarks(int& argc, char** argv, const std::function<bool()>& prepare) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (prepare && !prepare())
        return 0;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int runGuiBenchmarks(int& argc, char** argv, const std::function<bool()>& prepare) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv, prepare);
}

} // namespace orva::bench
