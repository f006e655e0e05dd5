// The system menu and menu mode on a test form with the skinned frame attached, driven by the
// real pointer and keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/frame/win/skin_frame_window.h"
#include "skin/menus/win/popup_window.h"
#include "skin/menus/win/skin_popup_menu.h"
#include "support/menu_support.h"
#include "support/pump.h"
#include "win/window.h"

namespace vemora::skin {
namespace {

using test::SendButton;
using test::SendKey;

// A plain top-level window under the skinned frame; it records the keys that reach it.
class FramedTestForm : public win::Window {
  public:
    FramedTestForm() {
        Create(L"VemoraFramedTestForm", L"System menu test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 60, 60, 420,
               320, nullptr);
        frame.Attach(hwnd(), false);
    }
    ~FramedTestForm() override {
        frame.Detach();
        Destroy();
    }
    FrameMenuMode& menus() { return frame.Menus(); }
    SkinFrameWindow frame;
    std::vector<int> keys;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_KEYDOWN) keys.push_back(int(wp));
        return Window::HandleMessage(msg, wp, lp);
    }
};

class FrameMenuModeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::LoadOwnSkin(stored, skinData);
        form.frame.Form().SetSkinData(&skinData);
        FrameMenuMode& m = form.menus();
        m.SystemMenu = &systemMenu;
        m.UseDefaultSysMenu = false;
        m.OnSkinMenuOpen = [this] { events.push_back("open"); };
        m.OnSkinMenuClose = [this] { events.push_back("close"); };
        m.OnMainMenuEnter = [this] { events.push_back("main enter"); };
        m.OnMainMenuExit = [this] { events.push_back("main exit"); };
        SetForegroundWindow(form.hwnd());
        test::PumpUntil([&] { return GetForegroundWindow() == form.hwnd(); }, 2000);
        SetCursorPos(5, 5);
    }
    void AddItems(int n) {
        for (int i = 0; i < n; ++i) {
            const std::string caption = "项目" + std::to_string(i + 1);
            systemMenu.Add(caption, [this, caption] { ran.push_back(caption); });
        }
    }
    TspSkinMenu& Engine() { return form.menus().Menu().Engine(); }
    HWND Popup() { return static_cast<TspSkinPopupWindow*>(Engine().Window(0).view.get())->hwnd(); }
    POINT OnCaption() {
        RECT r{};
        GetWindowRect(form.hwnd(), &r);
        return {r.left + 120, r.top + 10};
    }
    bool RightClickCaption() {
        const POINT p = OnCaption();
        SetCursorPos(p.x, p.y);
        test::PumpFor(30);
        SendButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        return test::PumpUntil([&] { return Engine().WindowCount() > 0; }, 3000);
    }

    TspCompressedStoredSkin stored;
    TspSkinData skinData;
    FramedTestForm form;
    TMenuItem systemMenu;
    std::vector<std::string> ran;
    std::vector<std::string> events;
};

TEST_F(FrameMenuModeTest, ARightClickOnTheCaptionOpensTheMenuAtThePointerAndTheKeysRunAnItem) {
    AddItems(3);
    ASSERT_TRUE(RightClickCaption()) << "no skinned menu opened";
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT r{};
    GetWindowRect(Popup(), &r);
    EXPECT_EQ(r.left, cursor.x);
    EXPECT_EQ(r.top, cursor.y);
    EXPECT_TRUE(form.menus().SkinMenuOpen());

    SendKey(VK_DOWN);
    SendKey(VK_RETURN);
    ASSERT_TRUE(test::PumpUntil([&] { return !ran.empty(); }, 3000));
    EXPECT_EQ(ran, std::vector<std::string>{"项目2"});
    EXPECT_FALSE(form.menus().SkinMenuOpen());
    EXPECT_EQ(events, (std::vector<std::string>{"open", "close"}));
    EXPECT_TRUE(form.keys.empty()) << "menu mode kept the keys from the form";
}

TEST_F(FrameMenuModeTest, EscEndsMenuModeAndTheKeyboardWorksAgain) {
    AddItems(3);
    form.menus().ShowSystemMenu(200, 200);
    ASSERT_TRUE(form.menus().SkinMenuOpen());
    SendKey(VK_ESCAPE);
    ASSERT_TRUE(test::PumpUntil([&] { return !form.menus().SkinMenuOpen(); }, 3000));
    EXPECT_EQ(Engine().WindowCount(), 0);
    EXPECT_TRUE(ran.empty());
    SendKey('A');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 3000));
}

TEST_F(FrameMenuModeTest, AClickInTheClientAreaClosesTheMenuAndReleasesThePressedButton) {
    AddItems(3);
    TspSkinButtonObject* button = nullptr;
    for (auto& object : form.frame.Form().Objects()) {
        auto* b = dynamic_cast<TspSkinStdButtonObject*>(object.get());
        if (b && b->Visible && b->Command == SkinCommand::cmSysMenu) button = b;
    }
    ASSERT_NE(button, nullptr);
    RECT frame{};
    GetWindowRect(form.hwnd(), &frame);
    const Rect& r = button->ObjectRect;
    SetCursorPos(frame.left + (r.left + r.right) / 2, frame.top + (r.top + r.bottom) / 2);
    test::PumpFor(30);
    SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(test::PumpUntil([&] { return Engine().WindowCount() == 1; }, 3000));
    RECT popup{};
    GetWindowRect(Popup(), &popup);
    EXPECT_EQ(popup.left, frame.left + r.left);
    EXPECT_EQ(popup.top, frame.top + r.bottom) << "below the button";
    test::PumpFor(100);
    EXPECT_TRUE(button->Down()) << "the button stays down while its menu is open";

    POINT client{300, 200};
    ClientToScreen(form.hwnd(), &client);
    SetCursorPos(client.x, client.y);
    test::PumpFor(30);
    SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(test::PumpUntil([&] { return Engine().WindowCount() == 0; }, 3000));
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(form.menus().SkinMenuOpen());
    EXPECT_TRUE(ran.empty());
}

TEST_F(FrameMenuModeTest, TwelveItemsWithAMaximumOfFiveScrollByTheirMarkers) {
    AddItems(12);
    Engine().SetMaxMenuItemsInWindow(5);
    ASSERT_TRUE(RightClickCaption());
    PopupLevel& level = Engine().Window(0);
    ASSERT_EQ(level.visibleCount, 5);
    const Rect band = level.BottomBand();
    POINT p{(band.left + band.right) / 2, band.top + 4};
    ClientToScreen(Popup(), &p);
    SetCursorPos(p.x, p.y);
    ASSERT_TRUE(test::PumpUntil([&] { return level.firstVisible == 7 && level.scrollCode == 0; }, 5000));
    EXPECT_TRUE(level.items[11].visible);
    EXPECT_FALSE(level.items[0].visible);
}

TEST_F(FrameMenuModeTest, WithThisProgramsSettingsARightClickOpensNothing) {
    // An empty SystemMenu without the standard items.
    ASSERT_FALSE(RightClickCaption());
    EXPECT_FALSE(form.menus().SkinMenuOpen());
    EXPECT_TRUE(events.empty());
    SendKey('B');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 3000)) << "the keyboard keeps working";
}

TEST_F(FrameMenuModeTest, TheStandardItemsRunTheirCommands) {
    form.menus().UseDefaultSysMenu = true;
    int closes = 0;
    form.menus().Context = [&] {
        SystemMenuContext context;
        context.commands.close = [&] { ++closes; };
        return context;
    };
    ASSERT_TRUE(RightClickCaption());
    // minimize, maximize, close
    ASSERT_EQ(Engine().Window(0).items.size(), 3u);
    SendKey('C');
    ASSERT_TRUE(test::PumpUntil([&] { return closes == 1; }, 3000));
    EXPECT_FALSE(form.menus().SkinMenuOpen());
}

TEST_F(FrameMenuModeTest, AltAndF10EnterAndLeaveMainMenuModeWithoutTakingTheKeyboard) {
    AddItems(2);
    form.menus().ShowSystemMenu(200, 200);
    LRESULT result = 0;
    EXPECT_TRUE(form.menus().OnMessage(WM_SYSCOMMAND, SC_KEYMENU, 0, result));
    EXPECT_EQ(Engine().WindowCount(), 0) << "an open menu ends first";
    EXPECT_TRUE(form.menus().MainMenuMode());
    EXPECT_EQ(events, (std::vector<std::string>{"open", "close", "main enter"}));
    SendKey('A');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 3000));
    SendKey(VK_F10);
    ASSERT_TRUE(test::PumpUntil([&] { return !form.menus().MainMenuMode(); }, 3000))
        << "F10 reaches SC_KEYMENU";
    EXPECT_EQ(events.back(), "main exit");
}

// A skinned popup menu of the form opens through the frame, replacing a menu it has open; one
// without items, or on a form without a frame, shows nothing and leaves the keyboard alone.
TEST_F(FrameMenuModeTest, ASkinnedPopupMenuShowsThroughTheFrame) {
    AddItems(2);
    form.menus().ShowSystemMenu(200, 200);
    TspSkinPopupMenu popup(&form.menus());
    int popups = 0;
    popup.OnPopup = [&] { ++popups; };
    popup.Items.Add("弹出", [this] { ran.push_back("弹出"); });
    popup.Popup(150, 120);
    EXPECT_EQ(popups, 1);
    ASSERT_EQ(Engine().WindowCount(), 1);
    EXPECT_EQ(Engine().Window(0).items.size(), 1u) << "the popup's items replace the system menu";
    RECT r{};
    GetWindowRect(Popup(), &r);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 120);
    EXPECT_EQ(events, (std::vector<std::string>{"open", "close", "open"}));
    SendKey(VK_RETURN);
    ASSERT_TRUE(test::PumpUntil([&] { return !ran.empty(); }, 3000));
    EXPECT_EQ(ran, std::vector<std::string>{"弹出"});

    TspSkinPopupMenu empty(&form.menus()), frameless(nullptr);
    frameless.Items.Add("孤立");
    for (TspSkinPopupMenu* menu : {&empty, &frameless}) {
        menu->Popup(150, 120);
        EXPECT_EQ(Engine().WindowCount(), 0);
        EXPECT_FALSE(form.menus().SkinMenuOpen());
    }
    SendKey('A');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 3000)) << "the keyboard still works";
}

}  // namespace
}  // namespace vemora::skin
