#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <functional>

// The window's work is timed as a player waits for it: wall-clock milliseconds, the median of
// five repetitions.
inline benchmark::internal::Benchmark* timedAsWaited(benchmark::internal::Benchmark* timed) {
    return timed->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();
}

// The main of a window benchmark: the offscreen platform unless another is asked for, what the
// program keeps in a temporary folder, then the benchmarks that `prepare` registers.
inline int runWindowBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication application(argc, argv);
    if (prepare)
        prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
