#include "skin/draw/win/screen.h"

#include <algorithm>

namespace vemora::skin {
namespace {

struct Functions {
    using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    MonitorFromWindowFn monitorFromWindow = nullptr;
    GetMonitorInfoFn getMonitorInfo = nullptr;
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
};

// Looked up once: older systems lack the monitor and layered-window functions, and the
// program must still start there.
const Functions& User32() {
    static const Functions functions = [] {
        Functions f;
        if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            f.monitorFromWindow = reinterpret_cast<Functions::MonitorFromWindowFn>(
                reinterpret_cast<void*>(GetProcAddress(user32, "MonitorFromWindow")));
            f.getMonitorInfo = reinterpret_cast<Functions::GetMonitorInfoFn>(
                reinterpret_cast<void*>(GetProcAddress(user32, "GetMonitorInfoW")));
            f.setLayeredWindowAttributes = reinterpret_cast<Functions::SetLayeredWindowAttributesFn>(
                reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
        }
        return f;
    }();
    return functions;
}

Rect FromRECT(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void CopyScreenArea(int x, int y, const DibSection& bitmap) {
    if (bitmap.IsEmpty()) return;
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    BitBlt(bitmap.Dc(), 0, 0, bitmap.Width(), bitmap.Height(), screen, x, y, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

bool SetWindowAlpha(HWND window, int alpha) {
    const auto set = User32().setLayeredWindowAttributes;
    return set && set(window, 0, BYTE(std::clamp(alpha, 0, 255)), LWA_ALPHA) != 0;
}

Rect GetDesktopArea(bool workArea) {
    RECT r{};
    if (workArea && SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return FromRECT(r);
    return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Rect GetMonitorArea(HWND window, bool workArea) {
    const Functions& f = User32();
    if (GetSystemMetrics(SM_CMONITORS) > 1 && f.monitorFromWindow && f.getMonitorInfo) {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (HMONITOR monitor = f.monitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
            monitor && f.getMonitorInfo(monitor, &info)) {
            return FromRECT(workArea ? info.rcWork : info.rcMonitor);
        }
    }
    return GetDesktopArea(workArea);
}

bool IsWindowsXPVersion(DWORD version) {
    return LOBYTE(LOWORD(version)) == 5 && HIBYTE(LOWORD(version)) == 1;
}

bool IsWindows2000FamilyVersion(DWORD version) {
    const BYTE major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
    return major == 5 && minor <= 2;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
bool IsWindowsXP() {
    return IsWindowsXPVersion(GetVersion());
}

bool IsWindows2000Family() {
    return IsWindows2000FamilyVersion(GetVersion());
}
#pragma GCC diagnostic pop

}  // namespace vemora::skin
