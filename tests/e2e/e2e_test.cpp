// Starts Vemora.exe as a user would and drives it through its windows.
//   vemora_e2e_tests.exe PATH\TO\Vemora.exe
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/win/resource.h"
#include "skin/data/skin_data.h"
#include "win/handles.h"
#include "win/resource_data.h"
#include "win/text.h"

#include "e2e_support.h"
#include "support/test_dir.h"

namespace {

using namespace vemora::e2e;

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

// Memory in another process, for the list and header messages that pass pointers.
class RemoteBlock {
  public:
    RemoteBlock(DWORD pid, size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)),
          size_(size) {
        at_ = process_ ? VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE) : nullptr;
    }
    ~RemoteBlock() {
        if (at_) VirtualFreeEx(process_.get(), at_, 0, MEM_RELEASE);
    }
    char* at() const { return static_cast<char*>(at_); }
    void Write(const void* data, size_t size, size_t offset = 0) const {
        WriteProcessMemory(process_.get(), at() + offset, data, size, nullptr);
    }
    void Read(void* data, size_t size, size_t offset = 0) const {
        ReadProcessMemory(process_.get(), at() + offset, data, size, nullptr);
    }

  private:
    vemora::win::UniqueHandle process_;
    size_t size_;
    void* at_ = nullptr;
};

// The event list of a running Vemora, read through its own messages.
class RemoteList {
  public:
    RemoteList(DWORD pid, HWND main)
        : list_(FindWindowExW(main, nullptr, WC_LISTVIEWW, nullptr)),
          header_(reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0))),
          block_(pid, 4096) {}
    HWND list() const { return list_; }
    int Count() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }
    std::string Text(int row, int column) const {
        struct Request {
            LVITEMW item;
            wchar_t text[260];
        } request{};
        request.item.iSubItem = column;
        request.item.cchTextMax = 260;
        request.item.pszText = reinterpret_cast<wchar_t*>(block_.at() + offsetof(Request, text));
        block_.Write(&request, sizeof(request));
        SendMessageW(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(block_.at()));
        block_.Read(&request, sizeof(request));
        request.text[259] = 0;
        return vemora::win::Narrow(request.text);
    }
    int SortFlags(int column) const {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        block_.Write(&item, sizeof(item));
        SendMessageW(header_, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(block_.at()));
        block_.Read(&item, sizeof(item));
        return item.fmt & (HDF_SORTUP | HDF_SORTDOWN);
    }
    RECT HeaderItemOnScreen(int column) const {
        RECT r{};
        block_.Write(&r, sizeof(r));
        SendMessageW(header_, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(block_.at()));
        block_.Read(&r, sizeof(r));
        MapWindowPoints(header_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    RECT RowOnScreen(int row) const {
        RECT r{};
        r.left = LVIR_BOUNDS;
        block_.Write(&r, sizeof(r));
        SendMessageW(list_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(block_.at()));
        block_.Read(&r, sizeof(r));
        MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    bool ClickHeader(int column) const {
        const RECT r = HeaderItemOnScreen(column);
        return ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

  private:
    HWND list_;
    HWND header_;
    RemoteBlock block_;
};

// Whether the process shows a popup menu (the system's menu window class).
bool MenuShown(DWORD pid) {
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(menu, &owner);
        if (owner == pid && IsWindowVisible(menu)) return true;
    }
    return false;
}

// Pixels of the button-shadow colour on screen inside a header item's content: the arrow.
struct ArrowPixels {
    int count = 0, topRowWidth = 0, bottomRowWidth = 0;
};
ArrowPixels ArrowOnScreen(const RECT& item) {
    const HDC screen = GetDC(nullptr);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    ArrowPixels found;
    int firstRow = -1, lastRow = -1;
    std::vector<int> widths(static_cast<size_t>(item.bottom - item.top));
    for (int y = item.top + 2; y < item.bottom - 2; ++y) {
        for (int x = item.left + 2; x < item.right - 2; ++x) {
            if (GetPixel(screen, x, y) != shadow) continue;
            ++found.count;
            ++widths[y - item.top];
            if (firstRow < 0) firstRow = y - item.top;
            lastRow = y - item.top;
        }
    }
    ReleaseDC(nullptr, screen);
    if (firstRow >= 0) {
        found.topRowWidth = widths[firstRow];
        found.bottomRowWidth = widths[lastRow];
    }
    return found;
}

// A log in the event line format (GBK), as Save writes it.
std::wstring WriteLog(const std::string& name, const std::vector<std::string>& lines) {
    const std::wstring dir = L"Z:\\tmp\\vemora-e2e-list";
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring path = dir + L"\\" + vemora::win::Widen(name);
    std::string text;
    for (const std::string& line : lines) text += vemora::win::ToAnsi(line) + "\r\n";
    vemora::win::UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return path;
}

// Right-click on the list, 打开(&O) from its menu, the path typed into the file dialog.
void OpenThroughTheMenu(const Process& app, const RemoteList& list, POINT at, const std::wstring& path) {
    ASSERT_TRUE(ClickAt(at, 3));
    ASSERT_TRUE(WaitFor([&] { return MenuShown(app.pid()); })) << "no popup menu";
    ASSERT_TRUE(Xdotool("key o"));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        dialog = nullptr;
        for (HWND w : TopLevelWindows(app.pid(), vemora::win::Widen("打开"))) dialog = w;
        return dialog != nullptr;
    })) << "no file dialog";
    SetForegroundWindow(dialog);
    ASSERT_TRUE(Xdotool("type --delay 5 '" + vemora::win::Narrow(path) + "'"));
    ASSERT_TRUE(Xdotool("key Return"));
    // The list takes clicks once the dialog is gone and the main window active again.
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the file dialog stays open";
    (void)list;
}

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

constexpr int kTime = 1, kType = 2, kAction = 3, kName = 4;

TEST(EndToEnd, HeaderClicksSortTheEventListAndShowTheArrow) {
    const std::wstring log = WriteLog("five.log", {
                                                      "0?2026/12/10 11:42:07?文件?新建?b.txt",
                                                      "1?2026/12/10 09:00:00?目录?删除?A.txt",
                                                      "2?2026/12/10 11:42:07?文件?修改?",
                                                      "3?2026/12/9?目录?更名?c.txt",
                                                      "4?2026/12/10 10:00:00?文件?更名为?a.txt",
                                                  });
    Process app(g_exe);
    const HWND main = WaitForMainWindow(app);
    ASSERT_NE(main, nullptr);
    const RemoteList list(app.pid(), main);
    ASSERT_NE(list.list(), nullptr);
    RECT client{};
    GetClientRect(list.list(), &client);
    POINT empty{client.right / 2, client.bottom - 10};
    ClientToScreen(list.list(), &empty);
    OpenThroughTheMenu(app, list, empty, log);
    ASSERT_TRUE(WaitFor([&] { return list.Count() == 5; })) << "the log was not opened";

    const auto names = [&] {
        std::vector<std::string> shown;
        for (int i = 0; i < list.Count(); ++i) shown.push_back(list.Text(i, kName));
        return shown;
    };
    const struct {
        int column;
        int flags;
        std::vector<std::string> names;
    } kClicks[] = {
        {kName, HDF_SORTUP, {"A.txt", "a.txt", "b.txt", "c.txt", ""}},
        {kName, HDF_SORTDOWN, {"", "c.txt", "b.txt", "A.txt", "a.txt"}},
        {kType, HDF_SORTUP, {"A.txt", "c.txt", "b.txt", "", "a.txt"}},    // GBK: 目录 before 文件
        {kAction, HDF_SORTUP, {"c.txt", "a.txt", "A.txt", "b.txt", ""}},  // 更名 before 更名为
        {kType, HDF_SORTUP, {"A.txt", "c.txt", "b.txt", "", "a.txt"}},
        {kTime, HDF_SORTUP, {"A.txt", "a.txt", "b.txt", "", "c.txt"}},
    };
    for (const auto& click : kClicks) {
        ASSERT_TRUE(list.ClickHeader(click.column));
        EXPECT_TRUE(WaitFor([&] {
            Sleep(250);  // fewer reads across processes, which Wine lets hold back the click
            return names() == click.names && list.SortFlags(click.column) == click.flags;
        })) << "column "
            << click.column << ": " << ::testing::PrintToString(names());
        for (int other = 0; other < 5; ++other) {
            if (other != click.column) {
                EXPECT_EQ(list.SortFlags(other), 0) << other;
            }
        }
    }

    // The arrow as the screen shows it: up on 时间, nothing on the others.
    const ArrowPixels up = ArrowOnScreen(list.HeaderItemOnScreen(kTime));
    EXPECT_GT(up.count, 10);
    EXPECT_GT(up.bottomRowWidth, up.topRowWidth + 5) << "ascending points up";
    EXPECT_EQ(ArrowOnScreen(list.HeaderItemOnScreen(kName)).count, 0);
    ASSERT_TRUE(list.ClickHeader(kTime));
    EXPECT_TRUE(WaitFor([&] {
        const ArrowPixels down = ArrowOnScreen(list.HeaderItemOnScreen(kTime));
        return down.topRowWidth > down.bottomRowWidth + 5;
    })) << "descending points down";
    ASSERT_TRUE(list.ClickHeader(0));
    EXPECT_TRUE(WaitFor([&] { return list.SortFlags(0) == HDF_SORTUP; }));
    EXPECT_EQ(ArrowOnScreen(list.HeaderItemOnScreen(0)).count, 0) << "the 18-pixel column is too narrow";

    // The popup menu for a right-click on a row, and for Shift+F10.
    ASSERT_TRUE(ClickAt(Centre(list.RowOnScreen(1)), 3));
    EXPECT_TRUE(WaitFor([&] { return MenuShown(app.pid()); })) << "right-click on a row";
    ASSERT_TRUE(Xdotool("key Escape"));
    ASSERT_TRUE(WaitFor([&] { return !MenuShown(app.pid()); }));
    ASSERT_TRUE(Xdotool("key shift+F10"));
    EXPECT_TRUE(WaitFor([&] { return MenuShown(app.pid()); })) << "Shift+F10";
    ASSERT_TRUE(Xdotool("key Escape"));
}

// The times go to the output (the machines running the tests are shared, so they gate nothing).
TEST(EndToEnd, MillionLineLogOpensAndSorts) {
    constexpr int kRows = 1'000'000;
    std::vector<std::string> lines;
    lines.reserve(kRows);
    char line[96];
    for (int i = 0; i < kRows; ++i) {
        const unsigned n = static_cast<unsigned>((i * 7919LL + 12345) % kRows);
        snprintf(line, sizeof(line), "%d?2026/12/10 %02d:%02d:%02d?文件?新建?dir\\file-%07u.txt", i % 5,
                 i / 3600 % 24, i / 60 % 60, i % 60, n);
        lines.emplace_back(line);
    }
    const std::wstring log = WriteLog("million.log", lines);
    lines.clear();

    Process app(g_exe);
    const HWND main = WaitForMainWindow(app);
    ASSERT_NE(main, nullptr);
    const RemoteList list(app.pid(), main);
    RECT client{};
    GetClientRect(list.list(), &client);
    POINT empty{client.right / 2, client.bottom - 10};
    ClientToScreen(list.list(), &empty);
    OpenThroughTheMenu(app, list, empty, log);
    const ULONGLONG opening = GetTickCount64();
    ASSERT_TRUE(WaitFor([&] { return list.Count() == kRows; }, 60000)) << "the log was not opened";
    const ULONGLONG opened = GetTickCount64();
    EXPECT_EQ(list.Text(0, kName), "dir\\file-0012345.txt");

    ASSERT_TRUE(list.ClickHeader(kName));
    ASSERT_TRUE(WaitFor([&] { return list.SortFlags(kName) == HDF_SORTUP; }));
    EXPECT_EQ(list.Text(0, kName), "dir\\file-0000000.txt");  // answered once the sort is done
    const ULONGLONG sorted = GetTickCount64();
    EXPECT_EQ(list.Text(kRows - 1, kName), "dir\\file-0999999.txt");
    printf(
        "million-line log: opened in %llu ms (from the dialog's Return), sorted by a header click in %llu ms "
        "(from the click), %llu ms in all\n",
        opened - opening, sorted - opened, sorted - opening);
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
        Xdotool("mousemove " + std::to_string(centre.x - 2) + " " + std::to_string(centre.y) + " mousemove " +
                std::to_string(centre.x) + " " + std::to_string(centre.y));
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
    // Once the first paint is on the screen.
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(r.left + 2, r.top + 1) == picture.GetPixel(2, 1); }, 5000));
    EXPECT_EQ(ScreenPixel(r.right - 3, r.bottom - 2),
              picture.GetPixel(picture.Width() - 3, picture.Height() - 2));
}

struct ClassTextQuery {
    const wchar_t* className;
    std::wstring text;  // empty: any
    HWND found = nullptr;
};

BOOL CALLBACK FindChildOfClass(HWND hwnd, LPARAM lp) {
    auto& query = *reinterpret_cast<ClassTextQuery*>(lp);
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    if (_wcsicmp(className, query.className) == 0 && (query.text.empty() || TextOf(hwnd) == query.text)) {
        query.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindChild(HWND parent, const wchar_t* className, const std::string& text = {}) {
    ClassTextQuery query{className, vemora::win::Widen(text)};
    EnumChildWindows(parent, &FindChildOfClass, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// Starts a shell command on the Linux host (Wine starts Unix programs).
bool RunOnLinux(const std::string& command) {
    std::wstring commandLine = L"sh -c \"" + vemora::win::Widen(command) + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        ADD_FAILURE() << "cannot start /bin/sh: " << GetLastError();
        return false;
    }
    // Wine gives a Unix program no process to wait for: what it changes is awaited instead.
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

std::string UnixPath(const std::wstring& windowsPath) {  // Z:\tmp\x -> /tmp/x
    std::string path = vemora::win::Narrow(windowsPath.substr(2));
    for (char& c : path) c = c == '\\' ? '/' : c;
    return path;
}

std::string ReadAll(const std::wstring& path) {
    vemora::win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (file && ReadFile(file.get(), chunk, sizeof(chunk), &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    return bytes;
}

std::wstring TodaysLogName() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t name[16] = {};
    swprintf(name, 16, L"%04u%02u%02u.log", now.wYear, now.wMonth, now.wDay);
    return name;
}

TEST(EndToEnd, ARightClickOnTheCaptionOpensNothingAndTheKeyboardKeepsWorking) {
    Process app(g_exe);
    HWND main = WaitForMainWindow(app);
    ASSERT_NE(main, nullptr);
    const HWND edit = FindChild(main, L"Edit");
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    // The edit's text as it answers WM_GETTEXT (GetWindowText reads no control of another process).
    const auto text = [&] {
        wchar_t buffer[64] = {};
        SendMessageTimeoutW(edit, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                            nullptr);
        return std::wstring(buffer);
    };
    RECT frame{}, box{};
    GetWindowRect(main, &frame);
    GetWindowRect(edit, &box);
    // The edit takes the focus, the caption is right-clicked, then keys are typed: an open
    // menu would take them, and once they have arrived so has the right click.
    ASSERT_TRUE(ClickAt(Centre(box)));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));
    ASSERT_TRUE(ClickAt({frame.left + 100, frame.top + 10}, 3));
    ASSERT_TRUE(Xdotool("type --delay 20 qw"));
    EXPECT_TRUE(WaitFor([&] { return text() == L"qw"; }, 5000)) << vemora::win::Narrow(text());
    for (const wchar_t* menuClass : {L"TspSkinPopupWindow", L"#32768"}) {
        EXPECT_EQ(VisibleWindowOfClass(app.pid(), menuClass), nullptr)
            << vemora::win::Narrow(menuClass) << " opened";
    }
}

// The program as shipped, started from a folder of its own: a watch on a folder changed from
// Linux gives rows, and the daily log and the settings file appear beside the executable.
TEST(EndToEnd, ShippedDefaultsWatchLogAndRemember) {
    const vemora::test::TestDir homeDir(vemora::test::TestDir::Under::kLinuxTmp);
    const vemora::test::TestDir watched(vemora::test::TestDir::Under::kLinuxTmp);
    const std::wstring home = vemora::win::Widen(homeDir.path()) + L"\\";
    const std::wstring exe = home + L"Vemora.exe";
    ASSERT_TRUE(CopyFileW(g_exe.c_str(), exe.c_str(), FALSE)) << GetLastError();
    Process app(exe);
    HWND main = WaitForMainWindow(app);
    ASSERT_NE(main, nullptr);

    const HWND remember = FindChild(main, L"TspSkinCheckRadioBox", "记住最近选择");
    const HWND path = FindChild(main, L"Edit");
    const HWND start = FindChild(main, L"TspSkinButton", "开始");
    const HWND list = FindChild(main, L"SysListView32");
    ASSERT_TRUE(remember && path && start && list);
    SendMessageW(remember, BM_CLICK, 0, 0);
    ASSERT_EQ(SendMessageW(remember, BM_GETCHECK, 0, 0), BST_CHECKED);
    const std::wstring folder = vemora::win::Widen(watched.path());
    SendMessageW(path, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    SendMessageW(start, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(start); })) << "the watch did not start";

    const std::string linuxFolder = UnixPath(folder);
    ASSERT_TRUE(RunOnLinux("echo x > '" + linuxFolder + "/from-linux.txt' && mv '" + linuxFolder +
                           "/from-linux.txt' '" + linuxFolder + "/renamed.txt'"));
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= 3; })) << "no rows";

    const std::wstring log = home + L"Log\\" + TodaysLogName();
    std::string logText;
    ASSERT_TRUE(WaitFor([&] {
        logText = ReadAll(log);
        return logText.find("?renamed.txt\r\n") != std::string::npos;
    })) << "no daily log beside the executable: "
        << vemora::win::Narrow(log) << "\n"
        << logText;
    EXPECT_NE(logText.find(vemora::win::ToAnsi("?新建?from-linux.txt\r\n")), std::string::npos) << logText;
    EXPECT_NE(logText.find(vemora::win::ToAnsi("?目录?更名?from-linux.txt\r\n")), std::string::npos)
        << logText;
    EXPECT_NE(logText.find(vemora::win::ToAnsi("?文件?更名为?renamed.txt\r\n")), std::string::npos)
        << logText;

    const std::string settings = ReadAll(home + L"Vemora.ini");
    EXPECT_NE(settings.find("remeberset=1"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Dir=" + vemora::win::ToAnsi(vemora::win::Narrow(folder))), std::string::npos)
        << settings;
}

}  // namespace

std::wstring vemora::e2e::g_exe;

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: vemora_e2e_tests PATH\\TO\\Vemora.exe\n");
        return 2;
    }
    vemora::e2e::g_exe = argv[1];
    return RUN_ALL_TESTS();
}
