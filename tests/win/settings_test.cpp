// Vemora.ini on disk: what a start reads, what remember mode copies and writes back.
#include <gmock/gmock.h>

#include "app/event_paths.h"
#include "app/win/local_clock.h"
#include "support/form_fixture.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using testing::HasSubstr;

class SettingsTest : public FormFixture {
  protected:
    std::string AppDir() const { return dirs / "app\\"; }
    std::string IniPath() const { return AppDir() + "Vemora.ini"; }

    void StartWith(const std::string& ini) {
        form.reset();
        MakeDirectory(dirs / "app");
        WriteTextFile(IniPath(), win::ToAnsi(ini));
        CreateForm(AppDir());
    }

    std::string Stored(const char* section, const char* key) const {
        wchar_t value[256] = {};
        GetPrivateProfileStringW(win::Widen(section).c_str(), win::Widen(key).c_str(), L"<missing>", value,
                                 256, win::Widen(IniPath()).c_str());
        return win::Narrow(value);
    }

    // The checked state of the thirteen boxes, in tag order 1-9, 11-14.
    std::string Checks() const {
        std::string states;
        for (int tag : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14}) {
            const skin::TspSkinCheckRadioBox* box = tag == 9    ? &form->ckWatchSubTree
                                                    : tag == 11 ? &form->ckSetAutoSave
                                                    : tag == 12 ? &form->ckSetAutoClear
                                                    : tag == 13 ? &form->ckSetShowTray
                                                    : tag == 14 ? &form->ckSetRember
                                                                : nullptr;
            for (const skin::TspSkinCheckRadioBox& event : form->eventBoxes) {
                if (event.tag == tag) box = &event;
            }
            states += box->Checked() ? '1' : '0';
        }
        return states;
    }
};

// Tags:                         123456789 1234
constexpr char kFormInitial[] = "1001000011110";

TEST_F(SettingsTest, NoFileAndRememberOffShowsTheFormAndWritesNothing) {
    EXPECT_EQ(Checks(), kFormInitial);
    EXPECT_EQ(form->ePath.Text(), "");
    MakeDirectory(dirs / "app");
    form->ckMonitorSize.SetChecked(true);
    form->ePath.SetText("C:\\data");
    EXPECT_FALSE(Exists(IniPath()));
}

TEST_F(SettingsTest, RememberWithOnlyTheSwitchUsesEveryDefault) {
    StartWith("[Set]\r\nremeberset=1\r\n");
    // SJ1, SJ4, autosave, autoclear, showtray; the subtree box follows SJ9's default (off).
    EXPECT_EQ(Checks(), "1001000001111");
}

TEST_F(SettingsTest, RememberCopiesPathAndValuesInTheIntegerRule) {
    StartWith(
        "[Vemora]\r\nDir=D:\\数据\\报告\r\n[Event]\r\nSJ1=0\r\nSJ2=2\r\nSJ3=$1\r\nSJ4=abc\r\nSJ5=0x1\r\nSJ9="
        "1\r\n"
        "[Set]\r\nautosave=0\r\nremeberset=1\r\n");
    EXPECT_EQ(form->ePath.Text(), "D:\\数据\\报告");
    EXPECT_EQ(Checks(), "0111100010111");
}

TEST_F(SettingsTest, RememberOffStillFollowsTheFilesAutoSave) {
    StartWith("[Set]\r\nautosave=0\r\n");
    EXPECT_TRUE(form->ckSetAutoSave.Checked()) << "the box shows the form's state";
    form->ePath.SetText(watched.path());
    form->AddEvent("ADDED", "a.txt");
    EXPECT_EQ(form->Events().size(), 1u);
    EXPECT_FALSE(Exists(AppDir() + "Log")) << "but nothing is logged";
}

TEST_F(SettingsTest, SwitchingRememberWritesItAndThenEveryChange) {
    StartWith("");
    form->ckMonitorSize.SetChecked(true);
    EXPECT_EQ(Stored("Event", "SJ7"), "<missing>") << "remember off: nothing but the switch is written";
    form->ckSetRember.SetChecked(true);
    EXPECT_EQ(Stored("Set", "remeberset"), "1");
    EXPECT_EQ(Stored("Event", "SJ7"), "<missing>") << "turning remember on writes no other box";
    form->ckMonitorSize.SetChecked(false);
    form->ePath.SetText("E:\\监视");
    EXPECT_EQ(Stored("Event", "SJ7"), "0");
    EXPECT_EQ(Stored("Vemora", "Dir"), "E:\\监视");
    EXPECT_THAT(ReadTextFile(IniPath()), HasSubstr(win::ToAnsi("Dir=E:\\监视")))
        << "kept in the ANSI code page";
    form->ckSetRember.SetChecked(false);
    EXPECT_EQ(Stored("Set", "remeberset"), "0");
    form->ckSetAutoClear.SetChecked(false);
    EXPECT_EQ(Stored("Set", "autoclear"), "<missing>");
}

TEST_F(SettingsTest, UnwritableFileKeepsRunningSilently) {
    form.reset();
    MakeDirectory(dirs / "app");
    MakeDirectory(IniPath());  // a directory where the file belongs: nothing can be read or written
    CreateForm(AppDir());
    EXPECT_EQ(Checks(), kFormInitial);
    form->ckSetRember.SetChecked(true);
    form->ckMonitorSize.SetChecked(true);
    form->ePath.SetText("C:\\data");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(form->ckSetRember.Checked());
}

}  // namespace
}  // namespace vemora::test
