// The portable hot paths: decoding a full change buffer, storing rows, reading a log back.
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/event_line.h"
#include "app/event_store.h"
#include "app/notify_records.h"

namespace vemora {
namespace {

// A 64 KB buffer full of "file-NNNNNN.txt" creation records, as after a burst.
std::vector<std::byte> FullBatch() {
    std::vector<std::byte> bytes;
    for (int i = 0; bytes.size() < 64 * 1024 - 64; ++i) {
        const std::string name = "file-" + std::to_string(100000 + i) + ".txt";
        const size_t start = bytes.size();
        const uint32_t header[3] = {0, kActionAdded, static_cast<uint32_t>(name.size() * 2)};
        bytes.resize(start + 12 + name.size() * 2);
        std::memcpy(bytes.data() + start, header, 12);
        for (size_t c = 0; c < name.size(); ++c) bytes[start + 12 + 2 * c] = std::byte(name[c]);
        bytes.resize((bytes.size() + 3) & ~size_t{3});
        const uint32_t next = static_cast<uint32_t>(bytes.size() - start);
        if (bytes.size() < 64 * 1024 - 64) std::memcpy(bytes.data() + start, &next, 4);
    }
    return bytes;
}

void BM_DecodeFullBuffer(benchmark::State& state) {
    const std::vector<std::byte> batch = FullBatch();
    size_t records = 0;
    for (auto _ : state) {
        records = ProcessNotifications(batch.data(), batch.size()).size();
        benchmark::DoNotOptimize(records);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * records));
}
BENCHMARK(BM_DecodeFullBuffer);

void BM_StoreMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        EventStore store;
        for (int i = 0; i < 1'000'000; ++i)
            store.Append({i % 5, "2026/12/10 11:42:07", "文件", "新建", "file.txt"});
        benchmark::DoNotOptimize(store.size());
        state.counters["overhead_bytes_per_row"] = static_cast<double>(store.OverheadBytes()) / 1e6;
    }
}
BENCHMARK(BM_StoreMillionRows)->Unit(benchmark::kMillisecond);

void BM_ParseLog(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 100'000; ++i) text += "0?2026/12/10 11:42:07?文件?新建?子目录\\file.txt\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(ParseEventLines(text).rows.size());
    state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(BM_ParseLog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemora
