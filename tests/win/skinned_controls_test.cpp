// The skinned controls as real windows: the standard messages they answer, the mouse rules
// through real window messages, and skin changes that leave no GDI or window objects behind.
#include <gmock/gmock.h>

#include "skin/data/skin_messages.h"
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
