// The "?"-separated line format shared by the daily log, saved lists and opened files:
//   image?time?type?action?name     (lines end with CR LF)
// Text here is UTF-8; the files hold it in the system's ANSI code page, converted at I/O.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/event_row.h"

namespace vemora {

std::string FormatEventLine(const EventRow& row);  // without the line end

// Parses one line. The image index is the text before the first "?" (so "-1" reads back);
// time, type and action each end at the next "?", and the name is the rest, "?" included.
std::optional<EventRow> ParseEventLine(std::string_view line);

struct ParsedEvents {
    std::vector<EventRow> rows;
    int errorLine = 0;  // 1-based number of the first line that does not parse; 0 when all did
    std::string errorText;
};

// Splits at CR, LF or CR LF, skips empty lines and stops at the first line that does not
// parse, keeping the rows before it.
ParsedEvents ParseEventLines(std::string_view text);

}  // namespace vemora
