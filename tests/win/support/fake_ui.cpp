#include "support/fake_ui.h"

#include <utility>

namespace vemora::test {

int FakeUi::ShowMessage(HWND, const std::string& text, const std::string& caption, UINT flags) {
    messages.push_back({text, caption, flags});
    if (onMessage) std::exchange(onMessage, nullptr)();  // once, and free to set the next
    if (answers.empty()) return IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::wstring> FakeUi::ChooseSaveFile(HWND, const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return fileAnswer;
}

std::optional<std::wstring> FakeUi::ChooseOpenFile(HWND, const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return fileAnswer;
}

void FakeUi::ShellOpen(HWND owner, const wchar_t* verb, const std::wstring& target) {
    shellCalls.push_back({owner, verb ? verb : L"", target});
}

}  // namespace vemora::test
