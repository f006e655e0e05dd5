#include "win/controls/hints.h"

#include <commctrl.h>

#include "win/text.h"

namespace vemora::win {

Hints::~Hints() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

bool Hints::Create(HWND owner) {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                        0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    return tooltip_ != nullptr;
}

void Hints::Add(const Control& control, std::string_view text) {
    std::wstring wide = Widen(text);
    TTTOOLINFOW tool{sizeof(tool)};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control.hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = wide.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string Hints::TextOf(const Control& control) const {
    wchar_t buffer[256] = {};
    TTTOOLINFOW tool{sizeof(tool)};
    tool.hwnd = GetParent(control.hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = buffer;
    SendMessageW(tooltip_, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
    return Narrow(buffer);
}

}  // namespace vemora::win
