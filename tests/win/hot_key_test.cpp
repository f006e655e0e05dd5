// Ctrl+Alt+M, delivered as the system delivers it.
#include <gmock/gmock.h>

#include "support/form_fixture.h"

namespace vemora::test {
namespace {

class HotKeyTest : public FormFixture {
  protected:
    LRESULT Press(UINT key) {
        return SendMessageW(form->hwnd(), WM_HOTKEY, 0, MAKELPARAM(MOD_ALT | MOD_CONTROL, key));
    }
};

TEST_F(HotKeyTest, CtrlAltMHidesAndShows) {
    form->Show();
    EXPECT_EQ(Press('M'), 1);
    EXPECT_FALSE(IsWindowVisible(form->hwnd()));
    EXPECT_EQ(Press('M'), 1);
    EXPECT_TRUE(IsWindowVisible(form->hwnd()));
}

TEST_F(HotKeyTest, OtherKeysDoNothing) {
    form->Show();
    EXPECT_EQ(Press('N'), 1);
    EXPECT_TRUE(IsWindowVisible(form->hwnd()));
}

TEST_F(HotKeyTest, StatusBarTellsWhenTheKeyIsTaken) {
    // This test's own window holds the key already, so a second window cannot have it.
    ASSERT_EQ(form->StatusText(), "Ctrl+Alt+M 组合键控制本程序隐藏/显示");
    TFormVemora second({&ui, dirs / "second\\", false});
    ASSERT_TRUE(second.FormCreate());
    EXPECT_THAT(second.StatusText(), testing::HasSubstr("已被其他程序占用"));
}

}  // namespace
}  // namespace vemora::test
