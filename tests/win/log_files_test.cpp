// The daily log and the Save and Open commands, on real files.
#include <gmock/gmock.h>

#include "app/event_paths.h"
#include "app/win/local_clock.h"
#include "support/form_fixture.h"
#include "win/handles.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

class LogFilesTest : public FormFixture {
  protected:
    std::string TodaysLog() const { return DailyLogPath(form->AppDir(), LocalNow()); }
};

TEST_F(LogFilesTest, FirstEventCreatesLogDirectoryAndTodaysFile) {
    ASSERT_FALSE(Exists(form->AppDir() + "Log"));
    EXPECT_EQ(form->LogFileName(), "");
    form->ckMonitorFileName.SetChecked(true);
    StartWatching(watched.path());
    WriteTextFile(watched / "a.txt", "x");
    ASSERT_TRUE(WaitForRows(1));
    EXPECT_EQ(form->LogFileName(), TodaysLog());
    const std::string log = ReadTextFile(TodaysLog());
    const std::string line =
        win::ToAnsi("0?" + std::string(form->Events().Text(0, EventStore::kTime)) + "?文件?新建?a.txt\r\n");
    EXPECT_THAT(log, StartsWith(line));
}

TEST_F(LogFilesTest, LogBytesAreInTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 936u) << "the tests run with the Chinese locale";
    form->AddEvent("ADDED", "报告.txt");
    const std::string log = ReadTextFile(TodaysLog());
    // 目录 = C4 BF C2 BC, 新建 = D0 C2 BD A8, 报告 = B1 A8 B8 E6 in GBK (no such file: a directory).
    EXPECT_THAT(log, HasSubstr("?\xC4\xBF\xC2\xBC?\xD0\xC2\xBD\xA8?\xB1\xA8\xB8\xE6.txt\r\n"));
}

TEST_F(LogFilesTest, SaveThreeRowsThenOpenRestoresThem) {
    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("ADDED", "a.txt");
    form->AddEvent("", "");  // a row without image saves as -1 and still reads back
    form->AddEvent("RENAMED", "子目录\\b.txt");
    const std::vector<EventRow> saved = {form->Events().Row(0), form->Events().Row(1), form->Events().Row(2)};

    const std::string file = watched / "saved.log";
    ui.fileAnswer = win::Widen(file);
    form->SaveItemClick();
    const std::string bytes = ReadTextFile(file);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 3);
    EXPECT_THAT(bytes, testing::EndsWith("\r\n"));

    form->ClearItemClick();
    form->OpenItemClick();
    ASSERT_EQ(form->Events().size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(form->Events().Row(i), saved[i]) << i;
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[0].fileName, L"") << "no daily log written yet";
    EXPECT_EQ(win::Narrow(ui.fileRequests[1].initialDirectory), form->AppDir() + "Log\\");
}

TEST_F(LogFilesTest, OpenStopsAtTheFirstBadLineAndNamesIt) {
    const std::string file = watched / "bad.log";
    WriteTextFile(file, win::ToAnsi("0?t?文件?新建?a\r\n1?t?目录?删除?b\r\n\r\n坏行\r\n2?t?文件?修改?c\r\n"));
    ui.fileAnswer = win::Widen(file);
    form->OpenItemClick();
    EXPECT_THAT(Rows(), ElementsAre("0|文件|新建|a", "1|目录|删除|b"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(ui.messages[0].text, HasSubstr("第 4 行"));
    EXPECT_THAT(ui.messages[0].text, HasSubstr("坏行"));
}

// A file without a single readable row is no log: opening it must not cost the user the
// rows on screen.
TEST_F(LogFilesTest, OpenOfAFileThatIsNotALogKeepsTheList) {
    const struct {
        const char* what;
        std::string bytes;
        const char* line;
    } cases[] = {
        {"text", "Dear diary,\r\n0?t?文件?新建?a\r\n", "第 1 行"},
        {"after empty lines", "\r\n\r\nPK\x03\x04", "第 3 行"},
        {"binary", std::string("\x89PNG\0\0", 6) + std::string(5000, '\xFF'), "第 1 行"},
    };
    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("ADDED", "kept.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        const std::string file = watched / "not-a-log.log";
        WriteTextFile(file, c.bytes);
        ui.fileAnswer = win::Widen(file);
        form->OpenItemClick();
        EXPECT_THAT(Rows(), ElementsAre("0|目录|新建|kept.txt"));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_THAT(ui.messages[0].text, HasSubstr("\"" + file + "\" 不是监视记录文件"));
        EXPECT_THAT(ui.messages[0].text, HasSubstr(c.line));
        EXPECT_LT(ui.messages[0].text.size(), 400u) << "a screenful, not the whole line";
    }
}

// Save to a place that cannot be written tells which file and why, and changes nothing.
TEST_F(LogFilesTest, SaveToATargetThatCannotBeWrittenSaysSo) {
    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("ADDED", "a.txt");
    const std::string directory = watched / "a-directory.log";
    MakeDirectory(directory);
    const std::string locked = watched / "open-elsewhere.log";
    WriteTextFile(locked, "before");
    win::UniqueFile otherProgram(CreateFileW(win::Widen(locked).c_str(), GENERIC_READ, 0, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(otherProgram);
    std::vector<std::string> targets = {directory, locked, watched / "missing-folder\\a.log"};
    // Wine running as root writes read-only files; Windows refuses them.
    const std::string readOnly = watched / "read-only.log";
    WriteTextFile(readOnly, "before");
    ASSERT_TRUE(SetFileAttributesW(win::Widen(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    if (!win::UniqueFile(CreateFileW(win::Widen(readOnly).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr))) {
        targets.push_back(readOnly);
    }
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        ui.messages.clear();
        ui.fileAnswer = win::Widen(target);
        form->SaveItemClick();
        ASSERT_EQ(ui.messages.size(), 1u) << "the failure is not told";
        EXPECT_THAT(ui.messages[0].text, StartsWith("无法保存文件 \"" + target + "\":\n"));
        EXPECT_THAT(Rows(), ElementsAre("0|目录|新建|a.txt"));
    }
    otherProgram.reset();
    EXPECT_EQ(ReadTextFile(locked), "before");
}

TEST_F(LogFilesTest, OpenOfUnreadableFileKeepsTheList) {
    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("ADDED", "kept.txt");
    ui.fileAnswer = win::Widen(watched / "missing.log");
    form->OpenItemClick();
    EXPECT_THAT(Rows(), ElementsAre("0|目录|新建|kept.txt"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(ui.messages[0].text, HasSubstr("missing.log"));
}

TEST_F(LogFilesTest, CancelledDialogsDoNothing) {
    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("ADDED", "a.txt");
    ui.fileAnswer.reset();
    form->SaveItemClick();
    form->OpenItemClick();
    EXPECT_EQ(form->Events().size(), 1u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LogFilesTest, FailingLogToldOnceUntilAWriteSucceeds) {
    const std::string logDir = form->AppDir() + "Log";
    MakeDirectory(form->AppDir());
    WriteTextFile(logDir, "a file where the Log directory belongs");
    for (const char* name : {"a", "b", "c"}) form->AddEvent("ADDED", name);
    EXPECT_EQ(form->Events().size(), 3u) << "rows stay";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(ui.messages[0].text, HasSubstr(TodaysLog()));
    EXPECT_THAT(form->StatusText(), HasSubstr("日志写入失败"));

    ASSERT_TRUE(DeleteFileW(win::Widen(logDir).c_str()));
    form->AddEvent("ADDED", "d");
    EXPECT_EQ(form->StatusText(), "Ctrl+Alt+M 组合键控制本程序隐藏/显示");
    EXPECT_THAT(ReadTextFile(TodaysLog()), HasSubstr("?d\r\n"));

    ASSERT_TRUE(DeleteFileW(win::Widen(TodaysLog()).c_str()));
    ASSERT_TRUE(RemoveDirectoryW(win::Widen(logDir).c_str()));
    WriteTextFile(logDir, "broken again");
    form->AddEvent("ADDED", "e");
    EXPECT_EQ(ui.messages.size(), 2u) << "a new failure is told again";
}

}  // namespace
}  // namespace vemora::test
