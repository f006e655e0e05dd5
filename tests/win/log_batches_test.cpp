// The daily log written once per recorded batch: the files and their bytes are exactly those
// that writing line by line gives.
#include <gmock/gmock.h>

#include <map>

#include "app/event_line.h"
#include "app/event_paths.h"
#include "support/form_fixture.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using testing::HasSubstr;

struct Change {
    uint32_t action;
    std::string name;
};
using Batch = std::vector<Change>;

// A batch as the system writes it: records on 4-byte boundaries, the last with offset 0.
std::vector<std::byte> Encode(const Batch& batch) {
    std::vector<std::byte> bytes;
    for (size_t i = 0; i < batch.size(); ++i) {
        const std::wstring name = win::Widen(batch[i].name);
        const size_t start = bytes.size();
        const size_t size = (12 + name.size() * 2 + 3) / 4 * 4;
        bytes.resize(start + size);
        const uint32_t header[3] = {i + 1 < batch.size() ? static_cast<uint32_t>(size) : 0, batch[i].action,
                                    static_cast<uint32_t>(name.size() * 2)};
        memcpy(bytes.data() + start, header, sizeof(header));
        memcpy(bytes.data() + start + 12, name.data(), name.size() * 2);
    }
    return bytes;
}

class LogBatchesTest : public FormFixture {
  protected:
    void SetUp() override {
        clock = [this] { return times_[std::min(ticks_++, times_.size() - 1)]; };
        FormFixture::SetUp();
        form->ePath.SetText(dirs.path());  // the application directory lies in the watched tree
    }

    // The files of the Log directory and their bytes.
    std::map<std::string, std::string> LogFiles() const {
        std::map<std::string, std::string> files;
        WIN32_FIND_DATAW data{};
        win::UniqueFind find(FindFirstFileW(win::Widen(form->AppDir() + "Log\\*.log").c_str(), &data));
        if (!find) return files;
        do {
            const std::string path = form->AppDir() + "Log\\" + win::Narrow(data.cFileName);
            files[path] = ReadTextFile(path);
        } while (FindNextFileW(find.get(), &data));
        return files;
    }

    std::vector<LocalTime> times_;
    size_t ticks_ = 0;
};

TEST_F(LogBatchesTest, SameBytesInTheSameFilesAsLineByLine) {
    const LocalTime day{2026, 12, 11, 10, 0, 0}, lastSecond{2026, 12, 11, 23, 59, 59},
        midnight{2026, 12, 12, 0, 0, 0};
    const std::string ownLog = "app\\Log\\20261211.log";
    Batch many;
    for (int i = 0; i < 50; ++i) many.push_back({1, "子目录\\file-" + std::to_string(i) + ".txt"});
    const struct {
        const char* what;
        std::vector<Batch> batches;
        std::vector<LocalTime> times;  // of the recorded changes, in order
    } cases[] = {
        {"one line", {{{1, "a.txt"}}}, {day}},
        {"many lines", {many}, {day}},
        {"own-log records among them",
         {{{1, "x.txt"}}, {{3, ownLog}, {1, "y.txt"}, {3, ownLog}, {2, "z.txt"}}},
         {day}},
        {"across midnight into two files",
         {{{1, "a.txt"}, {4, "b.txt"}, {5, "c.txt"}, {2, "d.txt"}}},
         {lastSecond, lastSecond, midnight}},
        {"a name outside the ANSI code page",
         {{{1, "报告 \xF0\x9F\x98\x80 \xC3\xBF.txt"}, {1, "b.txt"}}},
         {day}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        form->ClearItemClick();
        DeleteFileW(win::Widen(DailyLogPath(form->AppDir(), day)).c_str());
        DeleteFileW(win::Widen(DailyLogPath(form->AppDir(), midnight)).c_str());
        times_ = c.times;
        ticks_ = 0;
        for (const Batch& batch : c.batches) form->RecordBatch(Encode(batch));

        std::map<std::string, std::string> lineByLine;
        for (size_t i = 0; i < form->Events().size(); ++i) {
            EXPECT_NE(form->Events().Text(i, EventStore::kName), ownLog)
                << "the own log's records are dropped";
            const LocalTime time = c.times[std::min(i, c.times.size() - 1)];
            lineByLine[DailyLogPath(form->AppDir(), time)] +=
                win::ToAnsi(FormatEventLine(form->Events().Row(i))) + "\r\n";
        }
        EXPECT_EQ(LogFiles(), lineByLine);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(LogBatchesTest, WriteFailingInTheMiddleOfABatchKeepsEveryRowAndTellsOnce) {
    times_ = {{2026, 12, 11, 23, 59, 59}, {2026, 12, 11, 23, 59, 59}, {2026, 12, 12, 0, 0, 0}};
    const std::string secondDay = DailyLogPath(form->AppDir(), times_[2]);
    MakeDirectory(form->AppDir());
    MakeDirectory(form->AppDir() + "Log");
    MakeDirectory(secondDay);  // a directory where the second day's file belongs
    form->RecordBatch(Encode({{1, "a.txt"}, {1, "b.txt"}, {1, "c.txt"}, {1, "d.txt"}}));

    EXPECT_EQ(form->Events().size(), 4u);
    EXPECT_EQ(ReadTextFile(DailyLogPath(form->AppDir(), times_[0])),
              win::ToAnsi(FormatEventLine(form->Events().Row(0)) + "\r\n" +
                          FormatEventLine(form->Events().Row(1)) + "\r\n"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_THAT(ui.messages[0].text, HasSubstr(secondDay));
    EXPECT_THAT(form->StatusText(), HasSubstr("日志写入失败"));
}

}  // namespace
}  // namespace vemora::test
