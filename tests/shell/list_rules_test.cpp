#include "shell/list_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace vemora::shell {
namespace {

TEST(ResizeLastColumn, FillsTheRestOrKeepsTheWidth) {
    const struct {
        const char* what;
        std::vector<int> widths;
        int client;
        bool reserve;
        std::optional<int> expected;
    } kCases[] = {
        {"the rest of the event list", {18, 120, 50, 70, 100}, 585, false, 327},
        {"columns wider than the client area", {300, 300, 50}, 500, false, std::nullopt},
        {"exactly as wide", {250, 250, 50}, 500, false, std::nullopt},
        {"a difference of 4 gives 5", {246, 250, 50}, 500, false, 5},
        {"a difference of 1 gives 5", {249, 250, 50}, 500, false, 5},
        {"a difference of 5", {245, 250, 50}, 500, false, 5},
        {"a difference of 6", {244, 250, 50}, 500, false, 6},
        {"room for the scroll bar when empty", {100, 50}, 400, true, 283},
        {"one column fills all", {10}, 400, false, 400},
        {"no columns", {}, 400, false, std::nullopt},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ResizeLastColumn({c.widths, c.client, 17, c.reserve}), c.expected) << c.what;
    }
}

TEST(ChooseContextMenu, ItemOrListMenuByFocusAndSelection) {
    using R = MenuRequest;
    const MenuChoice none{}, list{MenuChoice::kListMenu, -1}, atPointer{MenuChoice::kItemMenu, -1};
    const struct {
        const char* what;
        MenuRequest request;
        MenuState state;
        MenuChoice expected;
    } kCases[] = {
        {"right-click on an item", R::kRightClickOnItem, {}, atPointer},
        {"elsewhere, nothing focused", R::kRightClickElsewhere, {-1, false, -1, true}, list},
        {"elsewhere, nothing focused, no auto popup", R::kRightClickElsewhere, {-1, false, -1, false}, none},
        {"key, focused and selected", R::kMenuKey, {4, true, 2, true}, {MenuChoice::kItemMenu, 4}},
        {"key, focused but another selected", R::kMenuKey, {4, false, 2, true}, {MenuChoice::kItemMenu, 2}},
        {"key, focused, nothing selected", R::kMenuKey, {4, false, -1, true}, list},
        {"elsewhere, focused and selected",
         R::kRightClickElsewhere,
         {1, true, 1, true},
         {MenuChoice::kItemMenu, 1}},
    };
    for (const auto& c : kCases) EXPECT_EQ(ChooseContextMenu(c.request, c.state), c.expected) << c.what;
}

TEST(ChooseContextMenu, SystemRequestIgnoredAfterAClickMenuOrWithoutItems) {
    EXPECT_FALSE(AcceptsContextMenuRequest(true, {3, true, 3, true}));
    EXPECT_FALSE(AcceptsContextMenuRequest(false, {-1, false, -1, true}));
    EXPECT_TRUE(AcceptsContextMenuRequest(false, {3, false, -1, true}));
    EXPECT_TRUE(AcceptsContextMenuRequest(false, {-1, false, 0, true}));
}

TEST(AllowsLabelEdit, WholeRowSelectionEditsFromTheLabelUnlessEditOnRowClick) {
    const struct {
        const char* what;
        LabelEditRequest request;
        bool allowed;
    } kCases[] = {
        {"report, whole row, pointer off the label", {true, true, false, false, true}, false},
        {"report, whole row, pointer on the label", {true, true, false, true, true}, true},
        {"EditOnRowClick: anywhere on the row", {true, true, true, false, true}, true},
        {"without whole-row selection the list decides", {true, false, false, false, true}, true},
        {"outside report view the list decides", {false, true, false, false, true}, true},
        {"an item the list would not edit, even on its label", {true, true, false, true, false}, false},
        {"an item the list would not edit, with EditOnRowClick", {true, true, true, false, false}, false},
    };
    for (const auto& c : kCases) EXPECT_EQ(AllowsLabelEdit(c.request), c.allowed) << c.what;
}

TEST(WheelStep, LinesOfSixteenPixelsPerNotch) {
    const struct {
        std::vector<int> deltas;
        int lines;
        bool iconView;
        std::vector<int> expected;
    } kCases[] = {
        {{-120}, 3, false, {48}},  // down scrolls towards the end
        {{120}, 3, false, {-48}},
        {{-240}, 1, false, {32}},
        {{-120}, 3, true, {96}},
        {{-60, -60, -60}, 3, false, {0, 48, 0}},  // a fine-grained wheel adds up
        {{-60, 120}, 3, false, {0, 0}},
    };
    for (const auto& c : kCases) {
        WheelStep wheel;
        std::vector<int> got;
        for (int delta : c.deltas) got.push_back(wheel.Scroll(delta, c.lines, c.iconView));
        EXPECT_EQ(got, c.expected);
    }
}

TEST(ListBackground, FollowsStateAndTheNormalColour) {
    constexpr unsigned kWhite = 0xFFFFFF, kGrey = 0xC0C0C0, kYellow = 0x00FFFF, kBlue = 0xFF0000;
    ListBackground colors(kWhite, kWhite, kGrey);
    EXPECT_EQ(colors.For(true, false), kWhite);
    EXPECT_EQ(colors.For(false, true), kGrey);
    colors.SetNormal(kYellow);
    EXPECT_EQ(colors.For(true, true), kYellow) << "a focus colour equal to the normal one follows it";
    colors.SetFocusColor(kBlue);
    colors.SetNormal(kWhite);
    EXPECT_EQ(colors.For(true, true), kBlue);
    EXPECT_EQ(colors.For(true, false), kWhite);
}

}  // namespace
}  // namespace vemora::shell
