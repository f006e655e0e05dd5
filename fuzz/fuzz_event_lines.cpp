// Log files from anywhere: every line that parses must format back to itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/event_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vemora::ParsedEvents parsed = vemora::ParseEventLines(text);
    for (const vemora::EventRow& row : parsed.rows) {
        const std::optional<vemora::EventRow> again = vemora::ParseEventLine(vemora::FormatEventLine(row));
        if (!again || !(*again == row)) __builtin_trap();
    }
    return 0;
}
