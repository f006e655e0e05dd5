// Any 16-bit name survives UTF-8 and back; any byte string converts without overruns.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    if (vemora::Utf8ToUtf16(vemora::Utf16ToUtf8(units)) != units) __builtin_trap();
    vemora::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
