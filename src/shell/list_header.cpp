#include "shell/list_header.h"

#include <algorithm>

namespace vemora::shell {

ListRect HeaderContentRect(const ListRect& item) {
    return {item.left + 2 + 4, item.top + 2, item.right - 2 - 4, item.bottom - 2};
}

ListRect ArrowBox(const ListRect& content) {
    const int s = (content.top + content.bottom) / 2 - 1;
    const int top = (content.top + content.bottom - s) / 2 - 1;
    return {content.left, top, content.left + s + 1, top + s};
}

std::optional<std::array<ListPoint, 3>> SortTriangle(const ListRect& box, SortDirection direction,
                                                     int columnWidth) {
    if (2 * box.Width() >= columnWidth) return std::nullopt;
    const int h = box.Height() * 3 / 4;
    if (h <= 0) return std::nullopt;
    const int top = box.bottom - h;
    const int left = box.left;
    const int right = left + 2 * h - 2;  // width 2h - 1, both ends included
    const int apexX = left + h - 1;
    if (direction == SortDirection::kAscending) {
        return std::array<ListPoint, 3>{{{left, top + h - 1}, {right, top + h - 1}, {apexX, top}}};
    }
    return std::array<ListPoint, 3>{{{left, top}, {right, top}, {apexX, top + h - 1}}};
}

namespace {

ListRect MovedRightTo(const ListRect& box, int right) {
    return {right - box.Width(), box.top, right, box.bottom};
}

}  // namespace

HeaderItemLayout LayOutHeaderItem(const HeaderItemInput& in) {
    const ListRect content = HeaderContentRect(in.item);
    const int columnWidth = in.item.Width();
    HeaderItemLayout out;
    out.text = content;
    ListRect box = ArrowBox(content);
    bool showArrow = false;

    switch (in.mode) {
        case HeaderSortDisplayMode::hsdmNone:
            break;
        case HeaderSortDisplayMode::hsdmLeftAlign:
            if (in.sortColumn && columnWidth > 15) {
                showArrow = true;
                out.text.left = box.right + 5;
            }
            break;
        case HeaderSortDisplayMode::hsdmRightOfText:
            if (!in.sortColumn) break;
            showArrow = true;
            if (in.alignment == ColumnAlignment::kLeft) {
                const int textEnd = out.text.left + in.imageWidth + (in.imageWidth ? 4 : 0) +
                                    std::min(in.textWidth, std::max(0, content.Width()));
                box = {textEnd + 5, box.top, textEnd + 5 + box.Width(), box.bottom};
            } else {
                box = MovedRightTo(box, content.right - 5);
                if (in.alignment == ColumnAlignment::kRight) {
                    out.text.right = box.left - 5;
                } else {
                    out.text.left += box.Width() + 5;
                    out.text.right -= box.Width() + 5;
                }
            }
            break;
        case HeaderSortDisplayMode::hsdmRightAlign:
            box = MovedRightTo(box, content.right - 5);
            if (in.sortColumn) {
                showArrow = true;
                out.text.right = box.left - 5;
            }
            break;
    }
    if (in.imageWidth > 0) {
        out.image = ListPoint{out.text.left, content.top};
        out.text.left += in.imageWidth + 4;
    }
    if (showArrow) out.arrow = SortTriangle(box, in.direction, columnWidth);
    return out;
}

}  // namespace vemora::shell
