// Log files from anywhere: every line that parses must format back to itself, and reading the
// text in two pieces, split where the first byte says, must give what the whole text gives.
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

    const size_t at = size == 0 ? 0 : data[0] % (size + 1);
    size_t rows = 0;
    vemora::EventLineReader reader([&](const vemora::EventRowView& row) {
        if (rows >= parsed.rows.size() || row.name != parsed.rows[rows].name) __builtin_trap();
        ++rows;
    });
    if (reader.Feed(text.substr(0, at)) && reader.Feed(text.substr(at))) reader.Finish();
    if (rows != parsed.rows.size() || reader.errorLine() != parsed.errorLine) __builtin_trap();
    return 0;
}
