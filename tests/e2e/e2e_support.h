// What the end-to-end tests share: starting Vemora.exe and finding its windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/handles.h"
#include "win/text.h"

namespace vemora::e2e {

extern std::wstring g_exe;  // the Vemora.exe under test

inline constexpr DWORD kTimeoutMs = 20000;
inline const std::wstring kMainCaption = vemora::win::Widen("Vemora V2.8(目录监视专家)");

inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(50);
    }
    return true;
}

inline std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

struct WindowQuery {
    DWORD pid;
    const std::wstring* caption;
    std::vector<HWND> found;
};

inline BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto& query = *reinterpret_cast<WindowQuery*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if ((query.pid == 0 || owner == query.pid) && IsWindowVisible(hwnd) && TextOf(hwnd) == *query.caption) {
        query.found.push_back(hwnd);
    }
    return TRUE;
}

// Visible top-level windows of a process (any process when pid is 0) with this caption.
inline std::vector<HWND> TopLevelWindows(DWORD pid, const std::wstring& caption) {
    WindowQuery query{pid, &caption, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// The message box of a process: its caption and the text of its message.
inline HWND FindMessageBox(DWORD pid, const std::wstring& caption, const std::wstring& text) {
    for (HWND box : TopLevelWindows(pid, caption)) {
        wchar_t className[32] = {};
        GetClassNameW(box, className, 32);
        if (std::wstring(className) == L"#32770" && TextOf(GetDlgItem(box, 0xFFFF)) == text) return box;
    }
    return nullptr;
}

class Process {
  public:
    explicit Process(const std::wstring& exe) {
        STARTUPINFOW startup{sizeof(startup)};
        std::wstring commandLine = L"\"" + exe + L"\"";
        PROCESS_INFORMATION info{};
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info)) {
            process_.reset(info.hProcess);
            CloseHandle(info.hThread);
            pid_ = info.dwProcessId;
        }
    }
    ~Process() {
        if (Running() && TerminateProcess(process_.get(), 1)) WaitForExit(5000);  // its files can go
    }
    DWORD pid() const { return pid_; }
    bool Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    bool WaitForExit(DWORD ms = kTimeoutMs) const {
        return WaitForSingleObject(process_.get(), ms) == WAIT_OBJECT_0;
    }

  private:
    vemora::win::UniqueHandle process_;
    DWORD pid_ = 0;
};

inline HWND WaitForMainWindow(const Process& app) {
    HWND main = nullptr;
    WaitFor([&] {
        const auto windows = TopLevelWindows(app.pid(), kMainCaption);
        main = windows.empty() ? nullptr : windows.front();
        return main != nullptr;
    });
    return main;
}

}  // namespace vemora::e2e
