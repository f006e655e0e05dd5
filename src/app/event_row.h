// One row of the event list: what a change record becomes, and what a log line holds.
#pragma once

#include <string>
#include <string_view>

namespace vemora {

inline constexpr char kTypeFile[] = "文件";
inline constexpr char kTypeDirectory[] = "目录";
inline constexpr int kNoImage = -1;

struct EventRow {
    int image = kNoImage;  // state image of the list, -1 for none
    std::string time;
    std::string type;
    std::string action;
    std::string name;

    bool operator==(const EventRow&) const = default;
};

// A row whose texts live elsewhere (a line being parsed, the row store).
struct EventRowView {
    int image = kNoImage;
    std::string_view time, type, action, name;
};

struct MappedAction {
    int image;
    std::string text;
};

// "ADDED" -> {0, "新建"} ... "RENAMED" -> {4, "更名为"}; anything else keeps its own text, no image.
MappedAction MapAction(std::string_view actionName);

}  // namespace vemora
