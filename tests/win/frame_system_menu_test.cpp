// The system menu of the main window's skinned frame, with the real pointer and keyboard:
// this program's empty menu opens nothing; a SystemMenu with items opens at the pointer,
// runs an item from the keyboard and closes on a click in the client area.
#include <gtest/gtest.h>

#include "skin/menus/win/popup_window.h"
#include "support/form_fixture.h"

namespace vemora::test {
namespace {

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

HWND VisibleWindowOfClass(const wchar_t* name) {
    HWND found = FindWindowW(name, nullptr);
    return found && IsWindowVisible(found) ? found : nullptr;
}

class FrameSystemMenuTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->Show();
        SetForegroundWindow(form->hwnd());
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form->hwnd(); }));
        PumpFor(100);
    }
    skin::FrameMenuMode& Menus() { return form->Frame().Menus(); }
    // A right click on the caption, the pointer moved there first.
    void RightClickCaption() {
        RECT b{};
        GetWindowRect(form->hwnd(), &b);
        SetCursorPos(b.left + 100, b.top + 12);
        PumpFor(50);
        SendButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    }
};

TEST_F(FrameSystemMenuTest, ThisProgramsEmptyMenuOpensNothingAndTheKeyboardKeepsWorking) {
    RightClickCaption();
    PumpFor(500);
    EXPECT_EQ(VisibleWindowOfClass(skin::kPopupWindowClass), nullptr);
    EXPECT_EQ(VisibleWindowOfClass(L"#32768"), nullptr) << "nor the platform's menu";
    EXPECT_FALSE(Menus().SkinMenuOpen());
    SetFocus(form->ePath.hwnd());
    SendKey('A');
    SendKey('B');
    EXPECT_TRUE(PumpUntil([&] { return form->ePath.Text() == "ab"; }, 5000)) << form->ePath.Text();
}

TEST_F(FrameSystemMenuTest, ItemsOpenAtThePointerAndTheKeysRunOne) {
    skin::TMenuItem items;
    std::vector<std::string> ran;
    for (const char* caption : {"第一项", "第二项", "第三项"}) {
        items.Add(caption, [&ran, caption] { ran.push_back(caption); });
    }
    Menus().SystemMenu = &items;
    RightClickCaption();
    ASSERT_TRUE(PumpUntil([&] { return VisibleWindowOfClass(skin::kPopupWindowClass) != nullptr; }, 5000));
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT popup{};
    GetWindowRect(VisibleWindowOfClass(skin::kPopupWindowClass), &popup);
    EXPECT_EQ(popup.left, cursor.x);
    EXPECT_EQ(popup.top, cursor.y);
    SendKey(VK_DOWN);
    SendKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !ran.empty(); }, 5000));
    EXPECT_EQ(ran, std::vector<std::string>{"第二项"});
    EXPECT_FALSE(Menus().SkinMenuOpen());
    Menus().SystemMenu = &form->SystemMenu;
}

TEST_F(FrameSystemMenuTest, AClickInTheClientAreaClosesTheMenu) {
    skin::TMenuItem items;
    items.Add("第一项");
    Menus().SystemMenu = &items;
    Menus().UseDefaultSysMenu = true;
    RightClickCaption();
    ASSERT_TRUE(PumpUntil([&] { return Menus().SkinMenuOpen(); }, 5000));
    ASSERT_EQ(Menus().Menu().Engine().WindowCount(), 1);
    // minimize, maximize, roll up, the user's item, close
    EXPECT_EQ(Menus().Menu().Engine().Window(0).items.size(), 5u);
    POINT client{300, 300};
    ClientToScreen(form->hwnd(), &client);
    SetCursorPos(client.x, client.y);
    PumpFor(50);
    SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return !Menus().SkinMenuOpen(); }, 5000));
    EXPECT_EQ(Menus().Menu().Engine().WindowCount(), 0);
    Menus().SystemMenu = &form->SystemMenu;
    Menus().UseDefaultSysMenu = false;
}

}  // namespace
}  // namespace vemora::test
