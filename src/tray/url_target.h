// What a hyperlink label opens when it is clicked.
#pragma once

#include <string>
#include <string_view>

namespace vemora {

// The URL when it holds more than white space, else the caption; surrounding white space and
// control characters are dropped. Empty when neither names anything.
std::string UrlTarget(std::string_view url, std::string_view caption);

// True when the target's extension, in capitals, is ".HTM" (the part after the last dot of
// the last path element).
bool IsHtmTarget(std::string_view target);

}  // namespace vemora
