// What the frame needs of the window it is attached to; win/ implements it over an HWND,
// tests over plain state.
#pragma once

#include <string>
#include <vector>

#include "skin/draw/geometry.h"
#include "skin/draw/mask_region.h"
#include "skin/frame/frame_objects.h"

namespace vemora::skin {

enum class FrameTimer { kMorph, kMouse };

class FramePlatform {
  public:
    virtual ~FramePlatform() = default;

    // The window's bounds in screen coordinates.
    virtual Rect WindowBounds() const = 0;
    virtual void SetWindowBounds(const Rect& bounds) = 0;
    // The work area (with the flag) or the whole area of the window's monitor; and of the desktop.
    virtual Rect MonitorArea(bool workArea) const = 0;
    virtual Rect DesktopArea(bool workArea) const = 0;

    virtual bool IsFormActive() const = 0;
    virtual bool IsMainForm() const = 0;
    virtual bool IsToolWindow() const = 0;
    virtual std::string CaptionText() const = 0;

    virtual void MinimizeApplication() = 0;
    // The form's close query and close handlers run.
    virtual void CloseHost() = 0;
    virtual void SetMouseCapture(bool capture) = 0;
    virtual void SetTimerRunning(FrameTimer timer, bool running) = 0;
    virtual bool TimerRunning(FrameTimer timer) const = 0;

    virtual void RepaintObject(TspActiveSkinObject& object) = 0;
    virtual void RepaintFrame() = 0;
    virtual void RepaintHost() = 0;
    // The window outline as the union of the parts; null removes it.
    virtual void SetWindowRegion(const std::vector<MaskRegion>* parts) = 0;

    // At a screen rectangle: a point for the caption's right click, the system-menu button's
    // rectangle for its press. False when the menu has no items and nothing opened.
    virtual bool ShowSystemMenu(const Rect& anchor) = 0;
    virtual Point SmallIconSize() const = 0;
    virtual void DrawSmallIcon(ObjectCanvas& canvas, Point at) = 0;
    virtual void DrawDefaultButton(ObjectCanvas& canvas, const TspSkinStdButtonObject& button) = 0;
    // Another visible skinned form sits minimized at exactly these bounds.
    virtual bool MinimizedFormAt(const Rect&) const { return false; }
};

}  // namespace vemora::skin
