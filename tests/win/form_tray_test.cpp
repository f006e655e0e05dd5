// The main window's tray icon, its menu and the hyperlink labels, with the showtray and
// hot-key rules.
#include <gmock/gmock.h>

#include "support/form_fixture.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class FormTrayTest : public FormFixture {
  protected:
    void StartWithIni(const std::string& ini) {
        form.reset();
        MakeDirectory(dirs / "app");
        WriteTextFile(dirs / "app\\Vemora.ini", ini);
        CreateForm(dirs / "app\\");
    }
    LRESULT PressHotKey() {
        return SendMessageW(form->hwnd(), WM_HOTKEY, 0, MAKELPARAM(MOD_ALT | MOD_CONTROL, 'M'));
    }
};

TEST_F(FormTrayTest, IconIsAddedWithTheFormsHintAndImage) {
    ASSERT_THAT(tray.Messages(), ElementsAre(NIM_ADD, NIM_MODIFY));
    const NOTIFYICONDATAW& data = tray.calls.back().data;
    EXPECT_EQ(win::Narrow(data.szTip), "Vemora V1.0(目录监视专家)");
    EXPECT_EQ(data.uCallbackMessage, 9250u);
    EXPECT_EQ(data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(form->TrayIcon->IconIndex(), 17);
}

TEST_F(FormTrayTest, ShowTrayBoxSwitchesTheIconAtOnce) {
    tray.calls.clear();
    form->ckSetShowTray.SetChecked(false);
    EXPECT_THAT(tray.Messages(), ElementsAre(NIM_DELETE));
    form->ckSetShowTray.SetChecked(true);
    EXPECT_THAT(tray.Messages(), ElementsAre(NIM_DELETE, NIM_ADD));
}

TEST_F(FormTrayTest, ShowTrayOffAtStartRemovesTheIcon) {
    StartWithIni("[Set]\r\nshowtray=0\r\n");
    EXPECT_THAT(tray.Messages(), ElementsAre(NIM_ADD, NIM_MODIFY, NIM_DELETE));
    EXPECT_FALSE(form->TrayIcon->Enabled());
}

TEST_F(FormTrayTest, HotKeyShowsTheIconWhateverShowTraySays) {
    StartWithIni("[Set]\r\nshowtray=0\r\n");
    form->Show();
    tray.calls.clear();
    PressHotKey();  // hidden, and with showtray off no icon leads back
    EXPECT_FALSE(IsWindowVisible(form->hwnd()));
    EXPECT_THAT(tray.Messages(), IsEmpty());
    PressHotKey();
    EXPECT_TRUE(IsWindowVisible(form->hwnd()));
    EXPECT_THAT(tray.Messages(), ElementsAre(NIM_ADD));
    PressHotKey();
    EXPECT_THAT(tray.Messages(), ElementsAre(NIM_ADD, NIM_DELETE));
}

TEST_F(FormTrayTest, HotKeyWithShowTrayOnKeepsTheIcon) {
    form->Show();
    tray.calls.clear();
    PressHotKey();
    PressHotKey();
    EXPECT_THAT(tray.Messages(), IsEmpty());
    EXPECT_TRUE(form->TrayIcon->Enabled());
}

TEST_F(FormTrayTest, ExitStopsTheWatchFirstAndNoKeepsTheProgram) {
    form->ePath.SetText(watched.path());
    form->bStart.Click();
    ASSERT_TRUE(form->Watching());
    ui.answers = {IDNO};
    form->NExitClick();
    EXPECT_FALSE(form->Watching()) << "the watch stops before the question";
    PumpUntil([&] { return !ui.messages.empty(); });
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "您确认要退出目录监视软件?");
    EXPECT_TRUE(IsWindow(form->hwnd()));
    EXPECT_TRUE(form->bStart.Enabled());
}

TEST_F(FormTrayTest, MinimizeHidesIntoTheTrayAndShowRestores) {
    form->Show();
    ShowWindow(form->hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(form->hwnd()); })) << "minimized into the tray";
    form->NShowClick();
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(form->hwnd()) && !IsIconic(form->hwnd()); }));
}

TEST_F(FormTrayTest, HyperlinkLabelsOpenTheirAddresses) {
    EXPECT_EQ(form->RzURLLabel4.URL(), form->RzURLLabel4.Text());
    EXPECT_EQ(form->RzURLLabel1.URL(), "mailto:" + form->RzURLLabel1.Text());
    EXPECT_EQ(form->RzURLLabel4.UnvisitedColor(), COLORREF(7879740));
    EXPECT_EQ(form->RzURLLabel4.VisitedColor(), COLORREF(4611970));
    form->RzURLLabel1.Click();
    ASSERT_EQ(links.opened.size(), 1u);
    EXPECT_EQ(win::Narrow(links.opened[0]), form->RzURLLabel1.URL());
    EXPECT_TRUE(form->RzURLLabel1.Visited());
    EXPECT_FALSE(form->RzURLLabel4.Visited());
}

}  // namespace
}  // namespace vemora::test
