// Shortening a text to a width with a trailing "...".
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vemora::skin {

// The width of a text in pixels on the canvas it will be drawn on.
using TextMeasure = std::function<int(std::string_view text)>;

// Leaves a text that fits; otherwise gives the longest prefix that fits followed by "...",
// or "..." alone. The text is UTF-8 and is shortened by whole characters.
void EllipsizeText(std::string& text, int maxWidth, const TextMeasure& measure);

}  // namespace vemora::skin
