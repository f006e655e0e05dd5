#include "win/text.h"

#include <windows.h>

#include "core/utf.h"

namespace vemora::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Widen(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return {units.begin(), units.end()};
}

std::string Narrow(std::wstring_view utf16) {
    return Utf16ToUtf8({reinterpret_cast<const char16_t*>(utf16.data()), utf16.size()});
}

std::string ToAnsi(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::string FromAnsi(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    return Narrow(wide);
}

}  // namespace vemora::win
