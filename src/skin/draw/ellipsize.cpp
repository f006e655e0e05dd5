#include "skin/draw/ellipsize.h"

#include <cstdint>

namespace vemora::skin {
namespace {

// The length of the text without its last character (continuation bytes go with it).
size_t WithoutLastCharacter(const std::string& text) {
    size_t n = text.size();
    if (n == 0) return 0;
    --n;
    while (n > 0 && (uint8_t(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

}  // namespace

void EllipsizeText(std::string& text, int maxWidth, const TextMeasure& measure) {
    if (measure(text) <= maxWidth) return;
    static constexpr std::string_view kDots = "...";
    std::string candidate;
    while (!text.empty()) {
        text.resize(WithoutLastCharacter(text));
        candidate.assign(text).append(kDots);
        if (measure(candidate) <= maxWidth) break;
    }
    text.append(kDots);
}

}  // namespace vemora::skin
