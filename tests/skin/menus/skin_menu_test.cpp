#include "skin/menus/skin_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_menu_platform.h"

namespace vemora::skin {
namespace {

using testing::FakeMenuPlatform;
using testing::RecordingOpener;

// The centre of item i of window w, in window coordinates.
Point CentreOf(const TspSkinMenu& menu, int w, int i) {
    const Rect& r = menu.Window(w).items[size_t(i)].rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinMenuTest : public ::testing::Test {
  protected:
    // Adds a leaf that records its caption when it runs.
    TMenuItem& Leaf(TMenuItem& parent, const std::string& caption) {
        return parent.Add(caption, [this, caption] { ran.push_back(caption); });
    }
    void Open(const TMenuItem& root, Rect anchor = {100, 100, 100, 100}) {
        menu.PopupMenuAt(&opener, nullptr, false, root, anchor, 0);
    }
    int Active(int w = 0) const { return menu.Window(w).activeIndex; }

    FakeMenuPlatform platform;
    TspSkinMenu menu{platform};
    RecordingOpener opener;
    std::vector<std::string> ran;
};

TEST_F(SkinMenuTest, OpensNothingWithoutChildrenOrPastThem) {
    TMenuItem root;
    Open(root);
    EXPECT_EQ(menu.WindowCount(), 0);
    EXPECT_FALSE(menu.MenuOpen());
    Leaf(root, "One");
    menu.PopupMenuAt(&opener, nullptr, false, root, {}, 1);
    EXPECT_EQ(menu.WindowCount(), 0);
    menu.PopupMenuAt(&opener, nullptr, false, root, {}, 0);
    EXPECT_EQ(menu.WindowCount(), 1);
    EXPECT_TRUE(menu.MenuOpen());
}

TEST_F(SkinMenuTest, AFreshMenuHighlightsItsFirstUsableItem) {
    TMenuItem root;
    root.Add("-");
    Leaf(root, "Off").Enabled = false;
    Leaf(root, "On");
    Leaf(root, "Hidden").Visible = false;
    Open(root);
    ASSERT_EQ(menu.Window(0).items.size(), 3u);  // the hidden item has no row
    EXPECT_EQ(Active(), 2);
    EXPECT_TRUE(menu.Window(0).items[2].hot);
    EXPECT_TRUE(menu.Window(0).items[2].autoSelected);
}

TEST_F(SkinMenuTest, UpAndDownSkipDividersAndDisabledItemsAndWrap) {
    TMenuItem root;
    Leaf(root, "A");
    root.Add("-");
    Leaf(root, "B");
    Leaf(root, "C").Enabled = false;
    Leaf(root, "D");
    root.Add("-");
    const struct {
        std::vector<int> keys;
        int active;
    } cases[] = {
        {{kMenuKeyDown}, 2},
        {{kMenuKeyDown, kMenuKeyDown}, 4},
        {{kMenuKeyDown, kMenuKeyDown, kMenuKeyDown}, 0},  // the last usable wraps to the first
        {{kMenuKeyUp}, 4},                                // and the first to the last
        {{kMenuKeyUp, kMenuKeyUp}, 2},
    };
    for (const auto& c : cases) {
        Open(root);
        for (int key : c.keys) menu.KeyDown(key);
        EXPECT_EQ(Active(), c.active) << c.keys.size();
        int hot = 0;
        for (const TspSkinMenuItem& item : menu.Window(0).items) hot += item.hot;
        EXPECT_EQ(hot, 1);
    }
}

TEST_F(SkinMenuTest, EnterRunsTheActiveItemAndClosesEverything) {
    TMenuItem root;
    Leaf(root, "First");
    Leaf(root, "Second");
    Open(root);
    menu.KeyDown(kMenuKeyDown);
    menu.KeyDown(kMenuKeyReturn);
    EXPECT_EQ(ran, std::vector<std::string>{"Second"});
    EXPECT_EQ(menu.WindowCount(), 0);
    EXPECT_EQ(platform.viewsAlive, 0);
    EXPECT_FALSE(menu.MenuOpen());
    EXPECT_EQ(platform.hostClosed, 1);
    EXPECT_EQ(opener.events, (std::vector<std::string>{"closed", "command"}));
    EXPECT_EQ(menu.LastOpener(), &opener);
}

TEST_F(SkinMenuTest, AcceleratorsClickTheirItem) {
    TMenuItem root;
    Leaf(root, "最小化(&N)");
    Leaf(root, "关闭(&c)");
    Leaf(root, "Gray (&G)").Enabled = false;
    Open(root);
    menu.KeyDown('G');
    EXPECT_TRUE(ran.empty()) << "a disabled item never runs";
    menu.KeyDown('C');
    EXPECT_EQ(ran, std::vector<std::string>{"关闭(&c)"});
    EXPECT_EQ(menu.WindowCount(), 0);
}

TEST_F(SkinMenuTest, EscapeClosesOneLevelAtATimeAndTellsOnlyTheOpener) {
    TMenuItem root;
    TMenuItem& parent = Leaf(root, "Parent");
    Leaf(parent, "Child");
    Open(root);
    menu.KeyDown(kMenuKeyRight);
    ASSERT_EQ(menu.WindowCount(), 2);
    EXPECT_TRUE(menu.Window(0).items[0].open);
    menu.KeyDown(kMenuKeyLeft);
    ASSERT_EQ(menu.WindowCount(), 1);
    EXPECT_FALSE(menu.Window(0).items[0].open);
    menu.KeyDown(kMenuKeyLeft);  // Left never closes the first window
    EXPECT_EQ(menu.WindowCount(), 1);
    menu.KeyDown(kMenuKeyEscape);
    EXPECT_EQ(menu.WindowCount(), 0);
    EXPECT_FALSE(menu.MenuOpen());
    EXPECT_EQ(opener.events, std::vector<std::string>{"closed"});
    EXPECT_EQ(platform.hostClosed, 0) << "only a command or the host closes with the host told";
}

TEST_F(SkinMenuTest, AParentOpensItsSubmenuOnAClickOrAfterResting500ms) {
    TMenuItem root;
    Leaf(root, "Leaf");
    TMenuItem& parent = Leaf(root, "Parent");
    Leaf(parent, "Child");
    const struct {
        const char* how;
        int restMs;  // -1: click
        bool opens;
    } cases[] = {
        {"click", -1, true},
        {"rest 499 ms", 499, false},
        {"rest 500 ms", 500, true},
    };
    for (const auto& c : cases) {
        ran.clear();
        Open(root);
        menu.MouseAt(0, CentreOf(menu, 0, 1));
        if (c.restMs < 0)
            menu.MouseUp(0, CentreOf(menu, 0, 1));
        else
            platform.Advance(c.restMs, menu);
        EXPECT_EQ(menu.WindowCount(), c.opens ? 2 : 1) << c.how;
        EXPECT_EQ(ran, c.opens ? std::vector<std::string>{"Parent"} : std::vector<std::string>{}) << c.how;
        if (!c.opens) continue;
        EXPECT_TRUE(menu.Window(0).items[1].open) << c.how;
        // The child's first item lines up with the parent item, beside it.
        const PopupLevel& top = menu.Window(0);
        const PopupLevel& sub = menu.Window(1);
        EXPECT_EQ(sub.position.x, top.position.x + top.items[1].rect.right + 1) << c.how;
        EXPECT_EQ(sub.position.y + sub.ItemsRect().top, top.position.y + top.items[1].rect.top) << c.how;
        platform.Advance(1000, menu);
        EXPECT_EQ(ran.size(), 1u) << c.how << ": the parent runs once";
    }
}

TEST_F(SkinMenuTest, LeavingAParentBeforeTheDelayCancelsItsSubmenu) {
    TMenuItem root;
    TMenuItem& parent = Leaf(root, "Parent");
    Leaf(parent, "Child");
    Leaf(root, "Leaf");
    Open(root);
    menu.MouseAt(0, CentreOf(menu, 0, 1));  // to the leaf, back to the parent, away before the delay
    menu.MouseAt(0, CentreOf(menu, 0, 0));
    menu.MouseAt(0, CentreOf(menu, 0, 1));
    platform.Advance(300, menu);
    menu.MouseAt(0, CentreOf(menu, 0, 0));
    platform.Advance(1000, menu);
    EXPECT_EQ(menu.WindowCount(), 2) << "resting on the parent at last opens it";
    menu.MouseAt(0, CentreOf(menu, 0, 1));
    EXPECT_EQ(menu.WindowCount(), 1) << "entering a leaf closes the submenu";
    EXPECT_EQ(ran, std::vector<std::string>{"Parent"});
}

TEST_F(SkinMenuTest, TwelveItemsWithAMaximumOfFiveScrollOnlyByTheMarkers) {
    TMenuItem root;
    for (int i = 0; i < 12; ++i) Leaf(root, "Item " + std::to_string(i));
    menu.SetMaxMenuItemsInWindow(5);
    menu.SetMaxMenuItemsInWindow(-1);  // refused
    EXPECT_EQ(menu.Settings().maxMenuItemsInWindow, 5);
    Open(root);
    PopupLevel& w = menu.Window(0);
    EXPECT_EQ(w.visibleCount, 5);
    EXPECT_EQ(w.size.height, 5 * 20 + 6 + 2 * kScrollBandHeight);

    // Resting on items scrolls nothing.
    for (int i = 0; i < 5; ++i) menu.MouseAt(0, CentreOf(menu, 0, i));
    platform.Advance(1000, menu);
    EXPECT_EQ(w.firstVisible, 0);

    const Rect bottom = w.BottomBand();
    menu.MouseAt(0, {(bottom.left + bottom.right) / 2, bottom.top + 2});
    EXPECT_EQ(w.scrollCode, 2);
    platform.Advance(250, menu);
    EXPECT_EQ(w.firstVisible, 2);
    platform.Advance(2000, menu);
    EXPECT_EQ(w.firstVisible, 7) << "stops at the last page";
    EXPECT_EQ(w.scrollCode, 0);
    EXPECT_FALSE(w.items[0].visible);
    EXPECT_TRUE(w.items[11].visible);

    const Rect top = w.TopBand();
    menu.MouseAt(0, {(top.left + top.right) / 2, top.top + 2});
    platform.Advance(100, menu);
    EXPECT_EQ(w.firstVisible, 6);
    menu.MouseAt(0, CentreOf(menu, 0, 8));  // off the band: scrolling stops
    platform.Advance(1000, menu);
    EXPECT_EQ(w.firstVisible, 6);
}

TEST_F(SkinMenuTest, KeysScrollTheViewToTheActiveItemWithWrapAround) {
    TMenuItem root;
    for (int i = 0; i < 12; ++i) Leaf(root, "Item " + std::to_string(i));
    menu.SetMaxMenuItemsInWindow(5);
    Open(root);
    PopupLevel& w = menu.Window(0);
    for (int i = 0; i < 5; ++i) menu.KeyDown(kMenuKeyDown);
    EXPECT_EQ(Active(), 5);
    EXPECT_EQ(w.firstVisible, 1);
    menu.KeyDown(kMenuKeyUp);
    for (int i = 0; i < 5; ++i) menu.KeyDown(kMenuKeyUp);
    EXPECT_EQ(Active(), 11) << "up from the first wraps to the last";
    EXPECT_EQ(w.firstVisible, 7) << "the last page";
    menu.KeyDown(kMenuKeyDown);
    EXPECT_EQ(Active(), 0);
    EXPECT_EQ(w.firstVisible, 0);
}

TEST_F(SkinMenuTest, OpeningAgainReplacesTheChainAndClosingTellsTheOpener) {
    TMenuItem root;
    Leaf(root, "One");
    Open(root);
    RecordingOpener second;
    menu.PopupMenuAt(&second, nullptr, false, root, {}, 0);
    EXPECT_EQ(menu.WindowCount(), 1);
    EXPECT_EQ(platform.viewsAlive, 1);
    EXPECT_EQ(opener.events, std::vector<std::string>{"closed"});
    menu.CloseAll();
    EXPECT_EQ(second.events, std::vector<std::string>{"closed"});
    EXPECT_EQ(platform.hostClosed, 1);
    EXPECT_TRUE(platform.timers.empty());
}

TEST_F(SkinMenuTest, AClickRunsOnlyTheItemUnderThePointerThatIsActive) {
    TMenuItem root;
    Leaf(root, "One");
    root.Add("-");
    Leaf(root, "Off").Enabled = false;
    Open(root);
    menu.MouseUp(0, CentreOf(menu, 0, 1));  // a divider
    menu.MouseAt(0, CentreOf(menu, 0, 2));
    menu.MouseUp(0, CentreOf(menu, 0, 2));  // disabled
    EXPECT_TRUE(ran.empty());
    menu.MouseAt(0, CentreOf(menu, 0, 0));
    menu.MouseUp(0, CentreOf(menu, 0, 0));
    EXPECT_EQ(ran, std::vector<std::string>{"One"});
}

}  // namespace
}  // namespace vemora::skin
