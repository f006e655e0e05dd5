// Skinned hints on real windows: the main window's controls under the real pointer, the
// picture, outline and text of the hint window, and the component rules.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/draw/marks.h"
#include "skin/hints/win/skin_hint.h"
#include "support/form_fixture.h"
#include "win/text.h"

namespace vemora {
namespace {

using skin::TspSkinHint;

std::string WindowText(HWND hwnd) {
    wchar_t text[256] = {};
    SendMessageW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return win::Narrow(text);
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

skin::PixelColor ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return skin::PixelColor(GetBValue(c)) | skin::PixelColor(GetGValue(c)) << 8 |
           skin::PixelColor(GetRValue(c)) << 16;
}

POINT CentreOnScreen(const win::Control& control) {
    const RECT r = WindowRect(control.hwnd());
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinHintOnForm : public test::FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->Show();
        SetCursorPos(0, 0);
        test::PumpFor(100);
    }
    HWND HintWindow() { return form->SkinHint().StylingComponent(form->hwnd())->Window().hwnd(); }
    // Rests the pointer on the control until its hint shows.
    bool HoverUntilHint(const win::Control& control) {
        const POINT p = CentreOnScreen(control);
        SetCursorPos(p.x - 1, p.y);
        test::PumpFor(30);
        SetCursorPos(p.x, p.y);
        return test::PumpUntil([&] { return IsWindowVisible(HintWindow()) != FALSE; }, 5000);
    }
};

TEST_F(SkinHintOnForm, HoveringAButtonShowsItsHintFromTheSkin) {
    ASSERT_TRUE(HoverUntilHint(form->bStart));
    const HWND hint = HintWindow();
    EXPECT_EQ(WindowText(hint), "开始监控当前设定的目录");
    const RECT r = WindowRect(hint);
    const int w = r.right - r.left, h = r.bottom - r.top;
    EXPECT_GE(w, 40);
    EXPECT_GE(h, 20);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(r.left, cursor.x);
    EXPECT_GT(r.top, cursor.y) << "below the pointer";

    win::UniqueResource<HRGN, win::GdiObjectTraits<HRGN>> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(hint, region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "the mask cuts the corners";
    EXPECT_FALSE(PtInRegion(region.get(), w - 1, h - 1));
    EXPECT_TRUE(PtInRegion(region.get(), 2, 2));

    // The fixed corners of the hint picture appear unchanged at the window's corners.
    const skin::TspSkinData& data = form->SkinData();
    const skin::Image24& picture = data.ActivePictures[size_t(data.HintWindowData.WindowPictureIndex)];
    test::PumpFor(100);
    EXPECT_EQ(ScreenPixel(r.left + 2, r.top + 1), picture.GetPixel(2, 1));
    EXPECT_EQ(ScreenPixel(r.right - 3, r.bottom - 2), picture.GetPixel(37, 18));
    EXPECT_EQ(ScreenPixel(r.left + 1, r.bottom - 3), picture.GetPixel(1, 17));

    SetCursorPos(0, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return !IsWindowVisible(hint); }, 5000)) << "leaving hides it";
    EXPECT_NE(GetForegroundWindow(), hint);
}

TEST_F(SkinHintOnForm, AtTheRightScreenEdgeTheHintOpensLeftOfThePointer) {
    const POINT p = CentreOnScreen(form->bStart);
    const RECT frame = WindowRect(form->hwnd());
    const int shift = GetSystemMetrics(SM_CXSCREEN) - 20 - p.x;
    SetWindowPos(form->hwnd(), nullptr, frame.left + shift, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    test::PumpFor(50);
    ASSERT_TRUE(HoverUntilHint(form->bStart));
    const RECT r = WindowRect(HintWindow());
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(r.left, cursor.x - (r.right - r.left) - 2);
}

// A bare window with hint components of its own.
class HintHost : public win::Window {
  public:
    HintHost() {
        Create(L"VemoraHintHost", L"Hints", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 50, 50, 300, 200, nullptr);
    }
};

TEST(SkinHintComponents, ActivatingOneDeactivatesTheOther) {
    HintHost host;
    TspSkinHint first(host.hwnd());
    TspSkinHint second(host.hwnd());
    EXPECT_TRUE(first.Active());
    EXPECT_FALSE(second.Active()) << "one component styles a form's hints";
    EXPECT_EQ(TspSkinHint::StylingComponent(host.hwnd()), &first);
    second.SetActive(true);
    EXPECT_FALSE(first.Active());
    EXPECT_EQ(TspSkinHint::StylingComponent(host.hwnd()), &second);
    second.SetActive(false);
    EXPECT_EQ(TspSkinHint::StylingComponent(host.hwnd()), nullptr);
    first.ShowHintText("nobody styles it");
    test::PumpFor(GetDoubleClickTime() + 200);
    EXPECT_FALSE(IsWindowVisible(first.Window().hwnd()));
    EXPECT_FALSE(IsWindowVisible(second.Window().hwnd()));
}

TEST(SkinHintComponents, AMultiLineHintKeepsItsLinesInTheBuiltInLook) {
    HintHost host;
    TspSkinHint hint(host.hwnd());  // no skin: the info colours
    hint.ShowHintText("one line");
    ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(hint.Window().hwnd()) != FALSE; }, 5000));
    const RECT one = WindowRect(hint.Window().hwnd());
    hint.ShowHintText("one line\nand a second, longer line");
    ASSERT_TRUE(test::PumpUntil([&] { return WindowText(hint.Window().hwnd()) != "one line"; }, 5000));
    const RECT two = WindowRect(hint.Window().hwnd());
    EXPECT_EQ(WindowText(hint.Window().hwnd()), "one line\nand a second, longer line");
    EXPECT_GT(two.bottom - two.top, 2 * (one.bottom - one.top) - 8) << "two lines are twice as high";
    EXPECT_GT(two.right - two.left, one.right - one.left);
    test::PumpFor(50);
    EXPECT_EQ(ScreenPixel(two.left + 1, two.top + 1) & 0xFFFFFF,
              skin::PixelFromColorRef(GetSysColor(COLOR_INFOBK)));
    hint.HideHint();
    EXPECT_FALSE(IsWindowVisible(hint.Window().hwnd()));
}

}  // namespace
}  // namespace vemora
