// The hint window: a topmost tool window that never takes the focus, drawn from the skin's
// [HINTWINDOW] picture (shaped by its mask) or in the built-in info colours. Its window text
// is the hint it shows, so screen readers and test tools can read it.
#pragma once

#include <windows.h>

#include <string>

#include "skin/draw/geometry.h"
#include "skin/hints/hint_layout.h"
#include "win/handles.h"
#include "win/window.h"

namespace vemora::skin {

class TspSkinHint;
inline constexpr wchar_t kHintWindowClass[] = L"TspSkinHintWindow";

class TspSkinHintWindow : public win::Window {
  public:
    // The window is owned by `owner` (the form), hidden until a hint shows.
    TspSkinHintWindow(TspSkinHint& component, HWND owner);

    // Shows the text with its top-left at r's (moved onto the screen), styled by the first
    // active hint component of the owner form; nothing shows when there is none.
    void ActivateHint(const Rect& r, const std::string& text);
    void Hide();
    bool Showing() const { return hwnd() && IsWindowVisible(hwnd()); }
    TspSkinHint& Component() const { return component_; }
    using win::Window::hwnd;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    struct Look;
    void Paint(HDC dc);
    HFONT Font(const TspSkinHint& styling);

    TspSkinHint& component_;
    const TspSkinHint* styling_ = nullptr;  // the component that styled the current hint
    std::string text_;
    HintGeometry geometry_;
    int textWidth_ = 0;
    int textHeight_ = 0;
    bool alphaApplied_ = false;
    int alphaValueApplied_ = -1;
    win::UniqueFont font_;
};

}  // namespace vemora::skin
