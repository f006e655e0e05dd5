// The skinned controls as real windows: the standard messages they answer, the mouse rules
// through real window messages, and skin changes that leave no GDI or window objects behind.
#include <gmock/gmock.h>

#include "skin/data/skin_messages.h"
#include "skin/draw/win/dib_section.h"
#include "support/form_fixture.h"

namespace vemora::test {
namespace {

using SkinnedControlsTest = FormFixture;

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

TEST_F(SkinnedControlsTest, AButtonClicksOnReleaseOverItAndAnswersTheButtonMessages) {
    skin::TspSkinButton button;
    ASSERT_TRUE(button.Create(form->spSkinPanel1.hwnd(), 10, 10, 75, 25, "测试"));
    button.SetSkinData(&form->SkinData());
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    const HWND h = button.hwnd();
    EXPECT_EQ(button.Height(), 21) << "the record fixes the height";

    SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(SendMessageW(h, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageW(h, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);

    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, At(200, 5));  // dragged off
    SendMessageW(h, WM_LBUTTONUP, 0, At(200, 5));
    EXPECT_EQ(clicks, 1) << "released off the button";

    SendMessageW(h, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(SendMessageW(h, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
    wchar_t text[16] = {};
    GetWindowTextW(h, text, 16);
    EXPECT_EQ(win::Narrow(text), "测试");

    EnableWindow(h, FALSE);
    SendMessageW(h, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 3) << "a disabled button does nothing";
}

TEST_F(SkinnedControlsTest, ACheckBoxAnswersTheCheckMessagesAndADisabledOneIgnoresTheMouse) {
    skin::TspSkinCheckRadioBox& box = form->ckMonitorSize;
    std::vector<bool> seen;
    box.OnClick = [&] { seen.push_back(box.Checked()); };
    const HWND h = box.hwnd();
    SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);  // as assigning Checked
    EXPECT_THAT(seen, testing::ElementsAre(true));
    EXPECT_EQ(SendMessageW(h, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_THAT(seen, testing::ElementsAre(true, false)) << "a click toggles before OnClick";

    EnableWindow(h, FALSE);
    SendMessageW(h, WM_MOUSEMOVE, 0, At(5, 5));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(SendMessageW(h, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

BOOL CALLBACK CountNativeUpDown(HWND child, LPARAM lp) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (std::wstring_view(name) == UPDOWN_CLASSW) ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

TEST_F(SkinnedControlsTest, TabsThatDoNotFitGetTheSkinnedUpDownWhichScrollsThem) {
    EXPECT_FALSE(form->spSkinPageControl1.HasUpDown()) << "the main window's two tabs fit";
    skin::TspSkinPageControl pages;
    ASSERT_TRUE(pages.Create(form->spSkinPanel1.hwnd(), 10, 10, 160, 80));
    pages.SetSkinData(&form->SkinData());
    for (const char* caption : {"第一页", "第二页", "第三页", "第四页", "第五页", "第六页"})
        pages.AddPage(caption);
    ASSERT_TRUE(pages.HasUpDown());
    const HWND upDown = pages.UpDown()->hwnd();
    int native = 0;
    EnumChildWindows(pages.hwnd(), &CountNativeUpDown, reinterpret_cast<LPARAM>(&native));
    EXPECT_EQ(native, 0) << "the platform's arrows are gone";
    RECT r{};
    GetWindowRect(upDown, &r);
    MapWindowPoints(nullptr, pages.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.right - r.left, 36) << "the hupdown record's size";
    EXPECT_EQ(r.bottom - r.top, 18);
    EXPECT_EQ(r.right, 160);
    EXPECT_EQ(r.top, 0);
    const skin::TspSkinData& data = form->SkinData();
    const auto& record = dynamic_cast<const skin::TspDataSkinUpDownControl&>(
        *data.SkinControls[data.IndexOfControl("hupdown")]);
    const skin::Image24& picture = data.ActivePictures[record.PictureIndex];
    const auto shows = [&](const skin::Rect& part, const skin::Rect& from) {
        skin::DibSection shot(36, 18);
        pages.UpDown()->PaintTo(shot.Dc());
        const skin::Image24 view = shot.View();
        for (int y = 0; y < skin::RectHeight(part); ++y) {
            for (int x = 0; x < skin::RectWidth(part); ++x) {
                if ((view.GetPixel(part.left + x, part.top + y) & 0xFFFFFF) !=
                    (picture.GetPixel(from.left + x, from.top + y) & 0xFFFFFF)) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_TRUE(shows({0, 0, 36, 18}, record.SkinRect)) << "the normal picture";

    RECT first{};
    TabCtrl_GetItemRect(pages.hwnd(), 0, &first);
    EXPECT_GT(first.right, 0);
    SendMessageW(upDown, WM_MOUSEMOVE, 0, At(27, 9));  // the up button: the right half
    EXPECT_TRUE(shows(record.UpButtonRect, record.ActiveUpButtonRect)) << "a hovered up button";
    SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, At(27, 9));
    EXPECT_TRUE(shows(record.UpButtonRect, record.DownUpButtonRect)) << "a pressed up button";
    SendMessageW(upDown, WM_LBUTTONUP, 0, At(27, 9));
    EXPECT_EQ(pages.UpDown()->State().Position(), 1);
    TabCtrl_GetItemRect(pages.hwnd(), 0, &first);
    EXPECT_LE(first.right, 0) << "the first tab scrolled out";
    SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, At(9, 9));  // and back with the down button
    SendMessageW(upDown, WM_LBUTTONUP, 0, At(9, 9));
    TabCtrl_GetItemRect(pages.hwnd(), 0, &first);
    EXPECT_GT(first.right, 0);

    MoveWindow(pages.hwnd(), 10, 10, 560, 80, TRUE);
    EXPECT_FALSE(pages.HasUpDown()) << "every tab fits again";
    EXPECT_FALSE(IsWindow(upDown));
}

TEST_F(SkinnedControlsTest, ANonFlatCheckBoxDrawsTheRecordsFrameAndItsCheckInTheCheckArea) {
    skin::TspSkinCheckRadioBox box;
    box.Flat = false;
    ASSERT_TRUE(box.Create(form->spSkinPanel1.hwnd(), 10, 10, 150, 25, "测试"));
    box.SetSkinData(&form->SkinData());
    const skin::TspSkinData& data = form->SkinData();
    const auto& record = dynamic_cast<const skin::TspDataSkinCheckRadioControl&>(
        *data.SkinControls[data.IndexOfControl("checkbox")]);
    const skin::Image24& picture = data.ActivePictures[record.PictureIndex];
    const auto paintedCheck = [&](const skin::Rect& check) {
        skin::DibSection shot(box.Width(), box.Height());
        box.PaintTo(shot.Dc());
        const skin::Image24 view = shot.View();
        if ((view.GetPixel(0, 0) & 0xFFFFFF) !=
            (picture.GetPixel(record.SkinRect.left, record.SkinRect.top) & 0xFFFFFF))
            return false;  // the frame's corner
        const skin::PixelColor key = picture.GetPixel(check.left, check.bottom - 1) & 0xFFFFFF;
        for (int y = 0; y < skin::RectHeight(check); ++y) {
            for (int x = 0; x < skin::RectWidth(check); ++x) {
                const skin::PixelColor p = picture.GetPixel(check.left + x, check.top + y) & 0xFFFFFF;
                if (p != key && (view.GetPixel(3 + x, 3 + y) & 0xFFFFFF) != p) return false;
            }
        }
        return true;
    };
    EXPECT_EQ(box.Height(), 25) << "the record stretches both ways";
    EXPECT_TRUE(paintedCheck(record.UnCheckImageRect));
    box.SetChecked(true);
    EXPECT_TRUE(paintedCheck(record.CheckImageRect));
}

// Live GDI objects and windows of this process. Wine answers GetGuiResources with 0; there the
// GDI handle table is probed (a handle with a zero high word names any generation of its slot).
struct GuiObjects {
    DWORD gdi = 0;
    DWORD windows = 0;
    friend bool operator==(const GuiObjects&, const GuiObjects&) = default;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp) {
    ++*reinterpret_cast<DWORD*>(lp);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lp) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId()) return TRUE;
    auto* count = reinterpret_cast<DWORD*>(lp);
    ++*count;
    EnumChildWindows(hwnd, &CountChild, lp);
    return TRUE;
}

GuiObjects CountGuiObjects() {
    GuiObjects counts;
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counts.gdi == 0) {
        for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
            counts.gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    }
    EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
    return counts;
}

TEST_F(SkinnedControlsTest, SkinChangeRoundTripsLeaveNoObjectsBehind) {
    skin::TspSkinData& data = form->SkinData();
    const auto roundTrip = [&] {
        data.NotifyForms(skin::WM_SKIN_CHANGING);
        data.ClearSkin();
        data.NotifyForms(skin::WM_SKIN_CHANGED);
        RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_EQ(form->bStart.SkinIndex(), -1) << "the built-in look while the skin is empty";
        data.LoadStoredSkin(form->StoredSkin());
        RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_NE(form->bStart.SkinIndex(), -1);
    };
    roundTrip();  // fonts of both looks are made once and kept
    const GuiObjects before = CountGuiObjects();
    ASSERT_GT(before.gdi, 0u);
    for (int i = 0; i < 100; ++i) roundTrip();
    const GuiObjects after = CountGuiObjects();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.windows, before.windows);
    RECT start{};
    GetWindowRect(form->bStart.hwnd(), &start);
    EXPECT_EQ(start.bottom - start.top, 21);
}

}  // namespace
}  // namespace vemora::test
