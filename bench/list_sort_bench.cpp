// Sorting a million event rows by each column, against std::stable_sort of the same keys
// as plain strings, measured alternately in the same run (best of three, thread CPU time).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "shell/list_sort.h"

namespace vemora::shell {
namespace {

constexpr size_t kRows = 1'000'000;

// A million rows as a long watch or a big log brings them, in GBK: times of one day, the two
// types, the five actions and names in no particular order.
const std::vector<std::vector<std::string>>& Columns() {
    static const std::vector<std::vector<std::string>> columns = [] {
        const char* kTypes[] = {"\xCE\xC4\xBC\xFE", "\xC4\xBF\xC2\xBC"};
        const char* kActions[] = {"\xD0\xC2\xBD\xA8", "\xC9\xBE\xB3\xFD", "\xD0\xDE\xB8\xC4",
                                  "\xB8\xFC\xC3\xFB", "\xB8\xFC\xC3\xFB\xCE\xAA"};
        std::mt19937 random(12);
        std::vector<std::vector<std::string>> c(4);
        char text[64];
        for (size_t i = 0; i < kRows; ++i) {
            const unsigned second = static_cast<unsigned>(i * 86400 / kRows);
            snprintf(text, sizeof(text), "2026/12/10 %u:%02u:%02u", second / 3600, second / 60 % 60,
                     second % 60);
            c[0].emplace_back(text);
            c[1].emplace_back(kTypes[random() % 2]);
            c[2].emplace_back(kActions[random() % 5]);
            snprintf(text, sizeof(text), "\xD7\xD3\xC4\xBF\xC2\xBC\\file-%07u.txt",
                     static_cast<unsigned>(random() % kRows));
            c[3].emplace_back(text);
        }
        return c;
    }();
    return columns;
}

// Thread CPU time: the build machines are shared, and waiting for a core is not sorting.
double CpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_SortMillionRows(benchmark::State& state) {
    const std::vector<std::string>& keys = Columns()[static_cast<size_t>(state.range(0))];
    double best = 1e30, bestBaseline = 1e30;
    for (auto _ : state) {
        std::vector<std::string> copy = keys;
        double start = CpuMilliseconds();
        std::stable_sort(copy.begin(), copy.end());
        bestBaseline = std::min(bestBaseline, CpuMilliseconds() - start);
        benchmark::DoNotOptimize(copy.data());

        RowOrder order;
        start = CpuMilliseconds();
        order.Sort(
            keys.size(), [&](size_t row) { return std::string_view(keys[row]); },
            state.range(1) ? SortDirection::kDescending : SortDirection::kAscending);
        best = std::min(best, CpuMilliseconds() - start);
        benchmark::DoNotOptimize(order.StoreIndex(0));
    }
    state.counters["sort_ms"] = best;
    state.counters["stable_sort_ms"] = bestBaseline;
    state.counters["x_stable_sort"] = best / bestBaseline;
}
// Columns: time, type, action, name; ascending and descending.
BENCHMARK(BM_SortMillionRows)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->ArgNames({"column", "descending"})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemora::shell
