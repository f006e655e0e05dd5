#include "skin/menus/system_menu_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vemora::skin {
namespace {

std::vector<std::string> Names(const TMenuItem& menu) {
    std::vector<std::string> names;
    for (int i = 0; i < menu.Count(); ++i)
        names.push_back(menu[i].Name.empty() ? menu[i].Caption : menu[i].Name);
    return names;
}

SystemMenuFrame AllIcons(int state, bool rolledUp) {
    SystemMenuFrame f;
    f.biMinimize = f.biMaximize = f.biRollUp = f.biMinimizeToTray = true;
    f.frameState = state;
    f.rollUpState = rolledUp;
    return f;
}

using Names_ = std::vector<std::string>;

// With an empty SystemMenu the standard items are refreshed into it; without one the internal
// menu is rebuilt (maximize before restore, a separator before close) and what it held goes.
TEST(SystemMenuItems, TheStandardItemsForEachWindowState) {
    const struct {
        const char* window;
        bool internal;
        SystemMenuFrame frame;
        Names_ names;
    } cases[] = {
        {"normal",
         false,
         AllIcons(kFrameNormal, false),
         {"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY", "DSF_CLOSE"}},
        {"maximized",
         false,
         AllIcons(kFrameMaximized, false),
         {"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "DSF_MINTOTRAY", "DSF_CLOSE"}},
        {"rolled up",
         false,
         AllIcons(kFrameNormal, true),
         {"DSF_MINITEM", "DSF_RESTORE", "DSF_MAXITEM", "DSF_MINTOTRAY", "DSF_CLOSE"}},
        {"minimized",
         false,
         AllIcons(kFrameMinimized, false),
         {"DSF_RESTORE", "DSF_MAXITEM", "DSF_MINTOTRAY", "DSF_CLOSE"}},
        {"close only", false, SystemMenuFrame{false, false, false, false}, {"DSF_CLOSE"}},
        {"internal, normal",
         true,
         AllIcons(kFrameNormal, false),
         {"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
        {"internal, plain icons", true, SystemMenuFrame{}, {"DSF_MINITEM", "DSF_MAXITEM", "-", "DSF_CLOSE"}},
        {"internal, rolled up",
         true,
         AllIcons(kFrameNormal, true),
         {"DSF_MINITEM", "DSF_MAXITEM", "DSF_RESTORE", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
        {"internal, no icons", true, SystemMenuFrame{false, false, false, false}, {"DSF_CLOSE"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        TMenuItem systemMenu, internal;
        internal.Add("stale");
        const TMenuItem& items =
            GetSystemMenuItems(c.internal ? nullptr : &systemMenu, true, internal, {c.frame});
        EXPECT_EQ(&items, c.internal ? &internal : &systemMenu);
        EXPECT_EQ(Names(items), c.names);
        if (!c.internal) {
            EXPECT_EQ(Names(internal), Names_{"stale"}) << "the internal menu is left alone";
        }
    }
}

TEST(SystemMenuItems, ShowingAgainReplacesTheStandardItemsAndKeepsTheUsersInOrder) {
    TMenuItem systemMenu, internal;
    systemMenu.Add("User one").Name = "N1";
    systemMenu.Add("User two").Name = "N2";
    GetSystemMenuItems(&systemMenu, true, internal, {AllIcons(kFrameNormal, false)});
    GetSystemMenuItems(&systemMenu, true, internal, {AllIcons(kFrameMaximized, false)});
    EXPECT_EQ(Names(systemMenu),
              (Names_{"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "DSF_MINTOTRAY", "N1", "N2", "DSF_CLOSE"}));
    GetSystemMenuItems(&systemMenu, false, internal, {AllIcons(kFrameNormal, false)});
    EXPECT_EQ(systemMenu.Count(), 7) << "without UseDefaultSysMenu the menu is shown as it is";

    TMenuItem plain;
    plain.Add("Mine").Name = "Mine";
    EXPECT_EQ(Names(GetSystemMenuItems(&plain, false, internal, {AllIcons(kFrameNormal, false)})),
              Names_{"Mine"});
}

TEST(SystemMenuItems, CaptionsFromTheSkinsStringsElseTheProgramsOwn) {
    TspResourceStrData strings;
    SystemMenuContext context{AllIcons(kFrameNormal, false)};
    context.frame.mdiChild = false;
    TMenuItem internal;
    GetSystemMenuItems(nullptr, true, internal, context);
    EXPECT_EQ(internal[0].Caption, "最小化(&N)");
    EXPECT_EQ(internal[1].Caption, "最大化(&X)");
    EXPECT_EQ(internal[2].Caption, "卷起(&L)");
    EXPECT_EQ(internal[3].Caption, "最小化到系统托盘区(&T)");
    EXPECT_EQ(internal[5].Caption, "关闭(&C)");
    EXPECT_EQ(internal[5].ShortCutText, "Alt+F4");
    EXPECT_EQ(AcceleratorOf(internal[5].Caption), 'C');

    context.strings = &strings;
    context.decode = [](std::string_view text) { return "<" + std::string(text) + ">"; };
    context.frame.mdiChild = true;
    GetSystemMenuItems(nullptr, true, internal, context);
    EXPECT_EQ(internal[0].Caption, "<Mi&nimize>");
    EXPECT_EQ(internal[5].Caption, "<&Close>");
    EXPECT_EQ(internal[5].ShortCutText, "Ctrl+F4");
}

TEST(SystemMenuItems, EachItemRunsItsFrameCommand) {
    std::vector<std::string> calls;
    SystemMenuCommands commands;
    commands.setFrameState = [&](int s) { calls.push_back("state " + std::to_string(s)); };
    commands.setRollUpState = [&](bool r) { calls.push_back(r ? "roll up" : "roll down"); };
    commands.minimizeToTray = [&] { calls.push_back("tray"); };
    commands.close = [&] { calls.push_back("close"); };
    const struct {
        const char* name;
        SystemMenuFrame frame;
        const char* item;
        const char* call;
    } cases[] = {
        {"minimize", AllIcons(kFrameNormal, false), "DSF_MINITEM", "state 1"},
        {"minimize always to the tray",
         [] {
             SystemMenuFrame f = AllIcons(kFrameNormal, false);
             f.alwaysMinimizeToTray = true;
             return f;
         }(),
         "DSF_MINITEM", "tray"},
        {"maximize", AllIcons(kFrameNormal, false), "DSF_MAXITEM", "state 2"},
        {"restore a maximized window", AllIcons(kFrameMaximized, false), "DSF_RESTORE", "state 0"},
        {"restore rolls a normal window down", AllIcons(kFrameNormal, true), "DSF_RESTORE", "roll down"},
        {"restore a maximized window that rolls up in place",
         [] {
             SystemMenuFrame f = AllIcons(kFrameMaximized, false);
             f.rollUpInMaximized = true;
             return f;
         }(),
         "DSF_RESTORE", "state 0"},
        {"roll up", AllIcons(kFrameNormal, false), "DSF_ROLLUP", "roll up"},
        {"to the tray", AllIcons(kFrameNormal, false), "DSF_MINTOTRAY", "tray"},
        {"close", AllIcons(kFrameNormal, false), "DSF_CLOSE", "close"},
    };
    for (const auto& c : cases) {
        calls.clear();
        TMenuItem internal;
        GetSystemMenuItems(nullptr, true, internal, {c.frame, commands});
        const int index = internal.IndexOfName(c.item);
        ASSERT_GE(index, 0) << c.name;
        internal[index].Click();
        EXPECT_EQ(calls, Names_{c.call}) << c.name;
    }
}

}  // namespace
}  // namespace vemora::skin
