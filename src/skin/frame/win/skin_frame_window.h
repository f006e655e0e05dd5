// The Win32 side of TspDynamicSkinForm: attaches to a host window through a window
// subclass, so the host keeps its own window procedure and other subclassers keep working.
//
// The platform's caption is removed at attachment (WS_CAPTION cleared, the sizing border
// kept); from then on the frame answers the non-client messages and paints the border.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "skin/draw/win/dib_section.h"
#include "skin/frame/dynamic_skin_form.h"
#include "skin/menus/win/frame_menu_mode.h"
#include "win/handles.h"

namespace vemora::skin {

class SkinFrameWindow : private FramePlatform {
  public:
    SkinFrameWindow();
    ~SkinFrameWindow() override;
    SkinFrameWindow(const SkinFrameWindow&) = delete;
    SkinFrameWindow& operator=(const SkinFrameWindow&) = delete;

    // mainForm: minimizing minimizes the application instead of parking the caption bar.
    bool Attach(HWND host, bool mainForm);
    void Detach();
    HWND Host() const { return host_; }

    TspDynamicSkinForm& Form() { return form_; }
    const TspDynamicSkinForm& Form() const { return form_; }

    // The system menu (opened by the caption's right click and the system-menu button),
    // menu mode and the menu-closing check; there while attached.
    FrameMenuMode& Menus() { return *menus_; }

    // Whole-window transparency: AlphaBlendValue while AlphaBlend is set; with the animation
    // the window fades in when shown. Set by the program, not read from the skin.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    int AlphaBlendValue = 200;
    bool AlphaBlendAnimation = false;

    // Ids the frame's timers use on the host window; the host keeps every other id.
    static constexpr UINT_PTR kMorphTimerId = 0x5F20;
    static constexpr UINT_PTR kMouseTimerId = 0x5F21;
    static constexpr UINT_PTR kAlphaTimerId = 0x5F22;

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Previous(UINT msg, WPARAM wp, LPARAM lp);
    bool HandleMouse(UINT msg, WPARAM wp, LPARAM lp);

    void SetLayered(bool layered);
    void FadeIn();

    void PaintSkinFrame();
    void PaintDefaultFrame();
    void PaintClientBackground(HDC dc);
    void DrawCaptionTexts(DibSection& top);
    HICON SmallIcon();

    // FramePlatform
    Rect WindowBounds() const override;
    void SetWindowBounds(const Rect& bounds) override;
    Rect MonitorArea(bool workArea) const override;
    Rect DesktopArea(bool workArea) const override;
    bool IsFormActive() const override;
    bool IsMainForm() const override { return mainForm_; }
    bool IsToolWindow() const override;
    std::string CaptionText() const override;
    void MinimizeApplication() override;
    void CloseHost() override;
    void SetMouseCapture(bool capture) override;
    void SetTimerRunning(FrameTimer timer, bool running) override;
    bool TimerRunning(FrameTimer timer) const override;
    void RepaintObject(TspActiveSkinObject& object) override;
    void RepaintFrame() override;
    void RepaintHost() override;
    void SetWindowRegion(const std::vector<MaskRegion>* parts) override;
    bool ShowSystemMenu(const Rect& anchor) override;
    Point SmallIconSize() const override;
    void DrawSmallIcon(ObjectCanvas& canvas, Point at) override;
    void DrawDefaultButton(ObjectCanvas& canvas, const TspSkinStdButtonObject& button) override;

    void CreateMenus();

    TspDynamicSkinForm form_;
    std::unique_ptr<FrameMenuMode> menus_;
    HWND host_ = nullptr;
    bool mainForm_ = false;
    bool active_ = false;
    bool alphaBlend_ = false;
    bool morphTimer_ = false, mouseTimer_ = false;
    win::UniqueIcon smallIcon_;
    win::UniqueFont captionFont_, defCaptionFont_, defInactiveCaptionFont_;
};

}  // namespace vemora::skin
