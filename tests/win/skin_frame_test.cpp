// The main window's skinned frame, on a real window: its style, client area, outline, hit
// test, size limits, the pixels on screen, and the caption buttons driven by messages.
#include <gmock/gmock.h>

#include "skin/draw/win/regions.h"
#include "skin/frame/frame_geometry.h"
#include "support/form_fixture.h"

namespace vemora::test {
namespace {

using skin::Point;

class SkinFrameTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->Show();
        SetForegroundWindow(form->hwnd());
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form->hwnd(); }));
        PumpFor(100);
    }

    RECT Bounds() const {
        RECT r{};
        GetWindowRect(form->hwnd(), &r);
        return r;
    }
    LPARAM ScreenPoint(Point p) const {
        const RECT b = Bounds();
        return MAKELPARAM(b.left + p.x, b.top + p.y);
    }
    int HitTest(Point p) const { return int(SendMessageW(form->hwnd(), WM_NCHITTEST, 0, ScreenPoint(p))); }
    // A click as the system delivers it: press on the frame, release to the captured window.
    void Click(Point p) {
        const int hit = HitTest(p);
        SendMessageW(form->hwnd(), WM_NCLBUTTONDOWN, hit, ScreenPoint(p));
        SendMessageW(form->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
    }
    Point Centre(const char* name) const {
        for (const auto& object : form->Frame().Form().Objects()) {
            if (object->IDName == name) {
                const skin::Rect& r = object->ObjectRect;
                return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            }
        }
        ADD_FAILURE() << "no object " << name;
        return {};
    }
    COLORREF ScreenPixel(Point p) const {
        const RECT b = Bounds();
        HDC screen = GetDC(nullptr);
        const COLORREF color = GetPixel(screen, b.left + p.x, b.top + p.y);
        ReleaseDC(nullptr, screen);
        return color;
    }
    static COLORREF PicturePixel(const skin::Image24& picture, Point p) {
        const skin::PixelColor c = picture.GetPixel(p.x, p.y);
        return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    }
};

TEST_F(SkinFrameTest, NoPlatformCaptionAndTheClientInsetByTheSkin) {
    const LONG style = GetWindowLongW(form->hwnd(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_THICKFRAME, 0);
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, 585);
    EXPECT_EQ(client.bottom, 410);
    POINT origin{0, 0};
    ClientToScreen(form->hwnd(), &origin);
    const RECT b = Bounds();
    EXPECT_EQ(origin.x - b.left, 8);
    EXPECT_EQ(origin.y - b.top, 27);
    EXPECT_EQ(b.right - b.left, 585 + 16);
    EXPECT_EQ(b.bottom - b.top, 410 + 34);
    wchar_t caption[64] = {};
    GetWindowTextW(form->hwnd(), caption, 64);
    EXPECT_EQ(win::Narrow(caption), "Vemora V2.8(目录监视专家)");
}

TEST_F(SkinFrameTest, TheOutlineIsTheMasksRegionAtTheWindowsSize) {
    const skin::TspSkinData& skin = form->SkinData();
    const RECT b = Bounds();
    const skin::FrameSkin frameSkin{&skin.FormInfo, skin.Picture.Width(), skin.Picture.Height()};
    const skin::FrameGeometry g = skin::CalcFrameGeometry(frameSkin, b.right - b.left, b.bottom - b.top);
    const skin::UniqueRegion expected = skin::gdi::RegionFromFrameMask(
        skin::PictureMaskPoints(frameSkin), skin::WindowMaskPoints(g), skin.MaskPicture, g.width, g.height);
    ASSERT_TRUE(expected);
    const skin::UniqueRegion actual(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(form->hwnd(), actual.get()), ERROR);
    EXPECT_TRUE(EqualRgn(actual.get(), expected.get()));
    EXPECT_FALSE(PtInRegion(actual.get(), 0, 0));  // the rounded corners are cut
    EXPECT_FALSE(PtInRegion(actual.get(), g.width - 1, g.height - 1));
    EXPECT_TRUE(PtInRegion(actual.get(), 5, 0));
}

TEST_F(SkinFrameTest, HitTestAtCornersBordersCaptionButtonsAndClient) {
    const RECT b = Bounds();
    const int w = b.right - b.left, h = b.bottom - b.top;
    const struct {
        const char* what;
        Point p;
        int code;
    } cases[] = {
        {"top-left corner", {2, 2}, HTTOPLEFT},
        {"top-right corner", {w - 3, 3}, HTTOPRIGHT},
        {"bottom-left corner", {3, h - 2}, HTBOTTOMLEFT},
        {"bottom-right corner", {w - 3, h - 3}, HTBOTTOMRIGHT},
        {"left border", {1, 100}, HTLEFT},
        {"right border", {w - 2, 100}, HTRIGHT},
        {"top border", {100, 1}, HTTOP},
        {"bottom border", {200, h - 2}, HTBOTTOM},
        {"caption", {100, 12}, HTCAPTION},
        {"close button", Centre("closebutton"), HTOBJECT},
        {"maximize button", Centre("maximizebutton"), HTOBJECT},
        {"minimize button", Centre("minimizebutton"), HTOBJECT},
        {"client", {300, 200}, HTCLIENT},
    };
    for (const auto& c : cases) EXPECT_EQ(HitTest(c.p), c.code) << c.what;
}

TEST_F(SkinFrameTest, SizeLimitsAreTheMinimumWidthAndTheCaptionBar) {
    MINMAXINFO info{};
    SendMessageW(form->hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 592);
    EXPECT_EQ(info.ptMinTrackSize.y, 34);
    SetWindowPos(form->hwnd(), nullptr, 0, 0, 300, 20, SWP_NOMOVE | SWP_NOZORDER);
    const RECT b = Bounds();
    EXPECT_EQ(b.right - b.left, 592);
    EXPECT_EQ(b.bottom - b.top, 34);
}

TEST_F(SkinFrameTest, FramePixelsAreThePicturesActiveAndInactive) {
    const skin::TspSkinData& skin = form->SkinData();
    // Corner pixels inside the outline, left of the caption text.
    const Point corners[] = {{5, 0}, {3, 2}, {2, 10}, {6, 20}};
    ASSERT_TRUE(
        PumpUntil([&] { return ScreenPixel(corners[0]) == PicturePixel(skin.Picture, corners[0]); }, 3000));
    for (Point p : corners) EXPECT_EQ(ScreenPixel(p), PicturePixel(skin.Picture, p)) << p.x << "," << p.y;

    // Another window takes the activation.
    const HWND other = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                       50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    ASSERT_TRUE(PumpUntil(
        [&] { return ScreenPixel(corners[3]) == PicturePixel(skin.InactivePicture, corners[3]); }, 3000));
    for (Point p : corners)
        EXPECT_EQ(ScreenPixel(p), PicturePixel(skin.InactivePicture, p)) << p.x << "," << p.y;
    DestroyWindow(other);
}

TEST_F(SkinFrameTest, MaximizeFillsTheWorkAreaAndRestoresTheBounds) {
    const RECT before = Bounds();
    Click(Centre("maximizebutton"));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT b = Bounds();
    // The whole work area, or 1 pixel inside it when the work area is the whole screen.
    const bool margin = work.right - work.left == GetSystemMetrics(SM_CXSCREEN) &&
                        work.bottom - work.top == GetSystemMetrics(SM_CYSCREEN);
    const int m = margin ? 1 : 0;
    EXPECT_EQ(b.left, work.left + m);
    EXPECT_EQ(b.top, work.top + m);
    EXPECT_EQ(b.right, work.right - m);
    EXPECT_EQ(b.bottom, work.bottom - m);
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, b.right - b.left - 16);  // the border follows the new size
    PumpFor(100);
    Click(Centre("maximizebutton"));
    b = Bounds();
    EXPECT_EQ(b.left, before.left);
    EXPECT_EQ(b.top, before.top);
    EXPECT_EQ(b.right, before.right);
    EXPECT_EQ(b.bottom, before.bottom);
}

TEST_F(SkinFrameTest, CloseButtonAsksBeforeClosing) {
    ui.answers.push_back(IDNO);
    Click(Centre("closebutton"));
    ASSERT_TRUE(PumpUntil([&] { return !ui.messages.empty(); }));
    EXPECT_EQ(ui.messages.back().text, "您确认要退出目录监视软件?");
    EXPECT_TRUE(IsWindow(form->hwnd()));
}

TEST_F(SkinFrameTest, RepeatedResizesLeakNoGdiObjects) {
    const auto resize = [&](int i) {
        SetWindowPos(form->hwnd(), nullptr, 0, 0, 600 + i, 450 + i, SWP_NOMOVE | SWP_NOZORDER);
        RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    };
    resize(0);
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (gdi == 0) GTEST_SKIP() << "this system does not count GDI objects";
    for (int i = 1; i <= 30; ++i) resize(i % 7);
    resize(0);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
}

// A frame on a plain test window, without a skin: the built-in frame and the fade-in.
class PlainFrameTest : public testing::Test {
  protected:
    void SetUp() override {
        window = CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_TRUE(window);
        ASSERT_TRUE(frame.Attach(window, false));
    }
    void TearDown() override { DestroyWindow(window); }
    int Alpha() const {
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return 255;
        GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
        return alpha;
    }
    HWND window = nullptr;
    skin::SkinFrameWindow frame;
};

TEST_F(PlainFrameTest, BuiltInFrameInsetsAndCaption) {
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 400 - 6);
    EXPECT_EQ(client.bottom, 300 - 19 - 6);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, 103);
    EXPECT_EQ(origin.y, 100 + 19 + 3);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(100 + 1, 100 + 100)), HTLEFT);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(100 + 50, 100 + 10)), HTCAPTION);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(100 + 200, 100 + 150)), HTCLIENT);
}

TEST_F(PlainFrameTest, FadeInEndsAtTheTransparencyAsked) {
    const struct {
        bool alphaBlend, animation;
        int alpha;
    } cases[] = {{true, false, 200}, {true, true, 200}, {false, true, 255}};
    for (const auto& c : cases) {
        ShowWindow(window, SW_HIDE);
        frame.AlphaBlendAnimation = c.animation;
        frame.SetAlphaBlend(c.alphaBlend);
        ShowWindow(window, SW_SHOW);
        EXPECT_TRUE(PumpUntil([&] { return Alpha() == c.alpha; }, 2000)) << c.alphaBlend << c.animation;
    }
}

}  // namespace
}  // namespace vemora::test
