// Reads what a user sees in Vemora's windows for the xdotool-driven scripts: window and
// control rectangles and texts, with bounded waits. Prints results on stdout.
//   vemora_e2e_probe.exe rect CAPTION [CLASS [TEXT]]      screen rectangle "x y w h"
//   vemora_e2e_probe.exe text CAPTION CLASS              text of the first such control
//   vemora_e2e_probe.exe wait-text CAPTION CLASS TEXT    waits; prints "ready" when it starts
//                                                        looking, then the Unix time in ms it saw the text
//   vemora_e2e_probe.exe wait-gone CAPTION
//   vemora_e2e_probe.exe boxes                           visible message boxes, one caption a line
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "win/text.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

std::wstring TextOf(HWND hwnd) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[128] = {};
    GetClassNameW(hwnd, name, 128);
    return name;
}

struct Query {
    std::wstring caption, className, text;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM lp) {
    auto& q = *reinterpret_cast<Query*>(lp);
    if (IsWindowVisible(hwnd) && TextOf(hwnd) == q.caption) q.found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    auto& q = *reinterpret_cast<Query*>(lp);
    if (IsWindowVisible(hwnd) && _wcsicmp(ClassOf(hwnd).c_str(), q.className.c_str()) == 0 &&
        (q.text.empty() || TextOf(hwnd) == q.text)) {
        q.found.push_back(hwnd);
    }
    return TRUE;
}

HWND Find(const std::wstring& caption, const std::wstring& className = L"", const std::wstring& text = L"") {
    Query top{caption, L"", L"", {}};
    EnumWindows(&CollectTop, reinterpret_cast<LPARAM>(&top));
    if (top.found.empty()) return nullptr;
    if (className.empty()) return top.found.front();
    Query child{caption, className, text, {}};
    EnumChildWindows(top.found.front(), &CollectChild, reinterpret_cast<LPARAM>(&child));
    return child.found.empty() ? nullptr : child.found.front();
}

template <typename F>
bool WaitFor(F done, DWORD& waited) {
    const ULONGLONG start = GetTickCount64();
    while (!done()) {
        if (GetTickCount64() - start > kTimeoutMs) return false;
        Sleep(10);
    }
    waited = static_cast<DWORD>(GetTickCount64() - start);
    return true;
}

BOOL CALLBACK CollectBoxes(HWND hwnd, LPARAM lp) {
    if (IsWindowVisible(hwnd) && ClassOf(hwnd) == L"#32770") {
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring command = argv[1];
    auto arg = [&](int i) { return i < argc ? std::wstring(argv[i]) : std::wstring(); };
    DWORD waited = 0;
    if (command == L"rect") {
        HWND hwnd = nullptr;
        if (!WaitFor([&] { return (hwnd = Find(arg(2), arg(3), arg(4))) != nullptr; }, waited)) return 1;
        RECT r{};
        GetWindowRect(hwnd, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (command == L"text") {
        HWND hwnd = Find(arg(2), arg(3));
        if (!hwnd) return 1;
        std::printf("%s\n", vemora::win::Narrow(TextOf(hwnd)).c_str());
        return 0;
    }
    if (command == L"wait-text") {
        std::printf("ready\n");
        std::fflush(stdout);
        const bool ok = WaitFor(
            [&] {
                HWND hwnd = Find(arg(2), arg(3));
                return hwnd && TextOf(hwnd) == arg(4);
            },
            waited);
        if (!ok) {
            HWND hwnd = Find(arg(2), arg(3));
            std::printf("timeout; text is \"%s\"\n",
                        hwnd ? vemora::win::Narrow(TextOf(hwnd)).c_str() : "(none)");
            return 1;
        }
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        const ULONGLONG ticks = (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
        std::printf("%llu\n", (ticks - 116444736000000000ULL) / 10000);  // since 1970, in ms
        return 0;
    }
    if (command == L"wait-gone") {
        return WaitFor([&] { return Find(arg(2)) == nullptr; }, waited) ? 0 : 1;
    }
    if (command == L"boxes") {
        std::vector<HWND> boxes;
        EnumWindows(&CollectBoxes, reinterpret_cast<LPARAM>(&boxes));
        for (HWND box : boxes) std::printf("%s\n", vemora::win::Narrow(TextOf(box)).c_str());
        return 0;
    }
    return 2;
}
