// The integer reading rule shared by Vemora.ini and the skin description.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vemora {

// Decimal, or hexadecimal after "$" or "0x"/"0X", with an optional sign; leading blanks are
// skipped. Decimal stays within the signed 32-bit range; hexadecimal spans all 32 bits
// ($FFFFFFFF is -1). Anything else is no integer.
std::optional<int32_t> ParseInteger(std::string_view text);

}  // namespace vemora
