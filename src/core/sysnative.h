// The Sysnative alias: how a 32-bit program on 64-bit Windows names the real System32
// while the file-system redirection is on. The alias exists only while redirection is on.
#pragma once

#include <string_view>

namespace vemora {

// True when a component of the path is "Sysnative", in any letter case.
bool PassesThroughSysnative(std::wstring_view path);

}  // namespace vemora
