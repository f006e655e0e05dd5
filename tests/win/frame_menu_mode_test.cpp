// The system menu and menu mode on a test form that hands its messages to the frame's menu
// side as the skinned frame does, driven by the real pointer and keyboard.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/win/resource.h"
#include "skin/menus/win/frame_menu_mode.h"
#include "skin/menus/win/popup_window.h"
#include "support/pump.h"
#include "win/resource_data.h"
#include "win/window.h"

namespace vemora::skin {
namespace {

class FramedTestForm : public win::Window {
  public:
    FramedTestForm() {
        Create(L"VemoraFramedTestForm", L"System menu test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 60, 60, 420,
               320, nullptr);
        menus = std::make_unique<FrameMenuMode>(hwnd());
    }
    ~FramedTestForm() override {
        menus.reset();
        Destroy();
    }
    std::unique_ptr<FrameMenuMode> menus;
    std::vector<int> keys;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        LRESULT result = 0;
        if (menus && menus->OnMessage(msg, wp, lp, result)) return result;
        switch (msg) {
            case WM_NCRBUTTONDOWN:
                if (wp == HTCAPTION) return 0;  // the platform would track the button itself
                break;
            case WM_NCRBUTTONUP:
                if (wp != HTCAPTION) break;
                menus->ShowSystemMenu(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
                return 0;
            case WM_CONTEXTMENU:
                return 0;  // the platform's system menu never opens
            case WM_KEYDOWN:
                keys.push_back(int(wp));
                return 0;
        }
        return Window::HandleMessage(msg, wp, lp);
    }
};

void SendKey(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void SendButton(DWORD down, DWORD up) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = down;
    input[1].mi.dwFlags = up;
    SendInput(2, input, sizeof(INPUT));
}

class FrameMenuModeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto block = win::LoadRcData(GetModuleHandleW(nullptr), IDR_SKIN);
        ASSERT_TRUE(block);
        stored.SetCompressedData(*block);
        skinData.SetCompressedStoredSkin(&stored);
        FrameMenuMode& m = *form.menus;
        m.SkinData = &skinData;
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
    TspSkinMenu& Engine() { return form.menus->Menu().Engine(); }
    HWND Popup() { return static_cast<TspSkinPopupWindow*>(Engine().Window(0).view.get())->hwnd(); }
    POINT OnCaption() {
        RECT r{};
        GetWindowRect(form.hwnd(), &r);
        return {r.left + 120, r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
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
    EXPECT_TRUE(form.menus->SkinMenuOpen());

    SendKey(VK_DOWN);
    SendKey(VK_RETURN);
    ASSERT_TRUE(test::PumpUntil([&] { return !ran.empty(); }, 3000));
    EXPECT_EQ(ran, std::vector<std::string>{"项目2"});
    EXPECT_FALSE(form.menus->SkinMenuOpen());
    EXPECT_EQ(events, (std::vector<std::string>{"open", "close"}));
    EXPECT_TRUE(form.keys.empty()) << "menu mode kept the keys from the form";
}

TEST_F(FrameMenuModeTest, EscEndsMenuModeAndTheKeyboardWorksAgain) {
    AddItems(3);
    form.menus->ShowSystemMenu(200, 200);
    ASSERT_TRUE(form.menus->SkinMenuOpen());
    SendKey(VK_ESCAPE);
    ASSERT_TRUE(test::PumpUntil([&] { return !form.menus->SkinMenuOpen(); }, 3000));
    EXPECT_EQ(Engine().WindowCount(), 0);
    EXPECT_TRUE(ran.empty());
    SendKey('A');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 3000));
}

TEST_F(FrameMenuModeTest, AClickInTheClientAreaClosesTheMenuAndReleasesThePressedButton) {
    AddItems(3);
    bool buttonDown = true;
    form.menus->ReleasePressedObject = [&] { buttonDown = false; };
    RECT frame{};
    GetWindowRect(form.hwnd(), &frame);
    form.menus->ShowSystemMenuAt({frame.left + 4, frame.top + 4, frame.left + 20, frame.top + 20});
    ASSERT_EQ(Engine().WindowCount(), 1);
    POINT client{300, 200};
    ClientToScreen(form.hwnd(), &client);
    SetCursorPos(client.x, client.y);
    test::PumpFor(30);
    SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(test::PumpUntil([&] { return Engine().WindowCount() == 0; }, 3000));
    EXPECT_FALSE(buttonDown);
    EXPECT_FALSE(form.menus->SkinMenuOpen());
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
    EXPECT_FALSE(form.menus->SkinMenuOpen());
    EXPECT_TRUE(events.empty());
    SendKey('B');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 3000)) << "the keyboard keeps working";
}

TEST_F(FrameMenuModeTest, TheStandardItemsRunTheirCommands) {
    form.menus->UseDefaultSysMenu = true;
    int closes = 0;
    form.menus->Context = [&] {
        SystemMenuContext context;
        context.commands.close = [&] { ++closes; };
        return context;
    };
    ASSERT_TRUE(RightClickCaption());
    // minimize, maximize, close
    ASSERT_EQ(Engine().Window(0).items.size(), 3u);
    SendKey('C');
    ASSERT_TRUE(test::PumpUntil([&] { return closes == 1; }, 3000));
    EXPECT_FALSE(form.menus->SkinMenuOpen());
}

TEST_F(FrameMenuModeTest, AltAndF10EnterAndLeaveMainMenuModeWithoutTakingTheKeyboard) {
    AddItems(2);
    form.menus->ShowSystemMenu(200, 200);
    LRESULT result = 0;
    EXPECT_TRUE(form.menus->OnMessage(WM_SYSCOMMAND, SC_KEYMENU, 0, result));
    EXPECT_EQ(Engine().WindowCount(), 0) << "an open menu ends first";
    EXPECT_TRUE(form.menus->MainMenuMode());
    EXPECT_EQ(events, (std::vector<std::string>{"open", "close", "main enter"}));
    SendKey('A');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 3000));
    SendKey(VK_F10);
    ASSERT_TRUE(test::PumpUntil([&] { return !form.menus->MainMenuMode(); }, 3000))
        << "F10 reaches SC_KEYMENU";
    EXPECT_EQ(events.back(), "main exit");
}

}  // namespace
}  // namespace vemora::skin
