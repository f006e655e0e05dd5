#include "app/event_line.h"

#include <charconv>

namespace vemora {
namespace {

std::string_view TakeField(std::string_view& rest) {
    const size_t p = rest.find('?');
    if (p == std::string_view::npos) return {};  // no separator left: empty field, rest stays whole
    const std::string_view field = rest.substr(0, p);
    rest.remove_prefix(p + 1);
    return field;
}

}  // namespace

std::string FormatEventLine(const EventRow& row) {
    std::string line = std::to_string(row.image);
    for (const std::string* field : {&row.time, &row.type, &row.action, &row.name}) {
        line += '?';
        line += *field;
    }
    return line;
}

std::optional<EventRow> ParseEventLine(std::string_view line) {
    const size_t first = line.find('?');
    const std::string_view index = line.substr(0, first);
    EventRow row;
    const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), row.image);
    if (index.empty() || ec != std::errc() || end != index.data() + index.size()) return std::nullopt;
    std::string_view rest = first == std::string_view::npos ? std::string_view() : line.substr(first + 1);
    row.time = TakeField(rest);
    row.type = TakeField(rest);
    row.action = TakeField(rest);
    row.name = rest;
    return row;
}

ParsedEvents ParseEventLines(std::string_view text) {
    ParsedEvents result;
    int lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        ++lineNumber;
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n' && (pos == end || text[pos - 1] == '\r')) ++pos;
        if (line.empty()) continue;
        std::optional<EventRow> row = ParseEventLine(line);
        if (!row) {
            result.errorLine = lineNumber;
            result.errorText = line;
            break;
        }
        result.rows.push_back(std::move(*row));
    }
    return result;
}

}  // namespace vemora
