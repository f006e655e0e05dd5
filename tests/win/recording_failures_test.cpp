// Failures on the recording path, as running out of memory would cause them: the user is
// told, and the program neither freezes nor ends.
#include <gmock/gmock.h>

#include <atomic>
#include <new>
#include <stdexcept>

#include "support/form_fixture.h"
#include "win/error_text.h"

namespace vemora::test {
namespace {

using testing::HasSubstr;

class RecordingFailuresTest : public FormFixture {
  protected:
    void SetUp() override {}  // each test sets its faults first

    void Watch() {
        CreateForm(dirs.path() + "\\app\\");
        form->ckSetAutoSave.SetChecked(false);
        SetOnly({&form->ckMonitorFileName});
        StartWatching(watched.path());
    }

    bool HasRow(const std::string& name) {
        for (size_t i = 0; i < form->Events().size(); ++i) {
            if (form->Events().Text(i, EventStore::kName) == name) return true;
        }
        return false;
    }
};

TEST_F(RecordingFailuresTest, BatchThatThrowsIsToldAndTheNextBatchesAreRecorded) {
    std::atomic<bool> throwNext{false};
    faults.recordBatch = [&] {
        if (throwNext.exchange(false)) throw std::bad_alloc();
    };
    Watch();
    throwNext = true;
    WriteTextFile(watched / "lost.txt", "x");
    ASSERT_TRUE(PumpUntil([&] { return !ui.messages.empty(); }));
    for (const char* name : {"after-1.txt", "after-2.txt"}) {
        WriteTextFile(watched / name, "x");
        ASSERT_TRUE(PumpUntil([&] { return HasRow(name); })) << name;
    }
    EXPECT_TRUE(form->Watching());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "部分变化未能记录: " + win::SystemErrorText(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_THAT(form->StatusText(), HasSubstr("部分变化未能记录"));

    throwNext = true;  // a new failure after a good batch is told again
    WriteTextFile(watched / "lost-again.txt", "x");
    ASSERT_TRUE(PumpUntil([&] { return ui.messages.size() == 2; }));
}

TEST_F(RecordingFailuresTest, WorkerFailureEndsTheWatchWithAMessage) {
    const struct {
        const char* what;
        std::function<void()> fault;
        DWORD error;
    } cases[] = {
        {"out of memory", [] { throw std::bad_alloc(); }, ERROR_NOT_ENOUGH_MEMORY},
        {"anything else", [] { throw std::runtime_error("broken"); }, ERROR_INTERNAL_ERROR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        faults.watchCompletion = c.fault;
        Watch();
        WriteTextFile(watched / "a.txt", "x");
        ASSERT_TRUE(PumpUntil([&] { return !form->Watching(); }));
        EXPECT_TRUE(form->bStart.Enabled());
        EXPECT_FALSE(form->bStop.Enabled());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "监视已停止: " + win::SystemErrorText(c.error));
        form.reset();
        ASSERT_TRUE(DeleteFileW(win::Widen(watched / "a.txt").c_str()));
    }
}

}  // namespace
}  // namespace vemora::test
