// Benchmarks of skin composition. Each one also reports x_memcpy: its time over the time
// of memcpy of the same number of output bytes, both measured in this run, alternately, in
// thread CPU time, taking the best of several rounds (these machines are shared and noisy).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <functional>
#include <random>
#include <vector>

#include "memcpy_ratio.h"
#include "skin/draw/effects.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/nine_area.h"

namespace {

using namespace vemora::skin;

Image24 Noise(int w, int h, uint32_t stream) {
    Image24 image(w, h);
    std::mt19937 random(stream);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = image.ScanLine(y);
        for (int i = 0; i < 3 * w; ++i) row[i] = uint8_t(random());
    }
    return image;
}

// The program's own frame geometry (378 × 169 picture, client area inset 8, 27, 8, 7),
// grown to a W × H window the way the frame grows it.
struct FrameGeometry {
    NineAreaPoints source{{10, 29}, {365, 28}, {10, 159}, {367, 157}, {8, 27, 370, 162}};
    NineAreaPoints target;
    FrameGeometry(int w, int h) {
        const int dx = w - 378, dy = h - 169;
        const NineAreaPoints& s = source;
        target = NineAreaPoints{s.lt,
                                {s.rt.x + dx, s.rt.y},
                                {s.lb.x, s.lb.y + dy},
                                {s.rb.x + dx, s.rb.y + dy},
                                {s.client.left, s.client.top, s.client.right + dx, s.client.bottom + dy}};
    }
};

size_t StripBytes(const BorderStrips& s) {
    return s.top.ByteSize() + s.bottom.ByteSize() + s.left.ByteSize() + s.right.ByteSize();
}

void BorderStripsBench(benchmark::State& state, const StretchFlags& stretch) {
    const Image24 picture = Noise(378, 169, 1);
    const FrameGeometry g(1920, 1080);
    const auto build = [&] {
        BorderStrips strips =
            BuildStretchBorderStrips(g.source, g.target, picture, {0, 0, 378, 169}, 1920, 1080, stretch);
        benchmark::DoNotOptimize(strips.top.Bits());
    };
    for (auto _ : state) build();
    const size_t bytes = StripBytes(
        BuildStretchBorderStrips(g.source, g.target, picture, {0, 0, 378, 169}, 1920, 1080, stretch));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    ReportAgainstMemcpy(state, build, bytes);
}

// The program's flags: top, left and right stretched, bottom tiled. A repaint at the same size.
void BM_BorderStrips1920x1080(benchmark::State& state) {
    BorderStripsBench(state, StretchFlags{true, true, true, false});
}
BENCHMARK(BM_BorderStrips1920x1080)->Unit(benchmark::kMicrosecond);

// The same while the window is being resized: a new width every time, so nothing composed
// for the last size can be reused.
void BM_BorderStripsResizing1920x1080(benchmark::State& state) {
    const Image24 picture = Noise(378, 169, 1);
    int step = 0;
    const auto build = [&] {
        const int w = 1920 + step++ % 64;
        const FrameGeometry g(w, 1080);
        BorderStrips strips = BuildStretchBorderStrips(g.source, g.target, picture, {0, 0, 378, 169}, w, 1080,
                                                       StretchFlags{true, true, true, false});
        benchmark::DoNotOptimize(strips.top.Bits());
    };
    for (auto _ : state) build();
    const FrameGeometry g(1920, 1080);
    const size_t bytes = StripBytes(BuildStretchBorderStrips(
        g.source, g.target, picture, {0, 0, 378, 169}, 1920, 1080, StretchFlags{true, true, true, false}));
    ReportAgainstMemcpy(state, build, bytes);
}
BENCHMARK(BM_BorderStripsResizing1920x1080)->Unit(benchmark::kMicrosecond);

void BM_BorderStripsTiled1920x1080(benchmark::State& state) {
    BorderStripsBench(state, StretchFlags{});
}
BENCHMARK(BM_BorderStripsTiled1920x1080)->Unit(benchmark::kMicrosecond);

void BM_NineAreaTiled1920x1080(benchmark::State& state) {
    const Image24 picture = Noise(378, 169, 2);
    const FrameGeometry g(1920, 1080);
    const auto build = [&] {
        Image24 image = BuildNineAreaImage(g.source, g.target, picture, {0, 0, 378, 169}, 1920, 1080, true);
        benchmark::DoNotOptimize(image.Bits());
    };
    for (auto _ : state) build();
    const size_t bytes = Image24(1920, 1080).ByteSize();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    ReportAgainstMemcpy(state, build, bytes);
}
BENCHMARK(BM_NineAreaTiled1920x1080)->Unit(benchmark::kMicrosecond);

void MaskBench(benchmark::State& state, const Image24& mask) {
    const auto scan = [&] {
        const auto region = MaskToRegionRects(mask, 0, 0);
        std::vector<uint8_t> data = RegionDataBytes(*region);
        benchmark::DoNotOptimize(data.data());
    };
    for (auto _ : state) scan();
    const size_t out = RegionDataBytes(*MaskToRegionRects(mask, 0, 0)).size();
    state.counters["rects"] = double((out - 32) / 16);
    ReportAgainstMemcpy(state, scan, out, "x_memcpy_out");
    ReportAgainstMemcpy(state, scan, mask.ByteSize(), "x_memcpy_mask");
}

// A frame mask: black with rounded corners, white around.
void BM_MaskToRegionRects3840x2160(benchmark::State& state) {
    Image24 mask(3840, 2160);
    for (int y : {0, 1, 2, 2157, 2158, 2159}) {
        const int cut = y < 3 ? 5 - 2 * y : 5 - 2 * (2159 - y);
        for (int x = 0; x < cut; ++x) {
            mask.SetPixel(x, y, 0xFFFFFF);
            mask.SetPixel(3839 - x, y, 0xFFFFFF);
        }
    }
    MaskBench(state, mask);
}
BENCHMARK(BM_MaskToRegionRects3840x2160)->Unit(benchmark::kMicrosecond);

// A hostile one: random black and white pixels, about two million runs.
void BM_MaskToRegionRectsNoise3840x2160(benchmark::State& state) {
    Image24 mask(3840, 2160);
    std::mt19937 random(3);
    for (int y = 0; y < 2160; ++y) {
        for (int x = 0; x < 3840; ++x) mask.SetPixel(x, y, random() & 1 ? 0xFFFFFF : 0);
    }
    MaskBench(state, mask);
}
BENCHMARK(BM_MaskToRegionRectsNoise3840x2160)->Unit(benchmark::kMicrosecond);

void BlendBench(benchmark::State& state, double k) {
    Image24 image = Noise(1920, 1080, 4);
    const Image24 other = Noise(1920, 1080, 5);
    const auto blend = [&] {
        Blend(image, other, k);
        benchmark::DoNotOptimize(image.Bits());
    };
    for (auto _ : state) blend();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(image.ByteSize()));
    ReportAgainstMemcpy(state, blend, image.ByteSize());
}

// A control drawn with alpha 200 over its background.
void BM_Blend1920x1080Alpha200(benchmark::State& state) {
    BlendBench(state, 1 - 200 / 255.0);
}
BENCHMARK(BM_Blend1920x1080Alpha200)->Unit(benchmark::kMicrosecond);

// A factor with exact halves: the result depends on the even neighbour.
void BM_Blend1920x1080Half(benchmark::State& state) {
    BlendBench(state, 0.5);
}
BENCHMARK(BM_Blend1920x1080Half)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFrame(benchmark::State& state) {
    const size_t bytes = size_t(3 * 1920) * 1080;
    std::vector<unsigned char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
