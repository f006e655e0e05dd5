// The menu engine's real windows: placement at the pointer, the skin's pixels and outline,
// the real keyboard through menu mode, the real pointer on the scroll markers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/menus/win/hosted_skin_menu.h"
#include "skin/menus/win/menu_mode.h"
#include "skin/menus/win/popup_window.h"
#include "support/menu_support.h"
#include "support/pump.h"
#include "win/window.h"

namespace vemora::skin {
namespace {

// A plain top-level window that counts the menu messages it gets and the keys it sees.
class MenuTestForm : public win::Window {
  public:
    MenuTestForm() {
        Create(L"VemoraMenuTestForm", L"Menu test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 40, 80, 400, 300,
               nullptr);
    }
    int closed = 0;
    std::vector<int> keys;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_SKINMENU_CLOSED) ++closed;
        if (msg == WM_KEYDOWN) keys.push_back(int(wp));
        return Window::HandleMessage(msg, wp, lp);
    }
};

using test::SendButton;
using test::SendKey;

class SkinMenuWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        test::LoadOwnSkin(stored, skinData);
        ASSERT_TRUE(form.hwnd());
        SetForegroundWindow(form.hwnd());
        test::PumpUntil([&] { return GetForegroundWindow() == form.hwnd(); }, 2000);
        SetCursorPos(10, 10);
    }
    void TearDown() override { keyboard.Stop(); }

    TMenuItem& Leaf(const std::string& caption) {
        return root.Add(caption, [this, caption] { ran.push_back(caption); });
    }
    // Opens the root at a screen point in menu mode, as the frame does.
    void Open(Point at) {
        keyboard.Start([this](int key) {
            menu.Engine().KeyDown(key);
            if (key == VK_ESCAPE && menu.Engine().WindowCount() == 0) keyboard.Stop();
        });
        menu.Engine().PopupMenuAt(nullptr, &skinData, false, root, {at.x, at.y, at.x, at.y}, 0);
    }
    HWND Popup(int level = 0) const {
        return static_cast<TspSkinPopupWindow*>(menu.Engine().Window(level).view.get())->hwnd();
    }
    POINT ScreenPoint(int level, Point p) const {
        POINT s{p.x, p.y};
        ClientToScreen(Popup(level), &s);
        return s;
    }

    TspCompressedStoredSkin stored;
    TspSkinData skinData;
    MenuTestForm form;
    HostedSkinMenu menu{form.hwnd()};
    MenuModeKeyboard keyboard;
    TMenuItem root;
    std::vector<std::string> ran;
};

TEST_F(SkinMenuWindows, OpensAtThePointWithTheSkinsPicturesAndOutline) {
    Leaf("打开(&O)");
    root.Add("-");
    Leaf("关闭(&C)").ShortCutText = "Alt+F4";
    Open({150, 160});
    ASSERT_EQ(menu.Engine().WindowCount(), 1);
    const PopupLevel& level = menu.Engine().Window(0);
    RECT r{};
    GetWindowRect(Popup(), &r);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 160);
    EXPECT_EQ(r.bottom - r.top, 20 + 3 + 20 + 4);
    EXPECT_TRUE(IsWindowVisible(Popup()));
    EXPECT_EQ(GetForegroundWindow(), form.hwnd()) << "the menu never takes the activation";

    win::UniqueResource<HRGN, win::GdiObjectTraits<HRGN>> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(Popup(), region.get()), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "the mask rounds the corners";
    EXPECT_TRUE(PtInRegion(region.get(), 3, 3));

    // The screen shows the active strip of the menu item picture under the first item and the
    // normal strip under the last, at their fixed left ends.
    test::PumpFor(100);
    const TspDataSkinMenuItem& item = *level.skin.item;
    const Image24& picture = skinData.ActivePictures[size_t(item.ActivePictureIndex)];
    HDC screen = GetDC(nullptr);
    const auto screenPixel = [&](int row, Point at) {
        const POINT p = ScreenPoint(0, {at.x, level.items[size_t(row)].rect.top + at.y});
        const COLORREF c = GetPixel(screen, p.x, p.y);
        return PixelColor(GetBValue(c)) | PixelColor(GetGValue(c)) << 8 | PixelColor(GetRValue(c)) << 16;
    };
    const int x = level.items[0].rect.left + 1;
    EXPECT_EQ(screenPixel(0, {x, 1}),
              picture.GetPixel(item.ActiveSkinRect.left + 1, item.ActiveSkinRect.top + 1));
    EXPECT_EQ(screenPixel(2, {x, 1}), picture.GetPixel(item.SkinRect.left + 1, item.SkinRect.top + 1));
    ReleaseDC(nullptr, screen);
}

TEST_F(SkinMenuWindows, TheRealKeyboardMovesAndRunsAnItemAndEscEndsMenuMode) {
    Leaf("First");
    Leaf("Second");
    Leaf("Third");
    Open({150, 160});
    SendKey(VK_DOWN);
    ASSERT_TRUE(test::PumpUntil([&] { return menu.Engine().Window(0).activeIndex == 1; }, 5000));
    SendKey(VK_RETURN);
    ASSERT_TRUE(test::PumpUntil([&] { return !ran.empty(); }, 5000));
    EXPECT_EQ(ran, std::vector<std::string>{"Second"});
    EXPECT_EQ(menu.Engine().WindowCount(), 0);
    EXPECT_EQ(form.closed, 1) << "the host hears WM_SKINMENU_CLOSED";
    EXPECT_TRUE(form.keys.empty()) << "keys in menu mode never reach the form";

    keyboard.Stop();
    form.keys.clear();
    Open({150, 160});
    SendKey(VK_ESCAPE);
    ASSERT_TRUE(test::PumpUntil([&] { return !keyboard.Active(); }, 5000));
    EXPECT_EQ(menu.Engine().WindowCount(), 0);
    EXPECT_FALSE(menu.Engine().MenuOpen());
    SendKey('A');
    EXPECT_TRUE(test::PumpUntil([&] { return !form.keys.empty(); }, 5000)) << "the keyboard works again";
}

TEST_F(SkinMenuWindows, AClickOnAnItemRunsIt) {
    Leaf("One");
    Leaf("Two");
    Open({150, 160});
    const Rect& r = menu.Engine().Window(0).items[1].rect;
    const POINT p = ScreenPoint(0, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    SetCursorPos(p.x, p.y);
    ASSERT_TRUE(test::PumpUntil([&] { return menu.Engine().Window(0).activeIndex == 1; }, 5000));
    SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(test::PumpUntil([&] { return !ran.empty(); }, 5000));
    EXPECT_EQ(ran, std::vector<std::string>{"Two"});
}

TEST_F(SkinMenuWindows, TwelveItemsWithAMaximumOfFiveScrollByTheirMarkers) {
    for (int i = 0; i < 12; ++i) Leaf("Item " + std::to_string(i));
    menu.Engine().SetMaxMenuItemsInWindow(5);
    Open({150, 160});
    PopupLevel& level = menu.Engine().Window(0);
    EXPECT_EQ(level.visibleCount, 5);
    const Rect& last = level.items[4].rect;
    POINT p = ScreenPoint(0, {(last.left + last.right) / 2, (last.top + last.bottom) / 2});
    SetCursorPos(p.x, p.y);
    ASSERT_TRUE(test::PumpUntil([&] { return level.activeIndex == 4; }, 5000));
    test::PumpFor(300);
    EXPECT_EQ(level.firstVisible, 0) << "resting on an item scrolls nothing";

    const Rect band = level.BottomBand();
    p = ScreenPoint(0, {(band.left + band.right) / 2, band.top + 4});
    SetCursorPos(p.x, p.y);
    ASSERT_TRUE(test::PumpUntil([&] { return level.scrollCode == 0; }, 5000)) << "scrolling stops at the end";
    EXPECT_EQ(level.firstVisible, 7) << "the last page";
    EXPECT_TRUE(level.items[11].visible);
}

TEST_F(SkinMenuWindows, OpeningAndClosingLeaksNoGdiOrUserObjects) {
    Leaf("One");
    TMenuItem& parent = Leaf("Parent");
    parent.Add("Child");
    const auto count = [](DWORD kind) { return GetGuiResources(GetCurrentProcess(), kind); };
    Open({150, 160});
    menu.Engine().KeyDown(VK_DOWN);
    menu.Engine().KeyDown(VK_RIGHT);
    menu.Engine().CloseAll();
    test::PumpFor(50);
    const DWORD gdi = count(GR_GDIOBJECTS);
    const DWORD user = count(GR_USEROBJECTS);
    for (int i = 0; i < 20; ++i) {
        Open({150 + i, 160});
        menu.Engine().KeyDown(VK_DOWN);
        menu.Engine().KeyDown(VK_RIGHT);
        ASSERT_EQ(menu.Engine().WindowCount(), 2);
        test::PumpFor(10);
        menu.Engine().CloseAll();
    }
    test::PumpFor(50);
    EXPECT_LE(count(GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(count(GR_USEROBJECTS), user + 2);
}

}  // namespace
}  // namespace vemora::skin
