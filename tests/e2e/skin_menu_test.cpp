// The skinned system menu on a test form under the skinned frame (vemora_menu_form.exe),
// driven by the real mouse and keyboard; the form answers what happened through its
// messages, and the screen shows it.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e_support.h"
#include "menu_form_messages.h"

namespace vemora::e2e {
namespace {

constexpr wchar_t kPopupClass[] = L"TspSkinPopupWindow";

std::wstring FormExe() {
    return g_exe.substr(0, g_exe.find_last_of(L"\\/") + 1) + L"vemora_menu_form.exe";
}

POINT Unpack(LRESULT packed) {
    return {GET_X_LPARAM(packed), GET_Y_LPARAM(packed)};
}

std::string At(POINT p) {
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

class SkinMenuEndToEnd : public ::testing::Test {
  protected:
    void Start(const std::wstring& arguments) {
        app_ = std::make_unique<Process>(FormExe(), arguments);
        ASSERT_TRUE(WaitFor([&] {
            form_ = VisibleWindowOfClass(app_->pid(), kMenuFormClass);
            return form_ != nullptr;
        })) << "the test form did not appear";
        ASSERT_TRUE(ClickAt(ClientPoint()));  // activates it
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == form_; }));
    }
    LRESULT Ask(MenuFormQuery query, WPARAM wp = 0) const {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(form_, query, wp, 0, SMTO_ABORTIFHUNG, 5000, &answer);
        return LRESULT(answer);
    }
    POINT OnCaption() const {
        RECT r{};
        GetWindowRect(form_, &r);
        return {r.left + 120, r.top + 10};
    }
    POINT ClientPoint() const {
        RECT r{};
        GetWindowRect(form_, &r);
        return {(r.left + r.right) / 2, (r.top + 2 * r.bottom) / 3};
    }
    HWND Popup() const { return VisibleWindowOfClass(app_->pid(), kPopupClass); }
    // A right click on the caption; the menu's window once it shows.
    HWND OpenFromTheCaption() {
        if (!ClickAt(OnCaption(), 3)) return nullptr;
        HWND popup = nullptr;
        WaitFor([&] { return (popup = Popup()) != nullptr; });
        return popup;
    }
    COLORREF ItemColor(int index) const { return ScreenColor(Unpack(Ask(kQueryItemCorner, index))); }

    std::unique_ptr<Process> app_;
    HWND form_ = nullptr;
};

TEST_F(SkinMenuEndToEnd, ARightClickOnTheCaptionOpensAtThePointerAndDownAndEnterRunAnItem) {
    Start(L"3");
    HWND popup = OpenFromTheCaption();
    ASSERT_NE(popup, nullptr) << "no skinned menu opened";
    RECT r{};
    GetWindowRect(popup, &r);
    const POINT pointer = OnCaption();
    EXPECT_EQ(r.left, pointer.x);
    EXPECT_EQ(r.top, pointer.y);
    EXPECT_EQ(Ask(kQueryMenuMode), 1);

    // The first item shows the active look; Down moves it to the second.
    ASSERT_TRUE(WaitFor([&] { return ItemColor(0) != ItemColor(1); }, 5000));
    const COLORREF active = ItemColor(0), normal = ItemColor(1);
    ASSERT_TRUE(Xdotool("key Down"));
    EXPECT_TRUE(WaitFor([&] { return ItemColor(1) == active && ItemColor(0) == normal; }, 5000))
        << "the highlight did not move down";
    ASSERT_TRUE(Xdotool("key Return"));
    EXPECT_TRUE(WaitFor([&] { return Ask(kQueryLastRun) == 1; }, 5000)) << "the second item did not run";
    EXPECT_TRUE(WaitFor([&] { return Popup() == nullptr && Ask(kQueryMenuMode) == 0; }, 5000));
    EXPECT_EQ(Ask(kQueryKeys), 0) << "menu mode kept the keys from the form";
}

TEST_F(SkinMenuEndToEnd, EscEndsMenuModeAndTheKeysReachTheFormAgain) {
    Start(L"3");
    ASSERT_NE(OpenFromTheCaption(), nullptr);
    ASSERT_TRUE(Xdotool("key Escape"));
    EXPECT_TRUE(WaitFor([&] { return Popup() == nullptr && Ask(kQueryMenuMode) == 0; }, 5000));
    ASSERT_TRUE(Xdotool("key a"));
    EXPECT_TRUE(WaitFor([&] { return Ask(kQueryKeys) == 1; }, 5000));
    EXPECT_EQ(Ask(kQueryLastRun), -1);
}

TEST_F(SkinMenuEndToEnd, AClickInTheClientAreaClosesTheMenuAndReleasesTheSystemMenuButton) {
    Start(L"3");
    const LRESULT centre = Ask(kQueryButtonCentre);
    ASSERT_NE(centre, -1) << "the form has no system-menu button";
    ASSERT_TRUE(ClickAt(Unpack(centre)));
    HWND popup = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (popup = Popup()) != nullptr; }, 5000)) << "the button opened no menu";
    RECT r{};
    GetWindowRect(popup, &r);
    EXPECT_GT(r.top, Unpack(centre).y) << "below the button";
    EXPECT_FALSE(WaitFor([&] { return Ask(kQueryButtonDown) == 0; }, 500))
        << "the button stays down while its menu is open";

    ASSERT_TRUE(ClickAt(ClientPoint()));
    EXPECT_TRUE(WaitFor([&] { return Popup() == nullptr; }, 5000)) << "the menu stays open";
    EXPECT_TRUE(WaitFor([&] { return Ask(kQueryButtonDown) == 0 && Ask(kQueryMenuMode) == 0; }, 5000));
    EXPECT_EQ(Ask(kQueryLastRun), -1);
}

TEST_F(SkinMenuEndToEnd, TwelveItemsWithAMaximumOfFiveScrollOnlyByTheirMarkers) {
    Start(L"12 5");
    ASSERT_NE(OpenFromTheCaption(), nullptr);
    EXPECT_EQ(Ask(kQueryFirstVisible), 0);
    EXPECT_EQ(Ask(kQueryItemCorner, 5), -1) << "five items show";
    // Resting on the last item shown scrolls nothing.
    POINT last = Unpack(Ask(kQueryItemCorner, 4));
    ASSERT_TRUE(Xdotool("mousemove " + At({last.x + 20, last.y + 5})));
    EXPECT_FALSE(WaitFor([&] { return Ask(kQueryFirstVisible) != 0; }, 600));
    // The bottom marker scrolls to the last page.
    ASSERT_TRUE(Xdotool("mousemove " + At(Unpack(Ask(kQueryBottomMarker)))));
    EXPECT_TRUE(WaitFor([&] { return Ask(kQueryFirstVisible) == 7; }, 5000)) << Ask(kQueryFirstVisible);
    EXPECT_NE(Ask(kQueryItemCorner, 11), -1) << "the last item shows";
    EXPECT_EQ(Ask(kQueryLastRun), -1);
}

}  // namespace
}  // namespace vemora::e2e
