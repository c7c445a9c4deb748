#include <benchmark/benchmark.h>

#include <QApplication>

// The widget benchmarks run inside a QApplication on the offscreen platform, as the widget tests
// do, so widgets lay out, paint and process events as in the application.
int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
