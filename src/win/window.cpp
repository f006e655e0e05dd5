#include "win/window.h"

#include <exception>
#include <string>

#include "win/controls/control.h"
#include "win/text.h"

namespace vemora::win {

Window::~Window() {
    Destroy();
}

void Window::Destroy() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

bool Window::Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                    int w, int h, HWND parent, HICON icon, UINT classStyle) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    if (!GetClassInfoExW(instance, className, &wc)) {
        wc = {sizeof(wc)};
        wc.lpfnWndProc = &Window::Proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        wc.hIcon = icon;
        wc.hIconSm = icon;
        wc.style = classStyle;
        if (!RegisterClassExW(&wc)) return false;
    }
    return CreateWindowExW(exStyle, className, title, style, x, y, w, h, parent, nullptr, instance, this) !=
           nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToControl(msg, wp, lp, result)) return result;
    return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(msg, wp, lp);
    } catch (const std::exception& e) {
        // Nothing may unwind through the system's frames; the user hears of it instead.
        MessageBoxW(hwnd, Widen(std::string("程序内部错误: ") + e.what()).c_str(), L"Vemora",
                    MB_OK | MB_ICONERROR);
        result = DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

LRESULT Guarded(HWND hwnd, const std::function<LRESULT()>& handler,
                const std::function<LRESULT()>& fallback) {
    try {
        return handler();
    } catch (const std::exception& e) {
        // Nothing may unwind through the system's frames; the user hears of it instead.
        MessageBoxW(hwnd, Widen(std::string("程序内部错误: ") + e.what()).c_str(), L"Vemora",
                    MB_OK | MB_ICONERROR);
        return fallback();
    }
}

bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    Control* control = nullptr;
    switch (msg) {
        case WM_COMMAND:
            if (lp) control = Control::FromHwnd(reinterpret_cast<HWND>(lp));
            if (control) return control->OnCommand(HIWORD(wp), result);
            return false;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            control = Control::FromHwnd(header->hwndFrom);
            return control && control->OnNotify(*header, result);
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            control = Control::FromHwnd(reinterpret_cast<HWND>(lp));
            return control && control->OnColor(reinterpret_cast<HDC>(wp), result);
        default:
            return false;
    }
}

bool ContainerWindow::Create(HWND parent, int x, int y, int w, int h, DWORD exStyle) {
    return Window::Create(L"VemoraContainer", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          exStyle, x, y, w, h, parent);
}

}  // namespace vemora::win
