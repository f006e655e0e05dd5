// The one place where text crosses the Win32 boundary: UTF-8 inside, UTF-16 for the W
// functions, and the system's ANSI code page for the files users exchange.
#pragma once

#include <string>
#include <string_view>

namespace vemora::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

std::string ToAnsi(std::string_view utf8);  // characters outside the code page become '?'
std::string FromAnsi(std::string_view ansi);

}  // namespace vemora::win
