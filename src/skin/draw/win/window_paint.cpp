#include "skin/draw/win/window_paint.h"

namespace vemora::skin {

bool HandleWholePaint(HWND window, UINT msg, WPARAM wp, const std::function<void(HDC)>& paint,
                      LRESULT& result) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(window, &ps);
            paint(dc);
            EndPaint(window, &ps);
            break;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wp));
            break;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        default:
            return false;
    }
    result = 0;
    return true;
}

}  // namespace vemora::skin
