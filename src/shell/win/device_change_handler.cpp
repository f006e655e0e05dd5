#include "shell/win/device_change_handler.h"

#include "win/text.h"

namespace vemora::shell::win {

TRzDeviceChangeHandler& TRzDeviceChangeHandler::Instance() {
    static TRzDeviceChangeHandler handler;
    return handler;
}

TRzDeviceChangeHandler::TRzDeviceChangeHandler() {
    // A top-level window (not message-only): only those receive the broadcast.
    Create(L"TRzDeviceChangeHandler", L"", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr);
    showError = [](const std::exception& e) {
        MessageBoxW(nullptr, vemora::win::Widen(e.what()).c_str(), L"", MB_OK | MB_ICONERROR);
    };
}

LRESULT TRzDeviceChangeHandler::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DEVICECHANGE) {
        PostMessageW(hwnd(), kReposted, wp, lp);
        return Default(msg, wp, lp);
    }
    if (msg == kReposted) {
        callbacks_.Dispatch(static_cast<std::uint32_t>(wp), static_cast<std::uintptr_t>(lp), showError);
        return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace vemora::shell::win
