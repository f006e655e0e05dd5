// What the skin costs at start: inflating the block Vemora.exe carries, decoding its
// pictures, and parsing the description into records.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/skin_ini.h"
#include "skin/data/stored_skin.h"

namespace {

using namespace vemora::skin;

const TspCompressedStoredSkin& VemoraSkin() {
    static const TspCompressedStoredSkin stored = [] {
        std::ifstream file(VEMORA_SKIN_BLOCK_PATH, std::ios::binary);
        const std::vector<uint8_t> block{std::istreambuf_iterator<char>(file),
                                         std::istreambuf_iterator<char>()};
        TspCompressedStoredSkin s;
        s.SetCompressedData(block);
        return s;
    }();
    return stored;
}

void BM_SkinInflate(benchmark::State& state) {
    size_t inflatedSize = 0;
    for (auto _ : state) {
        std::vector<uint8_t> inflated;
        VemoraSkin().Decompress(inflated);
        inflatedSize = inflated.size();
        benchmark::DoNotOptimize(inflated.data());
    }
    state.counters["compressed_bytes"] = double(VemoraSkin().CompressedStream().size());
    state.counters["inflated_bytes"] = double(inflatedSize);
}
BENCHMARK(BM_SkinInflate)->Unit(benchmark::kMillisecond);

void BM_SkinReadContainer(benchmark::State& state) {
    std::vector<uint8_t> inflated;
    VemoraSkin().Decompress(inflated);
    for (auto _ : state) benchmark::DoNotOptimize(ReadSkinContainer(inflated));
}
BENCHMARK(BM_SkinReadContainer)->Unit(benchmark::kMillisecond);

// The whole start-up load: inflate, decode, parse, build every record.
void BM_SkinLoadAtStart(benchmark::State& state) {
    for (auto _ : state) {
        TspSkinData skin;
        skin.SetCompressedStoredSkin(&VemoraSkin());
        benchmark::DoNotOptimize(skin.SkinControls.data());
    }
}
BENCHMARK(BM_SkinLoadAtStart)->Unit(benchmark::kMillisecond);

}  // namespace
