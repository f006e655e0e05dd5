// Enter, Escape and caption accelerators reach the skinned buttons and check boxes of a
// dialog-like form through the system's dialog manager (IsDialogMessage), as the program's
// message loops run it.
#include <gtest/gtest.h>

#include "skin/controls/win/skin_button.h"
#include "skin/controls/win/skin_check_box.h"
#include "support/form_fixture.h"
#include "win/controls/basic_controls.h"
#include "win/window.h"

namespace vemora::test {
namespace {

class DialogLikeForm : public win::Window {
  public:
    bool Build(const skin::TspSkinData* skin) {
        if (!Create(L"VemoraDialogKeysTest", L"keys", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    WS_EX_CONTROLPARENT, 0, 0, 400, 200, nullptr)) {
            return false;
        }
        panel.Create(hwnd(), 0, 0, 400, 160);
        edit.Create(panel.hwnd(), 8, 8, 200, 20);
        ok.Create(panel.hwnd(), 8, 40, 75, 25, "保存(&S)");
        cancel.Create(panel.hwnd(), 100, 40, 75, 25, "取消");
        box.Create(panel.hwnd(), 8, 80, 150, 25, "子目录(&W)");
        for (skin::TspSkinControl* c : std::initializer_list<skin::TspSkinControl*>{&ok, &cancel, &box}) {
            c->SetSkinData(skin);
        }
        ok.SetDefault(true);
        cancel.SetCancel(true);
        ok.OnClick = [this] { ++okClicks; };
        cancel.OnClick = [this] { ++cancelClicks; };
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(hwnd());
        return true;
    }

    // A key as the message loop hands it to the dialog manager: to the focused window.
    void Key(UINT message, WPARAM key) {
        MSG msg{GetFocus(), message, key, 1};
        if (!IsDialogMessageW(hwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    win::ContainerWindow panel;
    win::Edit edit;
    skin::TspSkinButton ok, cancel;
    skin::TspSkinCheckRadioBox box;
    int okClicks = 0, cancelClicks = 0;
};

class DialogKeysTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        ASSERT_TRUE(dialog.Build(&form->SkinData()));
        SetFocus(dialog.edit.hwnd());
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == dialog.edit.hwnd(); }, 3000));
    }
    DialogLikeForm dialog;
};

TEST_F(DialogKeysTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    EXPECT_TRUE(SendMessageW(dialog.ok.hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(SendMessageW(dialog.ok.hwnd(), BM_GETSTATE, 0, 0) & BST_HOT)
        << "the default button looks active while the edit has the focus";
    dialog.Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(dialog.okClicks, 1);
    dialog.Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(dialog.cancelClicks, 1);
    EXPECT_EQ(dialog.okClicks, 1);

    // A focused button answers Enter itself, and the default one stands back.
    SetFocus(dialog.cancel.hwnd());
    EXPECT_FALSE(SendMessageW(dialog.ok.hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    EXPECT_FALSE(SendMessageW(dialog.ok.hwnd(), BM_GETSTATE, 0, 0) & BST_HOT);
    dialog.Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(dialog.cancelClicks, 2);
    EXPECT_EQ(dialog.okClicks, 1);

    // Back on a control of another kind (the check box), Enter is the default button's again.
    SetFocus(dialog.box.hwnd());
    dialog.Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(dialog.okClicks, 2);

    EnableWindow(dialog.ok.hwnd(), FALSE);
    EnableWindow(dialog.cancel.hwnd(), FALSE);
    dialog.Key(WM_KEYDOWN, VK_RETURN);
    dialog.Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(dialog.okClicks, 2) << "disabled buttons take no keys";
    EXPECT_EQ(dialog.cancelClicks, 2);
}

TEST_F(DialogKeysTest, CaptionAcceleratorsFocusAndClick) {
    dialog.Key(WM_CHAR, 'w');
    EXPECT_FALSE(dialog.box.Checked()) << "the edit takes a plain character";
    dialog.Key(WM_SYSCHAR, 's');  // Alt+S
    EXPECT_EQ(dialog.okClicks, 1);
    EXPECT_EQ(GetFocus(), dialog.ok.hwnd());
    dialog.Key(WM_CHAR, 'W');  // a button does not take characters: the accelerator does
    EXPECT_TRUE(dialog.box.Checked());
    EXPECT_EQ(GetFocus(), dialog.box.hwnd());
    dialog.Key(WM_SYSCHAR, 'q');
    EXPECT_EQ(dialog.okClicks, 1) << "no caption names Q";
}

}  // namespace
}  // namespace vemora::test
