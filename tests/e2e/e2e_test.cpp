// Starts Vemora.exe as a user would and drives it through its windows.
//   vemora_e2e_tests.exe PATH\TO\Vemora.exe
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win/resource.h"
#include "skin/data/skin_data.h"
#include "win/handles.h"
#include "win/resource_data.h"
#include "win/text.h"

namespace {

std::wstring g_exe;
constexpr DWORD kTimeoutMs = 20000;
const std::wstring kMainCaption = vemora::win::Widen("Vemora V2.8(目录监视专家)");

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(50);
    }
    return true;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

struct WindowQuery {
    DWORD pid;
    const std::wstring* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto& query = *reinterpret_cast<WindowQuery*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if ((query.pid == 0 || owner == query.pid) && IsWindowVisible(hwnd) && TextOf(hwnd) == *query.caption) {
        query.found.push_back(hwnd);
    }
    return TRUE;
}

// Visible top-level windows of a process (any process when pid is 0) with this caption.
std::vector<HWND> TopLevelWindows(DWORD pid, const std::wstring& caption) {
    WindowQuery query{pid, &caption, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// The message box of a process: its caption and the text of its message.
HWND FindMessageBox(DWORD pid, const std::wstring& caption, const std::wstring& text) {
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
        if (Running()) TerminateProcess(process_.get(), 1);
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

HWND WaitForMainWindow(const Process& app) {
    HWND main = nullptr;
    WaitFor([&] {
        const auto windows = TopLevelWindows(app.pid(), kMainCaption);
        main = windows.empty() ? nullptr : windows.front();
        return main != nullptr;
    });
    return main;
}

void Press(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

TEST(EndToEnd, MainWindowAppearsAndSecondStartIsTurnedAway) {
    Process first(g_exe);
    ASSERT_NE(first.pid(), 0u) << "cannot start " << vemora::win::Narrow(g_exe);
    ASSERT_NE(WaitForMainWindow(first), nullptr)
        << "no main window with the caption Vemora V2.8(目录监视专家)";

    Process second(g_exe);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        box = FindMessageBox(second.pid(), L"Vemora", L"The program already start");
        return box != nullptr;
    })) << "the second start shows no message";
    EXPECT_TRUE(TopLevelWindows(second.pid(), kMainCaption).empty());
    Press(box, IDOK);
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(TopLevelWindows(0, kMainCaption).size(), 1u);
}

TEST(EndToEnd, CloseAsksAndOnlyYesEnds) {
    Process app(g_exe);
    HWND main = WaitForMainWindow(app);
    ASSERT_NE(main, nullptr);
    const std::wstring question = vemora::win::Widen("您确认要退出目录监视软件?");
    for (const int answer : {IDNO, IDYES}) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            box = FindMessageBox(app.pid(), L"Vemora", question);
            return box != nullptr;
        })) << "no confirmation";
        Press(box, answer);
        if (answer == IDNO) {
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
            EXPECT_FALSE(app.WaitForExit(500));
            EXPECT_TRUE(IsWindowVisible(main));
        }
    }
    EXPECT_TRUE(app.WaitForExit());
}

struct ChildQuery {
    const std::wstring* text;
    HWND found;
};

BOOL CALLBACK FindChildByText(HWND hwnd, LPARAM lp) {
    auto& query = *reinterpret_cast<ChildQuery*>(lp);
    if (IsWindowVisible(hwnd) && TextOf(hwnd) == *query.text) {
        query.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct ClassQuery {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindVisibleOfClass(HWND hwnd, LPARAM lp) {
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

vemora::skin::PixelColor ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return vemora::skin::PixelColor(GetBValue(c)) | vemora::skin::PixelColor(GetGValue(c)) << 8 |
           vemora::skin::PixelColor(GetRValue(c)) << 16;
}

TEST(EndToEnd, RestingThePointerOnStartShowsItsSkinnedHint) {
    Process app(g_exe);
    HWND main = WaitForMainWindow(app);
    ASSERT_NE(main, nullptr);
    const std::wstring start = vemora::win::Widen("开始");
    ChildQuery child{&start, nullptr};
    ASSERT_TRUE(WaitFor([&] {
        EnumChildWindows(main, &FindChildByText, reinterpret_cast<LPARAM>(&child));
        return child.found != nullptr;
    }));
    RECT button{};
    GetWindowRect(child.found, &button);
    const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClassQuery hint{app.pid(), L"TspSkinHintWindow", nullptr};
    ASSERT_TRUE(WaitFor([&] {
        // The pointer moves onto the button (again, should the window still have been settling).
        SetCursorPos(centre.x - 2, centre.y);
        Sleep(20);
        SetCursorPos(centre.x, centre.y);
        return WaitFor(
            [&] {
                EnumWindows(&FindVisibleOfClass, reinterpret_cast<LPARAM>(&hint));
                return hint.found != nullptr;
            },
            2000);
    })) << "no hint window appeared";

    wchar_t text[128] = {};
    SendMessageW(hint.found, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(vemora::win::Narrow(text), "开始监控当前设定的目录");

    RECT r{};
    GetWindowRect(hint.found, &r);
    vemora::win::UniqueResource<HRGN, vemora::win::GdiObjectTraits<HRGN>> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(hint.found, region.get()), ERROR) << "the hint has the mask's outline";
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 3, 3));

    // Its corners are the hint picture's, as Vemora.exe carries it.
    vemora::win::UniqueModule exe(
        LoadLibraryExW(g_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(exe);
    const auto block = vemora::win::LoadRcData(exe.get(), IDR_SKIN);
    ASSERT_TRUE(block);
    vemora::skin::TspCompressedStoredSkin stored;
    stored.SetCompressedData(*block);
    vemora::skin::TspSkinData skin;
    skin.SetCompressedStoredSkin(&stored);
    const auto& picture = skin.ActivePictures.at(size_t(skin.HintWindowData.WindowPictureIndex));
    Sleep(100);  // the first paint
    EXPECT_EQ(ScreenPixel(r.left + 2, r.top + 1), picture.GetPixel(2, 1));
    EXPECT_EQ(ScreenPixel(r.right - 3, r.bottom - 2),
              picture.GetPixel(picture.Width() - 3, picture.Height() - 2));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: vemora_e2e_tests PATH\\TO\\Vemora.exe\n");
        return 2;
    }
    g_exe = argv[1];
    return RUN_ALL_TESTS();
}
