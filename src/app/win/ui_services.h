// What the main window asks of the user and of the shell. Everything modal goes through
// here, so tests replace it and answer the questions themselves.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vemora {

struct FileDialogRequest {
    std::wstring fileName;          // preset name (save)
    std::wstring initialDirectory;  // (open)
};

class UiServices {
  public:
    virtual ~UiServices() = default;
    // Returns the button pressed (IDOK, IDYES, ...). Text and caption are UTF-8.
    virtual int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) = 0;
    virtual void Beep() = 0;
    virtual std::optional<std::wstring> ChooseSaveFile(HWND owner, const FileDialogRequest& request) = 0;
    virtual std::optional<std::wstring> ChooseOpenFile(HWND owner, const FileDialogRequest& request) = 0;
    // verb may be null for the default verb.
    virtual void ShellOpen(HWND owner, const wchar_t* verb, const std::wstring& target) = 0;
};

// The real dialogs, message boxes and shell.
UiServices& SystemUi();

}  // namespace vemora
