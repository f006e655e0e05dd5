// The real worker on a real directory, with the system's failures planted through the
// watch's test seam: overflow, refused reads and waits, and what Stop keeps.
#include <gmock/gmock.h>

#include <atomic>
#include <thread>

#include "support/change_probe.h"
#include "support/form_fixture.h"
#include "win/error_text.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using testing::Each;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

constexpr char kOverflowRow[] = "-1|目录||";

class WatchWorkerTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->ckSetAutoSave.SetChecked(false);
        SetOnly({&form->ckMonitorFileName, &form->ckMonitorDirName});
    }

    bool WaitForRow(const std::string& name) {
        return PumpUntil([&] {
            for (const std::string& row : Rows()) {
                if (row.ends_with("|" + name)) return true;
            }
            return false;
        });
    }

    void ExpectIdle() {
        EXPECT_FALSE(form->Watching());
        EXPECT_TRUE(form->bStart.Enabled());
        EXPECT_TRUE(form->ePath.Enabled());
        EXPECT_FALSE(form->bStop.Enabled());
    }
};

TEST_F(WatchWorkerTest, RealOverflowGivesTheOverflowRowAndTheWatchCarriesOn) {
    form->WatchSeam().bufferSize = 64;  // a name of 40 characters alone outgrows it
    StartWatching(watched.path());
    for (int i = 0; i < 5; ++i) WriteTextFile(watched / (std::string(40, 'x') + std::to_string(i)), "x");
    ASSERT_TRUE(PumpUntil([&] { return !Rows().empty(); })) << "the overflow is not reported";
    EXPECT_THAT(Rows(), Each(kOverflowRow));
    EXPECT_THAT(form->StatusText(), HasSubstr("未能记录"));

    WriteTextFile(watched / "z", "x");
    ASSERT_TRUE(WaitForRow("z")) << "the watch ended with the overflow";
    EXPECT_TRUE(form->Watching());
    EXPECT_THAT(ui.messages, IsEmpty());
    form->bStop.Click();
    form->bStart.Click();
    EXPECT_EQ(form->StatusText(), "Ctrl+Alt+M 组合键控制本程序隐藏/显示") << "a new watch starts clean";
}

TEST_F(WatchWorkerTest, OverflowErrorCodeKeepsTheWatchRunning) {
    StartWatching(watched.path());
    form->WatchSeam().completionError = ERROR_NOTIFY_ENUM_DIR;
    WriteTextFile(watched / "lost", "x");
    ASSERT_TRUE(PumpUntil([&] { return !Rows().empty(); }));
    EXPECT_THAT(Rows(), ElementsAre(kOverflowRow));
    EXPECT_THAT(form->StatusText(), HasSubstr("未能记录"));

    WriteTextFile(watched / "kept", "x");
    ASSERT_TRUE(WaitForRow("kept")) << "the watch ended with the overflow";
    EXPECT_TRUE(form->Watching());
    EXPECT_THAT(ui.messages, IsEmpty());
}

// How a watch ends when Windows refuses to go on; a removed watched directory is the read
// completing with ERROR_ACCESS_DENIED.
TEST_F(WatchWorkerTest, RefusalEndsTheWatchWithTheSystemsText) {
    const struct {
        const char* what;
        std::atomic<DWORD> DirectoryWatch::TestSeam::*fault;
        DWORD error;
        std::vector<std::string> rows;  // the batch before the refusal is kept
    } cases[] = {
        {"re-issued read refused",
         &DirectoryWatch::TestSeam::readError,
         ERROR_INVALID_FUNCTION,
         {"0|文件|新建|a"}},
        {"read completed with an error", &DirectoryWatch::TestSeam::completionError, ERROR_ACCESS_DENIED, {}},
        {"wait failed", &DirectoryWatch::TestSeam::waitError, ERROR_INVALID_HANDLE, {"0|文件|新建|a"}},
        {"read cancelled from outside",
         &DirectoryWatch::TestSeam::completionError,
         ERROR_OPERATION_ABORTED,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        StartWatching(watched.path());
        form->WatchSeam().*c.fault = c.error;
        WriteTextFile(watched / "a", "x");
        ASSERT_TRUE(PumpUntil([&] { return !form->Watching(); })) << "the watch goes on as if nothing failed";
        ExpectIdle();
        EXPECT_EQ(Rows(), c.rows);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "监视已停止: " + win::SystemErrorText(c.error));
        ASSERT_TRUE(DeleteFileW(win::Widen(watched / "a").c_str()));
    }
}

TEST_F(WatchWorkerTest, RefusedFirstReadLeavesTheWatchIdle) {
    form->WatchSeam().readError = ERROR_INVALID_FUNCTION;
    form->ePath.SetText(watched.path());
    form->bStart.Click();
    ExpectIdle();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, win::SystemErrorText(ERROR_INVALID_FUNCTION));
    EXPECT_EQ(ui.beeps, 0) << "the directory opened";
}

TEST_F(WatchWorkerTest, RemovedDirectoryEndsTheWatch) {
    const std::string doomed = watched / "doomed";
    MakeDirectory(doomed);
    StartWatching(doomed);
    ASSERT_TRUE(RemoveDirectoryW(win::Widen(doomed).c_str())) << GetLastError();
    if (!PumpUntil([&] { return !form->Watching(); }, 3000)) {
        GTEST_SKIP() << "Wine keeps reading a removed directory without an error; "
                        "RefusalEndsTheWatchWithTheSystemsText plants the error Windows reports";
    }
    ExpectIdle();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_THAT(ui.messages.back().text, testing::StartsWith("监视已停止: "));
}

// A change that completes the read while Stop is cancelling it is recorded, not lost with
// the read.
TEST_F(WatchWorkerTest, StopKeepsTheBatchThatCompletesWhileTheReadIsCancelled) {
    StartWatching(watched.path());
    ChangeProbe probe(watched.path());
    bool reported = false;
    form->WatchSeam().onStopTaken = [&] {
        WriteTextFile(watched / "late", "x");
        reported = probe.WaitForChange();
    };
    form->bStop.Click();
    ExpectIdle();
    ASSERT_TRUE(reported);
    EXPECT_THAT(Rows(), ElementsAre("0|文件|新建|late"));
}

// Changes made from another thread while Stop is pressed: the rows are the files in the
// order they were written, none missing in between, and none come after Stop.
TEST_F(WatchWorkerTest, StopDuringAStreamKeepsEveryBatchBeforeItAndNothingAfter) {
    StartWatching(watched.path());
    std::atomic<bool> writing{true};
    std::atomic<int> written{0};
    std::thread writer([&] {
        while (writing) WriteTextFile(watched / (std::to_string(written++) + ".txt"), "x");
    });
    ASSERT_TRUE(WaitForRows(20));
    form->bStop.Click();
    ExpectIdle();
    const size_t rowsAtStop = form->Events().size();
    PumpFor(300);
    writing = false;
    writer.join();
    EXPECT_EQ(form->Events().size(), rowsAtStop) << "rows after Stop";
    for (size_t i = 0; i < rowsAtStop; ++i) {
        ASSERT_EQ(form->Events().Text(i, EventStore::kName), std::to_string(i) + ".txt");
    }
}

TEST_F(WatchWorkerTest, SubtreeBoxTickedDuringAWatchAppliesFromTheNextRead) {
    form->ckWatchSubTree.SetChecked(false);
    StartWatching(watched.path());
    form->ckWatchSubTree.SetChecked(true);
    WriteTextFile(watched / "m", "x");  // completes the read issued before the tick
    ASSERT_TRUE(WaitForRow("m"));
    MakeDirectory(watched / "sub");
    ASSERT_TRUE(WaitForRow("sub"));
    WriteTextFile(watched / "sub\\f.txt", "x");
    EXPECT_TRUE(WaitForRow("sub\\f.txt")) << "the subfolder's file is not reported";
}

// A message box shown while a batch is recorded runs a modal loop; a batch arriving in it
// is recorded once the box is closed, after the rows before it, so rows keep the order of
// the changes and the list stands still under the message.
TEST_F(WatchWorkerTest, MessageBoxWhileRecordingKeepsArrivalOrder) {
    form->ckSetAutoSave.SetChecked(true);
    MakeDirectory(form->AppDir());
    WriteTextFile(form->AppDir() + "Log", "a file where the Log directory belongs");
    WriteTextFile(watched / "x", "x");
    StartWatching(watched.path());
    ChangeProbe probe(watched.path());
    size_t rowsUnderTheBox = 0;
    ui.onMessage = [&] {                     // the failing log write of x and y asks the user
        EXPECT_TRUE(probe.WaitForChange());  // the rename
        WriteTextFile(watched / "b", "x");
        EXPECT_TRUE(probe.WaitForChange());
        PumpFor(500);  // as the box's modal loop does, while b's batch reaches the window
        rowsUnderTheBox = form->Events().size();
    };
    ASSERT_TRUE(MoveFileW(win::Widen(watched / "x").c_str(), win::Widen(watched / "y").c_str()));
    ASSERT_TRUE(WaitForRows(3));
    EXPECT_EQ(rowsUnderTheBox, 2u) << "recording ran inside the message box's loop";
    EXPECT_THAT(Rows(), ElementsAre("3|目录|更名|x", "4|文件|更名为|y", "0|文件|新建|b"));
}

}  // namespace
}  // namespace vemora::test
