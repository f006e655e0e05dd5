#include "core/sysnative.h"

namespace vemora {
namespace {

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

bool PassesThroughSysnative(std::wstring_view path) {
    while (!path.empty()) {
        const size_t end = path.find_first_of(L"\\/");
        if (EqualsIgnoringAsciiCase(path.substr(0, end), L"sysnative")) return true;
        if (end == std::wstring_view::npos) break;
        path.remove_prefix(end + 1);
    }
    return false;
}

}  // namespace vemora
