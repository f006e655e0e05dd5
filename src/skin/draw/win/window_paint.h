// The paint messages of a window that draws every pixel of its client area at once, in one
// place: WM_PAINT and WM_PRINTCLIENT run the paint routine on their device context, and
// WM_ERASEBKGND is answered without erasing, so the window never shows an erased state.
#pragma once

#include <windows.h>

#include <functional>

namespace vemora::skin {

// True when `msg` was one of them, with its answer in `result`.
bool HandleWholePaint(HWND window, UINT msg, WPARAM wp, const std::function<void(HDC)>& paint,
                      LRESULT& result);

}  // namespace vemora::skin
