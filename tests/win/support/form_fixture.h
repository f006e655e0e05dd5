// A main window in a test: its own application directory, the fake user interface, and
// helpers to watch a directory and wait for rows.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/win/form_vemora.h"
#include "support/fake_ui.h"
#include "support/pump.h"
#include "support/recording_shell.h"
#include "support/test_dir.h"
#include "win/text.h"

namespace vemora::test {

// Opens nothing; remembers what it was asked to open.
class LinkRecorder : public UrlLauncher {
  public:
    DWORD Open(const std::wstring& target) override {
        opened.push_back(target);
        return ERROR_SUCCESS;
    }
    void RunOpenAsForHtm() override {}
    std::vector<std::wstring> opened;
};

class FormFixture : public testing::Test {
  protected:
    void SetUp() override { CreateForm(dirs.path() + "\\app\\"); }

    // The application directory need not exist: the log writer creates it.
    void CreateForm(const std::string& appDir) {
        form.reset();
        tray.calls.clear();
        form = std::make_unique<TFormVemora>(
            FormOptions{&ui, appDir, false, &tray, &links, faults, clock, maxRows});
        ASSERT_TRUE(form->FormCreate());
    }

    // Watches a fresh directory (or the given one) with the boxes as they are.
    void StartWatching(const std::string& path) {
        form->ePath.SetText(path);
        form->bStart.Click();
        ASSERT_TRUE(form->Watching()) << (ui.messages.empty() ? "" : ui.messages.back().text);
    }

    bool WaitForRows(size_t count) {
        return PumpUntil([&] { return form->Events().size() >= count; });
    }

    // Every row as "image|type|action|name", for readable comparisons.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const EventStore& events = form->Events();
        for (size_t i = 0; i < events.size(); ++i) {
            rows.push_back(std::to_string(events.Image(i)) + "|" +
                           std::string(events.Text(i, EventStore::kType)) + "|" +
                           std::string(events.Text(i, EventStore::kAction)) + "|" +
                           std::string(events.Text(i, EventStore::kName)));
        }
        return rows;
    }

    void SetOnly(std::initializer_list<skin::TspSkinCheckRadioBox*> boxes) {
        for (skin::TspSkinCheckRadioBox& box : form->eventBoxes) box.SetChecked(false);
        for (skin::TspSkinCheckRadioBox* box : boxes) box->SetChecked(true);
    }

    TestDir dirs;  // holds the application directory and the watched ones
    TestDir watched;
    FakeUi ui;
    RecordingShell tray;
    LinkRecorder links;
    FaultSeams faults;                 // set before CreateForm
    std::function<LocalTime()> clock;  // the system's when empty; set before CreateForm
    size_t maxRows = kMaxListRows;     // set before CreateForm
    std::unique_ptr<TFormVemora> form;
};

}  // namespace vemora::test
