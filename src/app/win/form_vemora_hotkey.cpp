// Ctrl+Alt+M hides and shows the main window from anywhere.
#include "app/win/form_vemora.h"

namespace vemora {
namespace {
constexpr UINT kHotKeyModifiers = MOD_ALT | MOD_CONTROL;
constexpr UINT kHotKeyKey = 0x4D;  // M
}  // namespace

void TFormVemora::RegisterMainHotKey() {
    const ATOM atom = GlobalAddAtomW(L"UserDefineHotKey");
    FHotKeyId = atom - 0xC000;
    // Another program may hold the key: the program runs without it and the status bar says so.
    hotKeyRegistered_ = atom != 0 && RegisterHotKey(hwnd(), FHotKeyId, kHotKeyModifiers, kHotKeyKey);
    SetWarning(warning_);
}

LRESULT TFormVemora::WMHotKey(WPARAM, LPARAM lp) {
    if (HIWORD(lp) != kHotKeyKey) return 1;
    if (IsWindowVisible(hwnd())) {
        if (!FShowTray) SetTrayIconEnabled(false);
        ShowWindow(hwnd(), SW_HIDE);
    } else {
        SetTrayIconEnabled(true);  // whatever showtray says: the way back must be visible
        ShowWindow(hwnd(), SW_SHOW);
        SetForegroundWindow(hwnd());
    }
    return 1;
}

}  // namespace vemora
