// Values of Vemora.ini as anyone may have edited them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "core/integer_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<int32_t> value = vemora::ParseInteger(text);
    // A plain decimal number reads as itself.
    if (value && !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos && text[0] != '0') {
        if (std::to_string(*value) != text) __builtin_trap();
    }
    vemora::ReadBoolSetting(text, true);
    return 0;
}
