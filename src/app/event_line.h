// The "?"-separated line format shared by the daily log, saved lists and opened files:
//   image?time?type?action?name     (lines end with CR LF)
// Text here is UTF-8; the files hold it in the system's ANSI code page, converted at I/O.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/event_row.h"

namespace vemora {

std::string FormatEventLine(const EventRow& row);  // without the line end

// Parses one line. The image index is the text before the first "?" (so "-1" reads back);
// time, type and action each end at the next "?", and the name is the rest, "?" included.
// The view's texts point into the line.
std::optional<EventRowView> ParseEventLineView(std::string_view line);
std::optional<EventRow> ParseEventLine(std::string_view line);

// Reads log text that arrives in pieces, as a large file is read: a piece may end anywhere,
// even between the CR and the LF of one line end. Lines end at CR, LF or CR LF; empty lines
// are skipped; reading stops at the first line that does not parse, keeping the rows before it.
class EventLineReader {
  public:
    using RowSink = std::function<void(const EventRowView&)>;  // the views live for the call
    explicit EventLineReader(RowSink sink) : sink_(std::move(sink)) {}

    // False once a line did not parse: feed no more.
    bool Feed(std::string_view text);
    bool Finish();  // the last line, when the text does not end with a line end

    int errorLine() const { return errorLine_; }  // 1-based; 0 while every line parsed
    const std::string& errorText() const { return errorText_; }

  private:
    bool Line(std::string_view line);

    RowSink sink_;
    std::string partial_;  // the start of a line the next piece ends
    bool afterCr_ = false;
    int lineNumber_ = 0;
    int errorLine_ = 0;
    std::string errorText_;
};

struct ParsedEvents {
    std::vector<EventRow> rows;
    int errorLine = 0;  // 1-based number of the first line that does not parse; 0 when all did
    std::string errorText;
};

// The whole text at once, by the reader's rules.
ParsedEvents ParseEventLines(std::string_view text);

}  // namespace vemora
