#include "tray/url_target.h"

namespace vemora {
namespace {

// Space and the control characters, as the trimming of the original captions counted them.
bool IsBlankByte(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlankByte(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankByte(text.back())) text.remove_suffix(1);
    return text;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string UrlTarget(std::string_view url, std::string_view caption) {
    const std::string_view target = Trimmed(url);
    return std::string(target.empty() ? Trimmed(caption) : target);
}

bool IsHtmTarget(std::string_view target) {
    const size_t dot = target.find_last_of(".\\/:");
    if (dot == std::string_view::npos || target[dot] != '.') return false;
    const std::string_view extension = target.substr(dot);
    constexpr std::string_view kHtm = ".HTM";
    if (extension.size() != kHtm.size()) return false;
    for (size_t i = 0; i < kHtm.size(); ++i) {
        if (Upper(extension[i]) != kHtm[i]) return false;
    }
    return true;
}

}  // namespace vemora
