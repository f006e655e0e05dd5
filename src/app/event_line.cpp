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

std::optional<EventRowView> ParseEventLineView(std::string_view line) {
    const size_t first = line.find('?');
    const std::string_view index = line.substr(0, first);
    EventRowView row;
    const auto [end, ec] = std::from_chars(index.data(), index.data() + index.size(), row.image);
    if (index.empty() || ec != std::errc() || end != index.data() + index.size()) return std::nullopt;
    std::string_view rest = first == std::string_view::npos ? std::string_view() : line.substr(first + 1);
    row.time = TakeField(rest);
    row.type = TakeField(rest);
    row.action = TakeField(rest);
    row.name = rest;
    return row;
}

std::optional<EventRow> ParseEventLine(std::string_view line) {
    const std::optional<EventRowView> view = ParseEventLineView(line);
    if (!view) return std::nullopt;
    return EventRow{view->image, std::string(view->time), std::string(view->type), std::string(view->action),
                    std::string(view->name)};
}

bool EventLineReader::Line(std::string_view line) {
    ++lineNumber_;
    if (line.empty()) return true;
    const std::optional<EventRowView> row = ParseEventLineView(line);
    if (!row) {
        errorLine_ = lineNumber_;
        errorText_ = line;
        return false;
    }
    sink_(*row);
    return true;
}

bool EventLineReader::Feed(std::string_view text) {
    if (errorLine_ != 0) return false;
    if (afterCr_ && !text.empty()) {
        afterCr_ = false;
        if (text.front() == '\n') text.remove_prefix(1);  // the LF of a CR LF the last piece split
    }
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            partial_.append(text);
            break;
        }
        bool parsed = true;
        if (partial_.empty()) {
            parsed = Line(text.substr(0, end));
        } else {
            partial_.append(text.substr(0, end));
            parsed = Line(partial_);
            partial_.clear();
        }
        if (!parsed) return false;
        if (text[end] == '\r') {
            if (end + 1 == text.size()) afterCr_ = true;
            if (end + 1 < text.size() && text[end + 1] == '\n') text.remove_prefix(1);
        }
        text.remove_prefix(end + 1);
    }
    return true;
}

bool EventLineReader::Finish() {
    if (errorLine_ != 0) return false;
    afterCr_ = false;
    if (partial_.empty()) return true;
    const std::string last = std::move(partial_);
    partial_.clear();
    return Line(last);
}

ParsedEvents ParseEventLines(std::string_view text) {
    ParsedEvents result;
    EventLineReader reader([&](const EventRowView& row) {
        result.rows.push_back({row.image, std::string(row.time), std::string(row.type),
                               std::string(row.action), std::string(row.name)});
    });
    if (reader.Feed(text)) reader.Finish();
    result.errorLine = reader.errorLine();
    result.errorText = reader.errorText();
    return result;
}

}  // namespace vemora
