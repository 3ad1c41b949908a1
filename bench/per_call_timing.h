#pragma once

#include "table_row.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

// Times only `act` in every iteration, after an untimed `setup` that brings
// the window into the state a pupil's click finds it in, and an untimed
// `check` that the act did what it is named for. Besides the mean, which
// Google Benchmark reports, the median and the 99th percentile of the single
// calls are kept as counters (microseconds).
template <typename Setup, typename Act, typename Check>
void TimeEachCall(benchmark::State& state, Setup setup, Act act, Check check) {
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        setup();
        const auto start = std::chrono::steady_clock::now();
        act();
        const auto end = std::chrono::steady_clock::now();
        const std::chrono::duration<double> elapsed = end - start;
        state.SetIterationTime(elapsed.count());
        samples.push_back(elapsed.count() * 1e6);
        if (!check()) {
            state.SkipWithError("the handler did not do what the benchmark is named for");
            break;
        }
    }
    state.counters["median_us"] = Median(samples);
    state.counters["p99_us"] = Quantile(samples, 0.99);
}
