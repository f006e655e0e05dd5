#include "skin/menus/popup_layout.h"

#include <gtest/gtest.h>

#include "vemora_menu_skin.h"

namespace vemora::skin {
namespace {

TEST(PopupLayout, ItemAndDividerHeights) {
    const testing::VemoraMenuSkin vemora;
    const struct {
        const char* look;
        PopupSkin skin;
        int defaultHeight;
        int item;
        int divider;
    } cases[] = {
        {"this program's skin", vemora.Skin(), 20, 20, 3},
        {"this skin ignores the default", vemora.Skin(), 25, 20, 3},
        {"built-in", PopupSkin{}, 20, 20, 4},
        {"built-in with another default", PopupSkin{}, 25, 25, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PopupItemHeight(c.skin, c.defaultHeight, false), c.item) << c.look;
        EXPECT_EQ(PopupItemHeight(c.skin, c.defaultHeight, true), c.divider) << c.look;
    }
}

TEST(PopupLayout, WindowSizeFromTheItems) {
    const testing::VemoraMenuSkin vemora;
    const std::vector<PopupItemMetrics> items{{50, false}, {80, false}, {0, true}, {30, false}};
    const struct {
        const char* look;
        PopupSkin skin;
        int width;
        int height;
        Rect itemsRect;
    } cases[] = {
        // widest 80 + glyph 16 + 16; textrect 2..61 of a 63-wide item; picture 40 around 36
        {"this skin", vemora.Skin(), 112 + 2 + 2 + 4, 3 * 20 + 3 + 4, {2, 2, 118, 65}},
        {"built-in", PopupSkin{}, 112 + 10, 3 * 20 + 4 + 6, {3, 3, 119, 67}},
    };
    for (const auto& c : cases) {
        const PopupSize size = FitPopupSize(items, c.skin, 20, 0, 16, 1000);
        EXPECT_EQ(size.width, c.width) << c.look;
        EXPECT_EQ(size.height, c.height) << c.look;
        EXPECT_EQ(size.itemsRect, c.itemsRect) << c.look;
        EXPECT_FALSE(size.scrollMode) << c.look;
    }
}

TEST(PopupLayout, MaximumItemsGiveFiveRowsBetweenTwoMarkerBands) {
    const testing::VemoraMenuSkin vemora;
    const std::vector<PopupItemMetrics> items(12, {40, false});
    const PopupSize size = FitPopupSize(items, vemora.Skin(), 20, 5, 16, 1000);
    EXPECT_TRUE(size.scrollMode);
    EXPECT_TRUE(size.maxItemsMode);
    EXPECT_EQ(size.height, 5 * 20 + 4 + 2 * kScrollBandHeight);

    std::vector<PopupRow> rows;
    const std::vector<int> heights(12, 20);
    for (int first : {0, 3, 7}) {
        EXPECT_EQ(LayOutPopupRows(rows, heights, size.itemsRect, true, first), 5) << first;
        EXPECT_EQ(rows[size_t(first)].rect.top, size.itemsRect.top + kScrollBandHeight) << first;
        EXPECT_EQ(rows[size_t(first + 4)].rect.bottom, size.itemsRect.bottom - kScrollBandHeight) << first;
        for (int i = 0; i < 12; ++i) EXPECT_EQ(rows[size_t(i)].visible, i >= first && i < first + 5) << i;
    }
    EXPECT_EQ(LastPageFirstIndex(heights, size.itemsRect), 7);
}

TEST(PopupLayout, ATallMenuTakesTheWorkAreaHeightAndScrolls) {
    const std::vector<PopupItemMetrics> items(40, {40, false});
    const PopupSize size = FitPopupSize(items, PopupSkin{}, 20, 0, 16, 300);
    EXPECT_EQ(size.height, 300);
    EXPECT_TRUE(size.scrollMode);
    EXPECT_FALSE(size.maxItemsMode);
}

TEST(PopupLayout, Placement) {
    const Rect work{0, 0, 800, 600};
    const struct {
        const char* name;
        Rect anchor;
        bool submenu, upward, firstLevel, scrollMode, maxItems;
        Point expected;
        bool shifted;
    } cases[] = {
        {"below a point", {100, 100, 100, 100}, false, false, true, false, false, {100, 100}, false},
        {"near the right edge", {750, 100, 750, 100}, false, false, true, false, false, {730, 100}, false},
        {"left of the work area", {-20, 100, -20, 100}, false, false, true, false, false, {0, 100}, false},
        // 120 high does not fit below 550: above the anchor, shifted, x beside the anchor
        {"near the bottom", {300, 550, 300, 550}, false, false, true, false, false, {301, 430}, true},
        {"near the bottom and the right",
         {750, 550, 750, 550},
         false,
         false,
         true,
         false,
         false,
         {679, 430},
         true},
        {"upward with room", {100, 300, 100, 300}, false, true, true, false, false, {100, 180}, false},
        {"upward at the top", {100, 50, 100, 50}, false, true, true, false, false, {100, 50}, false},
        {"upward without room on either side",
         {100, 50, 100, 500},
         false,
         true,
         true,
         false,
         false,
         {101, 480},
         true},
        {"submenu beside its item", {100, 100, 220, 120}, true, false, false, false, false, {221, 98}, false},
        {"submenu at the right edge",
         {650, 100, 760, 120},
         true,
         false,
         false,
         false,
         false,
         {579, 98},
         false},
        {"submenu near the bottom",
         {100, 560, 220, 580},
         true,
         false,
         false,
         false,
         false,
         {221, 462},
         false},
        {"scrolling without a maximum",
         {100, 100, 100, 100},
         false,
         false,
         true,
         true,
         false,
         {101, 0},
         false},
        {"a maximum keeps the anchor",
         {100, 100, 100, 100},
         false,
         false,
         true,
         true,
         true,
         {100, 100},
         false},
    };
    for (const auto& c : cases) {
        PopupPlaceRequest r;
        r.anchor = c.anchor;
        r.workArea = work;
        r.width = 70;
        r.height = 120;
        r.itemsTop = 2;
        r.submenu = c.submenu;
        r.upward = c.upward;
        r.firstLevel = c.firstLevel;
        r.scrollMode = c.scrollMode;
        r.maxItemsMode = c.maxItems;
        const PopupPlacement p = PlacePopup(r);
        EXPECT_EQ(p.position, c.expected) << c.name;
        EXPECT_EQ(p.shifted, c.shifted) << c.name;
    }
}

}  // namespace
}  // namespace vemora::skin
