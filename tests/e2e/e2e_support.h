// What the end-to-end tests share: starting Vemora.exe and finding its windows.
#pragma once

#include <windows.h>

#include <cstdio>
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
    explicit Process(const std::wstring& exe, const std::wstring& arguments = L"") {
        STARTUPINFOW startup{sizeof(startup)};
        std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
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

// The mouse and keyboard of the X display Wine draws on: xdotool, run as a Unix program
// through a shell that leaves a mark when it is done (Wine does not wait for Unix programs).
inline bool RunUnix(const std::string& shellCommand) {
    static int calls = 0;
    const std::string mark =
        "/tmp/vemora-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++calls) + ".done";
    std::wstring commandLine =
        win::Widen("start.exe /unix /bin/sh -c \"" + shellCommand + "; touch " + mark + "\"");
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a start while another process of the test is ending: try again.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                 nullptr, nullptr, &startup, &info);
        if (!started) {
            fprintf(stderr, "starting xdotool failed (error %lu)\n", GetLastError());
            Sleep(200);
        }
    }
    if (!started) return false;
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    const std::wstring markFile = L"Z:" + win::Widen(mark);
    const bool done =
        WaitFor([&] { return GetFileAttributesW(markFile.c_str()) != INVALID_FILE_ATTRIBUTES; });
    DeleteFileW(markFile.c_str());
    return done;
}

inline bool Xdotool(const std::string& arguments) {
    return RunUnix("xdotool " + arguments);
}

inline bool ClickAt(POINT screen, int button = 1) {
    return Xdotool("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " click " +
                   std::to_string(button));
}

struct ClassQuery {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

inline BOOL CALLBACK FindVisibleOfClass(HWND hwnd, LPARAM lp) {
    auto& query = *reinterpret_cast<ClassQuery*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (owner == query.pid && IsWindowVisible(hwnd) && std::wstring(name) == query.className) {
        query.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process with this class, or null.
inline HWND VisibleWindowOfClass(DWORD pid, const wchar_t* className) {
    ClassQuery query{pid, className, nullptr};
    EnumWindows(&FindVisibleOfClass, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

inline COLORREF ScreenColor(POINT p) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

}  // namespace vemora::e2e
