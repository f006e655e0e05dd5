// The interface strings of skinned frame menus and hints, replaceable as a whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vemora::skin {

class TspResourceStrData {
  public:
    // Filled with the default strings.
    TspResourceStrData();

    // The text after the first "=" of the first entry whose name matches without regard to
    // ASCII letter case; "" when there is none.
    std::string GetResStr(std::string_view name) const;

    // Each entry is a name, "=", and a text.
    std::vector<std::string> ResStrings;
    // The character set of the fonts the texts are drawn with.
    int32_t CharSet = 1;
};

}  // namespace vemora::skin
