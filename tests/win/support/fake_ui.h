// Answers the main window's questions in tests and remembers what was asked.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/win/ui_services.h"

namespace vemora::test {

class FakeUi : public UiServices {
  public:
    struct Message {
        std::string text;
        std::string caption;
        UINT flags;
    };
    struct ShellCall {
        HWND owner;
        std::wstring verb;  // empty for the default verb
        std::wstring target;
    };

    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    void Beep() override { ++beeps; }
    std::optional<std::wstring> ChooseSaveFile(HWND owner, const FileDialogRequest& request) override;
    std::optional<std::wstring> ChooseOpenFile(HWND owner, const FileDialogRequest& request) override;
    void ShellOpen(HWND owner, const wchar_t* verb, const std::wstring& target) override;

    std::vector<Message> messages;
    std::deque<int> answers;          // message box results, IDOK when empty
    std::function<void()> onMessage;  // runs once, in the next message box, as its modal loop would
    int beeps = 0;
    std::optional<std::wstring> fileAnswer;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<ShellCall> shellCalls;
};

}  // namespace vemora::test
