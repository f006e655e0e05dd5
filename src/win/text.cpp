#include "win/text.h"

#include <windows.h>

#include <algorithm>

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

size_t ToAnsi(std::string_view utf8, char* out) {
    if (utf8.empty()) return 0;
    thread_local std::wstring wide;
    wide.resize(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                          static_cast<int>(wide.size()));
    const int n = units > 0 ? WideCharToMultiByte(CP_ACP, 0, wide.data(), units, out,
                                                  static_cast<int>(utf8.size()), nullptr, nullptr)
                            : 0;
    if (n > 0) return static_cast<size_t>(n);
    const std::string slow = ToAnsi(utf8);  // not valid UTF-8 for the system: the decoder of Widen
    const size_t kept = std::min(slow.size(), utf8.size());
    slow.copy(out, kept);
    return kept;
}

std::string FromAnsi(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    return Narrow(wide);
}

}  // namespace vemora::win
