// The frame of a window that exists only as state: bounds, an active flag, a monitor, and a
// record of what the frame asked of it. The skin is Vemora's own, as the build packs it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/frame/dynamic_skin_form.h"

namespace vemora::skin::testing {

inline const TspSkinData& VemoraSkin() {
    static const std::unique_ptr<TspSkinData> skin = [] {
        std::ifstream file(VEMORA_SKIN_BLOCK_PATH, std::ios::binary);
        TspCompressedStoredSkin stored;
        const std::vector<uint8_t> block{std::istreambuf_iterator<char>(file),
                                         std::istreambuf_iterator<char>()};
        stored.SetCompressedData(block);
        auto data = std::make_unique<TspSkinData>();
        data->SetCompressedStoredSkin(&stored);
        return data;
    }();
    return *skin;
}

inline constexpr int kPictureWidth = 378;
inline constexpr int kPictureHeight = 169;

class FakePlatform : public FramePlatform {
  public:
    Rect WindowBounds() const override { return bounds; }
    void SetWindowBounds(const Rect& b) override {
        bounds = b;
        ++boundsChanges;
    }
    Rect MonitorArea(bool workArea) const override { return workArea ? workArea_ : monitor; }
    Rect DesktopArea(bool workArea) const override { return workArea ? workArea_ : desktop; }
    bool IsFormActive() const override { return active; }
    bool IsMainForm() const override { return mainForm; }
    bool IsToolWindow() const override { return toolWindow; }
    std::string CaptionText() const override { return caption; }
    void MinimizeApplication() override { ++applicationMinimized; }
    void CloseHost() override { ++closed; }
    void SetMouseCapture(bool c) override { captured = c; }
    void SetTimerRunning(FrameTimer t, bool running) override {
        (t == FrameTimer::kMorph ? morphTimer : mouseTimer) = running;
    }
    bool TimerRunning(FrameTimer t) const override {
        return t == FrameTimer::kMorph ? morphTimer : mouseTimer;
    }
    void RepaintObject(TspActiveSkinObject& object) override { repainted.push_back(object.IDName); }
    void RepaintFrame() override {}
    void RepaintHost() override {}
    void SetWindowRegion(const std::vector<MaskRegion>* parts) override {
        region = parts ? *parts : std::vector<MaskRegion>{};
    }
    bool ShowSystemMenu(const Rect& anchor) override {
        systemMenuAnchors.push_back(anchor);
        return systemMenuHasItems;
    }
    Point SmallIconSize() const override { return {16, 16}; }
    void DrawSmallIcon(ObjectCanvas&, Point) override {}
    void DrawDefaultButton(ObjectCanvas&, const TspSkinStdButtonObject&) override {}

    Rect bounds{100, 100, 100 + 601, 100 + 444};
    Rect workArea_{0, 0, 1024, 738};
    Rect monitor{0, 0, 1024, 768};
    Rect desktop{0, 0, 1024, 768};
    bool active = true;
    bool mainForm = false;
    bool toolWindow = false;
    std::string caption = "Vemora V2.8";
    int applicationMinimized = 0, closed = 0, boundsChanges = 0;
    std::vector<Rect> systemMenuAnchors;
    bool systemMenuHasItems = true;
    bool captured = false, morphTimer = false, mouseTimer = false;
    std::vector<std::string> repainted;
    std::vector<MaskRegion> region;
};

// A frame set up as the main window sets it up, on a window of the given size at (left, top).
class FrameFixture : public ::testing::Test {
  protected:
    void SetUp() override { Build(601, 444); }

    void Build(int width, int height, int left = 100, int top = 100, int minWidth = 592) {
        platform.bounds = {left, top, left + width, top + height};
        form = std::make_unique<TspDynamicSkinForm>(platform);
        form->MinWidth = minWidth;
        TspBorderIcons icons;
        icons.biSystemMenu = false;
        form->SetBorderIcons(icons);
        form->SetShowIcon(true);
        form->SetSkinData(&VemoraSkin());
        form->OnSize(width, height);
    }

    TspActiveSkinObject& Object(const std::string& name) {
        for (auto& object : form->Objects()) {
            if (object->IDName == name) return *object;
        }
        throw std::runtime_error("no object " + name);
    }
    TspSkinButtonObject& Button(const std::string& name) {
        return dynamic_cast<TspSkinButtonObject&>(Object(name));
    }
    // A window point as the screen point a message carries.
    Point Screen(Point p) const { return {platform.bounds.left + p.x, platform.bounds.top + p.y}; }
    Point Centre(const std::string& name) {
        const Rect& r = Object(name).ObjectRect;
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    int dx() const { return RectWidth(platform.bounds) - kPictureWidth; }

    FakePlatform platform;
    std::unique_ptr<TspDynamicSkinForm> form;
};

}  // namespace vemora::skin::testing
