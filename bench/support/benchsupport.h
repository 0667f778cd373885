#pragma once
// Running a benchmark program and timing its iterations by hand (every benchmark reports
// ratios against a reference measured in the same run, so each one keeps its own clock).
#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <type_traits>
#include <utility>

namespace orva::bench {

/// The value of an environment variable, or the fallback when it is unset or empty.
QString env(const char* name, const char* fallback);

/// The source tree: ORVA_SOURCE_DIR, or the one the program was built from.
QString sourceDir();

using Clock = std::chrono::steady_clock;

/// Seconds elapsed since `from`.
double seconds(Clock::time_point from);

/// The least seconds of `times` runs of `work`: how a reference is measured.
template <typename Work> double bestOf(int times, Work&& work) {
    double best = 1e9;
    for (int i = 0; i < times; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, seconds(start));
    }
    return best;
}

/// Nothing to do between runs (see timeEach).
struct NothingBefore {
    void operator()() const {}
};

/// Runs `work` once per iteration, timing only it (the benchmarks use manual time), and
/// returns the mean seconds of one run. `before`, when given, runs untimed ahead of each
/// run of `work`.
template <typename Before, typename Work>
double timeEach(benchmark::State& state, Before&& before, Work&& work) {
    constexpr bool kBefore = !std::is_same_v<std::decay_t<Before>, NothingBefore>;
    double total = 0;
    for (auto _ : state) {
        if constexpr (kBefore) {
            state.PauseTiming();
            before();
            state.ResumeTiming();
        }
        const auto start = Clock::now();
        work();
        const double s = seconds(start);
        state.SetIterationTime(s);
        total += s;
    }
    return total / static_cast<double>(state.iterations());
}

template <typename Work> double timeEach(benchmark::State& state, Work&& work) {
    return timeEach(state, NothingBefore{}, std::forward<Work>(work));
}

/// Takes the benchmark options out of the command line (an unknown one ends the program
/// with status 1), runs `prepare` when given — false means it said why nothing can be
/// measured, and the program ends with status 0 — then the benchmarks chosen.
int runBenchmarks(int& argc, char** argv, const std::function<bool()>& prepare = {});

/// The same inside a Qt application, on the offscreen platform unless QT_QPA_PLATFORM
/// names another, for benchmarks that make widgets.
int runGuiBenchmarks(int& argc, char** argv, const std::function<bool()>& prepare = {});

} // namespace orva::bench
