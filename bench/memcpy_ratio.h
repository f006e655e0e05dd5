// The yardstick of the skin benchmarks: an operation's time over the time of memcpy of the
// same number of output bytes, both measured in the same run, alternately, in thread CPU
// time, taking the best of several rounds (these machines are shared and noisy).
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

inline double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Time per call of f over `calls` calls.
inline double SecondsPerCall(const std::function<void()>& f, int calls) {
    const double start = ThreadSeconds();
    for (int i = 0; i < calls; ++i) f();
    return (ThreadSeconds() - start) / calls;
}

// Sets counter to op's time over memcpy's, "memcpy_us" to memcpy's time, and returns op's best time.
inline double ReportAgainstMemcpy(benchmark::State& state, const std::function<void()>& op, size_t bytes,
                                  const char* counter = "x_memcpy") {
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    const auto copy = [&] {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    };
    // Rounds of about 10 ms of the operation, each followed by as many copies.
    const double once = SecondsPerCall(op, 1);
    const int calls = std::clamp(int(0.01 / std::max(once, 1e-9)), 1, 100000);
    double bestOp = 1e30, bestCopy = 1e30;
    for (int round = 0; round < 9; ++round) {
        bestOp = std::min(bestOp, SecondsPerCall(op, calls));
        bestCopy = std::min(bestCopy, SecondsPerCall(copy, calls));
    }
    state.counters[counter] = bestOp / bestCopy;
    state.counters["memcpy_us"] = bestCopy * 1e6;
    return bestOp;
}
