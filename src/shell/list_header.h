// Where the report list's header draws an item's text, image and sort arrow.
#pragma once

#include <array>
#include <optional>

#include "shell/list_sort.h"

namespace vemora::shell {

enum class HeaderSortDisplayMode { hsdmNone, hsdmLeftAlign, hsdmRightOfText, hsdmRightAlign };
enum class ColumnAlignment { kLeft, kRight, kCenter };

// Right and bottom are exclusive, as for Win32 rectangles.
struct ListRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ListRect&, const ListRect&) = default;
};
struct ListPoint {
    int x = 0, y = 0;
    friend bool operator==(const ListPoint&, const ListPoint&) = default;
};

// The item rectangle shrunk by 2 on every side, then 4 more from the left and the right.
ListRect HeaderContentRect(const ListRect& item);
// The square-ish box the arrow is drawn in, at the content rectangle's left.
ListRect ArrowBox(const ListRect& content);
// The filled triangle in a box: up for ascending, down for descending; none when the
// column is not wider than twice the box.
std::optional<std::array<ListPoint, 3>> SortTriangle(const ListRect& box, SortDirection direction,
                                                     int columnWidth);

struct HeaderItemInput {
    ListRect item;  // the header item's rectangle
    HeaderSortDisplayMode mode = HeaderSortDisplayMode::hsdmRightOfText;
    ColumnAlignment alignment = ColumnAlignment::kLeft;
    bool sortColumn = false;
    SortDirection direction = SortDirection::kAscending;
    int textWidth = 0;   // of the whole caption in the list's font
    int imageWidth = 0;  // of the column's image, 0 without one
};
struct HeaderItemLayout {
    ListRect text;                   // one line, ellipsized, aligned as the column
    std::optional<ListPoint> image;  // top-left of the column's image
    std::optional<std::array<ListPoint, 3>> arrow;
};
HeaderItemLayout LayOutHeaderItem(const HeaderItemInput& in);

}  // namespace vemora::shell
