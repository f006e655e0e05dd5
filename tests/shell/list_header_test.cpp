#include "shell/list_header.h"

#include <gtest/gtest.h>

namespace vemora::shell {
namespace {

using Mode = HeaderSortDisplayMode;
using Triangle = std::array<ListPoint, 3>;

TEST(HeaderGeometry, ContentRectAndArrowBox) {
    const ListRect item{100, 0, 200, 24};
    EXPECT_EQ(HeaderContentRect(item), (ListRect{106, 2, 194, 22}));
    EXPECT_EQ(ArrowBox(HeaderContentRect(item)), (ListRect{106, 5, 118, 16}));
}

TEST(HeaderGeometry, TrianglePointsUpAscendingAndDownDescending) {
    const ListRect box{106, 5, 118, 16};  // 11 high: a triangle 8 high and 15 wide
    EXPECT_EQ(SortTriangle(box, SortDirection::kAscending, 100),
              (Triangle{{{106, 15}, {120, 15}, {113, 8}}}));
    EXPECT_EQ(SortTriangle(box, SortDirection::kDescending, 100),
              (Triangle{{{106, 8}, {120, 8}, {113, 15}}}));
    // Only a column wider than twice the box shows one.
    EXPECT_FALSE(SortTriangle(box, SortDirection::kAscending, 24));
    EXPECT_TRUE(SortTriangle(box, SortDirection::kAscending, 25));
}

TEST(HeaderGeometry, LayoutPerDisplayMode) {
    const ListRect item{100, 0, 200, 24};  // content {106, 2, 194, 22}
    const Triangle atLeft{{{106, 15}, {120, 15}, {113, 8}}};
    const Triangle atRight{{{177, 15}, {191, 15}, {184, 8}}};  // box {177, 5, 189, 16}
    const struct {
        const char* what;
        Mode mode;
        ColumnAlignment alignment;
        bool sortColumn;
        ListRect text;
        std::optional<Triangle> arrow;
    } kCases[] = {
        {"none", Mode::hsdmNone, ColumnAlignment::kLeft, true, {106, 2, 194, 22}, {}},
        {"left align", Mode::hsdmLeftAlign, ColumnAlignment::kLeft, true, {123, 2, 194, 22}, atLeft},
        {"left align, other column",
         Mode::hsdmLeftAlign,
         ColumnAlignment::kLeft,
         false,
         {106, 2, 194, 22},
         {}},
        {"right of a left-aligned text (30 wide)",
         Mode::hsdmRightOfText,
         ColumnAlignment::kLeft,
         true,
         {106, 2, 194, 22},
         Triangle{{{141, 15}, {155, 15}, {148, 8}}}},
        {"right of text, right-aligned",
         Mode::hsdmRightOfText,
         ColumnAlignment::kRight,
         true,
         {106, 2, 172, 22},
         atRight},
        {"right of text, centred",
         Mode::hsdmRightOfText,
         ColumnAlignment::kCenter,
         true,
         {123, 2, 177, 22},
         atRight},
        {"right of text, other column",
         Mode::hsdmRightOfText,
         ColumnAlignment::kRight,
         false,
         {106, 2, 194, 22},
         {}},
        {"right align", Mode::hsdmRightAlign, ColumnAlignment::kLeft, true, {106, 2, 172, 22}, atRight},
        {"right align, other column",
         Mode::hsdmRightAlign,
         ColumnAlignment::kLeft,
         false,
         {106, 2, 194, 22},
         {}},
    };
    for (const auto& c : kCases) {
        HeaderItemInput in;
        in.item = item;
        in.mode = c.mode;
        in.alignment = c.alignment;
        in.sortColumn = c.sortColumn;
        in.textWidth = 30;
        const HeaderItemLayout layout = LayOutHeaderItem(in);
        EXPECT_EQ(layout.text, c.text) << c.what;
        EXPECT_EQ(layout.arrow, c.arrow) << c.what;
        EXPECT_FALSE(layout.image) << c.what;
    }
}

TEST(HeaderGeometry, NarrowColumnsAndImages) {
    HeaderItemInput in;
    in.sortColumn = true;
    for (const Mode mode : {Mode::hsdmLeftAlign, Mode::hsdmRightOfText, Mode::hsdmRightAlign}) {
        in.mode = mode;
        in.item = {0, 0, 18, 24};  // the event list's image column
        EXPECT_FALSE(LayOutHeaderItem(in).arrow) << static_cast<int>(mode);
        in.item = {0, 0, 40, 24};
        EXPECT_TRUE(LayOutHeaderItem(in).arrow) << static_cast<int>(mode);
    }

    // The image sits where the text would start; the text moves past it, the arrow past both.
    in.mode = Mode::hsdmRightOfText;
    in.item = {100, 0, 200, 24};
    in.imageWidth = 16;
    in.textWidth = 30;
    const HeaderItemLayout layout = LayOutHeaderItem(in);
    EXPECT_EQ(layout.image, (ListPoint{106, 2}));
    EXPECT_EQ(layout.text.left, 126);
    ASSERT_TRUE(layout.arrow);
    EXPECT_EQ((*layout.arrow)[0].x, 106 + 16 + 4 + 30 + 5);
}

}  // namespace
}  // namespace vemora::shell
