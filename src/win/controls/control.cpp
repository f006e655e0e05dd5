#include "win/controls/control.h"

#include <commctrl.h>

#include "win/text.h"
#include "win/window.h"

namespace vemora::win {
namespace {
constexpr wchar_t kControlProperty[] = L"VemoraControl";
constexpr UINT_PTR kSubclassId = 0x56454D;
}  // namespace

Control::~Control() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

Control* Control::FromHwnd(HWND hwnd) {
    return static_cast<Control*>(GetPropW(hwnd, kControlProperty));
}

bool Control::CreateControl(const wchar_t* className, std::string_view text, DWORD style, DWORD exStyle,
                            int x, int y, int w, int h, HWND parent) {
    hwnd_ = CreateWindowExW(exStyle, className, Widen(text).c_str(), style | WS_CHILD | WS_VISIBLE, x, y, w,
                            h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return false;
    SetPropW(hwnd_, kControlProperty, this);
    SetWindowSubclass(hwnd_, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetFont(reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)));
    return true;
}

std::string Control::Text() const {
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring text(n + 1, L'\0');
    text.resize(GetWindowTextW(hwnd_, text.data(), n + 1));
    return Narrow(text);
}

void Control::SetText(std::string_view text) {
    SetWindowTextW(hwnd_, Widen(text).c_str());
}

void Control::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
}

void Control::SetFont(HFONT font) {
    if (font) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

LRESULT Control::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Control*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId);
        RemovePropW(hwnd, kControlProperty);
        self->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    return Guarded(
        hwnd, [&] { return self->SubclassMessage(msg, wp, lp); },
        [&] { return DefSubclassProc(hwnd, msg, wp, lp); });
}

}  // namespace vemora::win
