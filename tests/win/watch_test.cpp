// The watch on a real directory: what each change becomes, and Start and Stop.
#include <gmock/gmock.h>

#include "support/form_fixture.h"
#include "win/error_text.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using testing::ElementsAre;

class WatchTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->ckSetAutoSave.SetChecked(false);  // rows only; the log has its own tests
    }
};

TEST_F(WatchTest, FileCreatedIsNewFileRow) {
    SetOnly({&form->ckMonitorFileName});
    StartWatching(watched.path());
    WriteTextFile(watched / "a.txt", "x");
    ASSERT_TRUE(WaitForRows(1));
    EXPECT_THAT(Rows(), ElementsAre("0|文件|新建|a.txt"));
}

TEST_F(WatchTest, DirectoryCreatedIsDirectoryRow) {
    SetOnly({&form->ckMonitorDirName});
    StartWatching(watched.path());
    MakeDirectory(watched / "新建文件夹");
    ASSERT_TRUE(WaitForRows(1));
    EXPECT_THAT(Rows(), ElementsAre("0|目录|新建|新建文件夹"));
}

TEST_F(WatchTest, DeletedFileShowsAsDirectory) {
    WriteTextFile(watched / "gone.txt", "x");
    SetOnly({&form->ckMonitorFileName});
    StartWatching(watched.path());
    ASSERT_TRUE(DeleteFileW(win::Widen(watched / "gone.txt").c_str()));
    ASSERT_TRUE(WaitForRows(1));
    EXPECT_THAT(Rows(), ElementsAre("1|目录|删除|gone.txt"));
}

TEST_F(WatchTest, RenameIsTwoRows) {
    WriteTextFile(watched / "old.txt", "x");
    SetOnly({&form->ckMonitorFileName});
    StartWatching(watched.path());
    ASSERT_TRUE(MoveFileW(win::Widen(watched / "old.txt").c_str(), win::Widen(watched / "new.txt").c_str()));
    ASSERT_TRUE(WaitForRows(2));
    EXPECT_THAT(Rows(), ElementsAre("3|目录|更名|old.txt", "4|文件|更名为|new.txt"));
}

TEST_F(WatchTest, SubdirectoryOnlyWithSubtreeBox) {
    for (const bool subtree : {false, true}) {
        SCOPED_TRACE(subtree);
        SetOnly({&form->ckMonitorFileName, &form->ckMonitorDirName});
        form->ckWatchSubTree.SetChecked(subtree);
        StartWatching(watched.path());
        // Made during the watch: Wine watches only subdirectories it sees created.
        const std::string sub = subtree ? "deep" : "shallow";
        MakeDirectory(watched / sub);
        ASSERT_TRUE(WaitForRows(1));
        WriteTextFile(watched / (sub + "\\f.txt"), "x");
        WriteTextFile(watched / (sub + "-marker.txt"), "x");  // always reported, and after the other
        ASSERT_TRUE(PumpUntil([&] { return Rows().back().ends_with("-marker.txt"); }));
        PumpFor(300);
        if (subtree) {
            EXPECT_THAT(Rows(), ElementsAre("0|目录|新建|deep", "0|文件|新建|deep\\f.txt",
                                            "0|文件|新建|deep-marker.txt"));
        } else {
            EXPECT_THAT(Rows(), ElementsAre("0|目录|新建|shallow", "0|文件|新建|shallow-marker.txt"));
        }
        form->bStop.Click();
    }
}

TEST_F(WatchTest, UnicodeNameStaysExact) {
    SetOnly({&form->ckMonitorFileName});
    StartWatching(watched.path());
    const std::string name = "报告 \xF0\x9F\x98\x80 \xC3\xBF.txt";  // an emoji and ÿ have no GBK form
    WriteTextFile(watched / name, "x");
    ASSERT_TRUE(WaitForRows(1));
    EXPECT_THAT(Rows(), ElementsAre("0|文件|新建|" + name));
}

TEST_F(WatchTest, NoEventBoxOpensNothing) {
    SetOnly({});
    form->ckWatchSubTree.SetChecked(true);
    form->ePath.SetText(watched.path());
    form->bStart.Click();
    EXPECT_FALSE(form->Watching());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "未选择监视选项!");
    EXPECT_TRUE(form->bStart.Enabled());
    EXPECT_FALSE(form->bStop.Enabled());
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(WatchTest, MissingPathShowsSystemTextAndKeepsStart) {
    form->ePath.SetText(watched / "does-not-exist");
    form->bStart.Click();
    EXPECT_FALSE(form->Watching());
    EXPECT_EQ(ui.beeps, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, win::SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(form->bStart.Enabled());
    EXPECT_TRUE(form->ePath.Enabled());
}

TEST_F(WatchTest, StartClearsListAndDisablesControls) {
    SetOnly({&form->ckMonitorFileName});
    StartWatching(watched.path());
    WriteTextFile(watched / "a.txt", "x");
    ASSERT_TRUE(WaitForRows(1));
    form->bStop.Click();
    form->bStart.Click();
    EXPECT_TRUE(form->Events().empty());
    EXPECT_FALSE(form->bStart.Enabled());
    EXPECT_FALSE(form->ePath.Enabled());
    EXPECT_TRUE(form->bStop.Enabled());
}

}  // namespace
}  // namespace vemora::test
