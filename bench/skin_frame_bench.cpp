// The skinned frame of a 1920 × 1080 window with Vemora's own skin: composing the whole border
// (strips, caption buttons, caption text placement) for one paint, and the geometry, mask
// strips and region rebuilt for one WM_SIZING step of a live resize. Both against memcpy of
// the strips' bytes (x_memcpy), measured in the same run.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

#include "memcpy_ratio.h"
#include "skin/data/skin_data.h"
#include "skin/frame/dynamic_skin_form.h"

namespace {

using namespace vemora::skin;

const TspSkinData& VemoraSkin() {
    static TspSkinData skin;
    static bool loaded = [] {
        std::ifstream file(VEMORA_SKIN_BLOCK_PATH, std::ios::binary);
        const std::vector<uint8_t> block{std::istreambuf_iterator<char>(file),
                                         std::istreambuf_iterator<char>()};
        TspCompressedStoredSkin stored;
        stored.SetCompressedData(block);
        skin.SetCompressedStoredSkin(&stored);
        return true;
    }();
    (void)loaded;
    return skin;
}

// A window that only holds its bounds; everything else the frame asks for is free.
class BoundsOnly : public FramePlatform {
  public:
    Rect WindowBounds() const override { return bounds; }
    void SetWindowBounds(const Rect& b) override { bounds = b; }
    Rect MonitorArea(bool) const override { return {0, 0, 3840, 2160}; }
    Rect DesktopArea(bool) const override { return {0, 0, 3840, 2160}; }
    bool IsFormActive() const override { return true; }
    bool IsMainForm() const override { return true; }
    bool IsToolWindow() const override { return false; }
    std::string CaptionText() const override { return "Vemora V2.8(目录监视专家)"; }
    void MinimizeApplication() override {}
    void CloseHost() override {}
    void SetMouseCapture(bool) override {}
    void SetTimerRunning(FrameTimer, bool) override {}
    bool TimerRunning(FrameTimer) const override { return true; }
    void RepaintObject(TspActiveSkinObject&) override {}
    void RepaintFrame() override {}
    void RepaintHost() override {}
    void SetWindowRegion(const std::vector<MaskRegion>* parts) override {
        benchmark::DoNotOptimize(parts ? parts->size() : 0);
    }
    void ShowSystemMenu(Point) override {}
    Point SmallIconSize() const override { return {16, 16}; }
    void DrawSmallIcon(ObjectCanvas&, Point) override {}
    void DrawDefaultButton(ObjectCanvas&, const TspSkinStdButtonObject&) override {}

    Rect bounds{0, 0, 1920, 1080};
};

struct MainFrame {
    BoundsOnly window;
    TspDynamicSkinForm form{window};
    MainFrame() {
        form.MinWidth = 592;
        TspBorderIcons icons;
        icons.biSystemMenu = false;
        form.SetBorderIcons(icons);
        form.SetSkinData(&VemoraSkin());
    }
};

size_t StripBytes(const BorderStrips& s) {
    return s.top.ByteSize() + s.bottom.ByteSize() + s.left.ByteSize() + s.right.ByteSize();
}

// A caption font of about 8 pixels a character: the shortening and placement cost without GDI.
int MeasureCaption(std::string_view text) {
    return 8 * static_cast<int>(text.size());
}

void BM_ComposeFrame1920x1080(benchmark::State& state) {
    MainFrame frame;
    const auto compose = [&] {
        BorderStrips strips = frame.form.ComposeFrame();
        for (auto& object : frame.form.Objects()) {
            if (TspSkinCaptionObject* caption = AsCaption(object.get())) {
                benchmark::DoNotOptimize(PlaceCaptionText(*caption, caption->Text, MeasureCaption, 16));
            }
        }
        benchmark::DoNotOptimize(strips.top.Bits());
    };
    for (auto _ : state) compose();
    ReportAgainstMemcpy(state, compose, StripBytes(frame.form.ComposeFrame()));
}
BENCHMARK(BM_ComposeFrame1920x1080)->Unit(benchmark::kMicrosecond);

// One WM_SIZING step with full-window dragging: a new width each time, as under the pointer.
void BM_SizingStep1920x1080(benchmark::State& state) {
    MainFrame frame;
    frame.form.OnEnterSizeMove(true);
    int step = 0;
    const auto sizing = [&] {
        const int w = 1920 + step++ % 64;
        frame.window.bounds = {0, 0, w, 1080};
        frame.form.OnSizing(w, 1080);
        benchmark::DoNotOptimize(frame.form.Mask().top.Bits());
    };
    for (auto _ : state) sizing();
    const double seconds = ReportAgainstMemcpy(state, sizing, StripBytes(frame.form.ComposeFrame()));
    state.counters["step_us"] = seconds * 1e6;
    state.counters["x_1ms"] = seconds / 1e-3;  // below 1: the frame keeps up with the pointer
}
BENCHMARK(BM_SizingStep1920x1080)->Unit(benchmark::kMicrosecond);

}  // namespace
