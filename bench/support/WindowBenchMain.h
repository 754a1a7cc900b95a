#pragma once

// The main function of a benchmark program that paints windows: a QApplication on
// Qt's offscreen platform (unless another one is asked for) around the benchmarks.

#include <QApplication>

#include <benchmark/benchmark.h>

namespace lodrin::bench {

inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace lodrin::bench
