// UTF-16 <-> UTF-8 conversion for the portable code.
//
// Windows names are sequences of 16-bit units that need not be valid UTF-16, so the
// conversion is the generalised form (WTF-8): an unpaired surrogate becomes its own
// three-byte sequence and converts back to the same unit. A name the system reported
// therefore survives a round trip exactly.
#pragma once

#include <string>
#include <string_view>

namespace vemora {

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace vemora
