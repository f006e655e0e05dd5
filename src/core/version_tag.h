#pragma once

#include <string>
#include <string_view>

namespace vemora {

inline constexpr char kVersion[] = "2.8";

// Replaces every "$V$", in any letter case, with the version.
std::string ReplaceVersionTag(std::string_view text, std::string_view version);

}  // namespace vemora
