#include "app/win/ui_services.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "win/text.h"

namespace vemora {
namespace {

constexpr wchar_t kLogFilter[] = L"Log files (*.log)\0*.log\0";

class SystemUiServices final : public UiServices {
  public:
    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) override {
        return MessageBoxW(owner, win::Widen(text).c_str(), win::Widen(caption).c_str(), flags);
    }

    void Beep() override { MessageBeep(MB_OK); }

    std::optional<std::wstring> ChooseSaveFile(HWND owner, const FileDialogRequest& request) override {
        std::vector<wchar_t> name(32768, L'\0');
        request.fileName.copy(name.data(), std::min(request.fileName.size(), name.size() - 1));
        OPENFILENAMEW ofn{sizeof(ofn)};
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = kLogFilter;
        ofn.lpstrFile = name.data();
        ofn.nMaxFile = static_cast<DWORD>(name.size());
        ofn.Flags =
            OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        if (!GetSaveFileNameW(&ofn)) return std::nullopt;
        return std::wstring(name.data());
    }

    std::optional<std::wstring> ChooseOpenFile(HWND owner, const FileDialogRequest& request) override {
        std::vector<wchar_t> names(65536, L'\0');
        OPENFILENAMEW ofn{sizeof(ofn)};
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = kLogFilter;
        ofn.lpstrFile = names.data();
        ofn.nMaxFile = static_cast<DWORD>(names.size());
        ofn.lpstrInitialDir = request.initialDirectory.c_str();
        ofn.Flags =
            OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST;
        if (!GetOpenFileNameW(&ofn)) return std::nullopt;
        // With several files chosen the buffer holds the folder, then the names: take the first.
        const std::wstring first(names.data());
        const wchar_t* second = names.data() + first.size() + 1;
        if (*second == L'\0') return first;
        return first + L"\\" + second;
    }

    void ShellOpen(HWND owner, const wchar_t* verb, const std::wstring& target) override {
        ShellExecuteW(owner, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
};

}  // namespace

UiServices& SystemUi() {
    static SystemUiServices services;
    return services;
}

}  // namespace vemora
