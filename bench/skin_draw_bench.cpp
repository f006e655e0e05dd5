// Benchmarks of skin composition; each one is read against memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

void BM_MemcpyFrame(benchmark::State& state) {
    const size_t bytes = size_t(3 * 1920) * 1080;
    std::vector<unsigned char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpyFrame);

}  // namespace
