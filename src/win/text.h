// The one place where text crosses the Win32 boundary: UTF-8 inside, UTF-16 for the W
// functions, and the system's ANSI code page for the files users exchange.
#pragma once

#include <string>
#include <string_view>

namespace vemora::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

std::string ToAnsi(std::string_view utf8);  // characters outside the code page become '?'
// The same into a buffer of utf8.size() bytes, without allocating (the code page never
// takes more bytes than UTF-8); returns the bytes written.
size_t ToAnsi(std::string_view utf8, char* out);
std::string FromAnsi(std::string_view ansi);

}  // namespace vemora::win
