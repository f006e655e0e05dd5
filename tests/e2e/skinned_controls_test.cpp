// The main window's skinned controls on screen: their pixels against the skin's own
// pictures, and the real mouse and keyboard (xdotool on the X display Wine draws to).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "e2e_support.h"
#include "skin/controls/custom_control.h"
#include "skin/data/skin_data.h"
#include "skin/draw/copy_rect.h"
#include "skin/draw/win/dib_section.h"
#include "skin/draw/win/screen.h"
#include "win/resource_data.h"

namespace vemora::e2e {
namespace {

using skin::Image24;
using skin::Rect;

constexpr int kSkinResource = 201;  // IDR_SKIN of Vemora.exe

struct ChildQuery {
    std::wstring className;
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM lp) {
    auto& q = *reinterpret_cast<ChildQuery*>(lp);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (q.className != name || TextOf(child) != q.text) return TRUE;
    q.found = child;
    return FALSE;
}

HWND FindChild(HWND root, const std::wstring& className, const std::wstring& text) {
    ChildQuery query{className, text};
    EnumChildWindows(root, &MatchChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

Image24 Grab(HWND window) {
    const RECT r = ScreenRect(window);
    skin::DibSection shot(r.right - r.left, r.bottom - r.top);
    skin::CopyScreenArea(r.left, r.top, shot);
    const Image24 view = shot.View();
    return Image24(view);  // a copy owns its pixels; the view dies with the section
}

Image24 Part(const Image24& image, const Rect& r) {
    Image24 part(skin::RectWidth(r), skin::RectHeight(r));
    skin::CopyRect(part, {0, 0, part.Width(), part.Height()}, image, r);
    return part;
}

// Asks the helper of tests/e2e/run.sh to run xdotool with these arguments on the display Wine
// draws to, and waits for it; false when there is no helper (outside that script).
bool Xdo(const std::string& args) {
    wchar_t dir[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"VEMORA_XDO_DIR", dir, MAX_PATH)) return false;
    const std::wstring request = std::wstring(dir) + L"\\request", done = std::wstring(dir) + L"\\done";
    DeleteFileW(done.c_str());
    const std::wstring temp = request + L".tmp";
    {
        const win::UniqueFile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        WriteFile(file.get(), args.data(), DWORD(args.size()), &written, nullptr);
    }
    MoveFileExW(temp.c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!WaitFor([&] { return GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES; })) return false;
    char status = '1';
    const win::UniqueFile file(CreateFileW(done.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD read = 0;
    if (file) ReadFile(file.get(), &status, 1, &read, nullptr);
    return status == '0';
}

void MouseTo(int x, int y) {
    Xdo("mousemove " + std::to_string(x) + " " + std::to_string(y));
}

// The pixels of `actual` equal `expected` outside the columns [skipFrom, skipTo) (the caption).
bool SamePixels(const Image24& actual, const Image24& expected, int skipFrom = 0, int skipTo = 0) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) return false;
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            if (x >= skipFrom && x < skipTo) continue;
            if ((actual.GetPixel(x, y) & 0xFFFFFF) != (expected.GetPixel(x, y) & 0xFFFFFF)) return false;
        }
    }
    return true;
}

// The pixels of a check picture (its bottom-left colour transparent) at x, y of `actual`.
bool ShowsCheckPicture(const Image24& actual, const Image24& picture, int x, int y) {
    const skin::PixelColor key = picture.GetPixel(0, picture.Height() - 1) & 0xFFFFFF;
    for (int py = 0; py < picture.Height(); ++py) {
        for (int px = 0; px < picture.Width(); ++px) {
            const skin::PixelColor p = picture.GetPixel(px, py) & 0xFFFFFF;
            if (p != key && (actual.GetPixel(x + px, y + py) & 0xFFFFFF) != p) return false;
        }
    }
    return true;
}

class SkinnedControls : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        app_ = std::make_unique<Process>(g_exe);
        main_ = WaitForMainWindow(*app_);
        const HMODULE exe = LoadLibraryExW(g_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        const auto block = win::LoadRcData(exe, kSkinResource);
        FreeLibrary(exe);
        if (!block) return;
        stored_ = std::make_unique<skin::TspCompressedStoredSkin>();
        stored_->SetCompressedData(*block);
        skin_ = std::make_unique<skin::TspSkinData>();
        skin_->SetCompressedStoredSkin(stored_.get());
    }
    static void TearDownTestSuite() {
        app_.reset();
        skin_.reset();
        stored_.reset();
    }
    void SetUp() override {
        ASSERT_NE(main_, nullptr) << "no main window";
        ASSERT_TRUE(skin_ && !skin_->Empty()) << "no skin in the executable";
        if (!Xdo("getmouselocation")) GTEST_SKIP() << "no xdotool helper (run through tests/e2e/run.sh)";
        SetForegroundWindow(main_);
        MouseTo(0, 0);  // nothing hovered
    }

    HWND Child(const char* className, const char* text) const {
        return FindChild(main_, win::Widen(className), win::Widen(text));
    }

    // The record's picture for a control of this size from one of its state rectangles.
    static Image24 RecordPicture(const char* record, int w, int h,
                                 Rect skin::TspDataSkinButtonControl::*state) {
        skin::TspSkinCustomControlModel model(record);
        model.SkinData = skin_.get();
        model.LoadSkinRecord();
        model.FitSkinSize(w, h);
        const auto* button = model.RecordAs<skin::TspDataSkinButtonControl>();
        return model.BuildSkinImage(state ? button->*state : model.Geometry().skinRect);
    }
    static const skin::TspDataSkinCheckRadioControl& CheckRecord() {
        return dynamic_cast<const skin::TspDataSkinCheckRadioControl&>(
            *skin_->SkinControls[skin_->IndexOfControl("checkbox")]);
    }
    static Image24 CheckPicture(Rect skin::TspDataSkinCheckRadioControl::*state) {
        const auto& record = CheckRecord();
        return Part(skin_->ActivePictures[record.PictureIndex], record.*state);
    }

    static inline std::unique_ptr<Process> app_;
    static inline HWND main_ = nullptr;
    static inline std::unique_ptr<skin::TspCompressedStoredSkin> stored_;
    static inline std::unique_ptr<skin::TspSkinData> skin_;
};

TEST_F(SkinnedControls, ButtonsShowTheirRecordsPictures) {
    const HWND start = Child("TspSkinButton", "开始");
    const HWND stop = Child("TspSkinButton", "停止");
    ASSERT_TRUE(start && stop);
    const RECT rs = ScreenRect(start), rt = ScreenRect(stop);
    EXPECT_EQ(rs.bottom - rs.top, 21) << "the button record stretches only horizontally";
    EXPECT_EQ(rt.bottom - rt.top, 21);
    const int w = rs.right - rs.left;
    // Outside the caption the pixels are the record's.
    EXPECT_TRUE(WaitFor(
        [&] { return SamePixels(Grab(start), RecordPicture("button", w, 21, nullptr), 15, w - 15); }, 3000))
        << "Start is not the normal picture";
    EXPECT_FALSE(IsWindowEnabled(stop));
    EXPECT_TRUE(SamePixels(
        Grab(stop),
        RecordPicture("button", rt.right - rt.left, 21, &skin::TspDataSkinButtonControl::DisabledSkinRect),
        15, rt.right - rt.left - 15))
        << "the disabled Stop is not the disabled picture";

    MouseTo((rs.left + rs.right) / 2, (rs.top + rs.bottom) / 2);
    const Image24 active = RecordPicture("button", w, 21, &skin::TspDataSkinButtonControl::ActiveSkinRect);
    EXPECT_TRUE(WaitFor([&] { return SamePixels(Grab(start), active, 15, w - 15); }, 3000))
        << "a hovered Start does not show the active picture";
    MouseTo(0, 0);
}

TEST_F(SkinnedControls, CheckBoxShowsItsPictureAndTheRealMouseToggles) {
    const HWND box = Child("TspSkinCheckRadioBox", "同时监视子目录");
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    const RECT r = ScreenRect(box);
    const int y = (r.bottom - r.top) / 2 - 15 / 2;
    EXPECT_EQ(y, 5);
    const Image24 checked = CheckPicture(&skin::TspDataSkinCheckRadioControl::CheckImageRect);
    const Image24 unchecked = CheckPicture(&skin::TspDataSkinCheckRadioControl::UnCheckImageRect);
    EXPECT_TRUE(WaitFor([&] { return ShowsCheckPicture(Grab(box), checked, 3, y); }, 3000));

    MouseTo(r.left + 8, r.top + 12);
    Xdo("click 1");
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }))
        << "a real click did not uncheck the box";
    MouseTo(0, 0);
    EXPECT_TRUE(WaitFor([&] { return ShowsCheckPicture(Grab(box), unchecked, 3, y); }, 3000));

    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(WaitFor([&] { return ShowsCheckPicture(Grab(box), checked, 3, y); }, 3000));
}

TEST_F(SkinnedControls, PanelAndStatusBarCornersAreTheSkins) {
    RECT client{};
    GetClientRect(main_, &client);
    POINT origin{0, 0};
    ClientToScreen(main_, &origin);
    const HWND panel = ChildWindowFromPointEx(main_, {2, 2}, CWP_ALL);
    const HWND bar = ChildWindowFromPointEx(main_, {1, client.bottom - 2}, CWP_ALL);
    ASSERT_TRUE(panel && bar && panel != bar);
    const Image24 panelShot = Grab(panel), barShot = Grab(bar);

    const auto corners = [&](const char* name, const Image24& shot, int cornerW) {
        skin::TspSkinCustomControlModel model(name);
        model.SkinData = skin_.get();
        model.LoadSkinRecord();
        model.FitSkinSize(shot.Width(), shot.Height());
        const Image24 expected = model.BuildSkinImage(model.Geometry().skinRect);
        ASSERT_EQ(expected.Height(), shot.Height()) << name;
        const int w = shot.Width(), h = shot.Height();
        for (const Rect& c : {Rect{0, 0, cornerW, h < 3 ? h : 3}, Rect{w - cornerW, 0, w, 3},
                              Rect{0, h - 3, cornerW, h}, Rect{w - cornerW, h - 3, w, h}}) {
            EXPECT_TRUE(SamePixels(Part(shot, c), Part(expected, c)))
                << name << " corner at " << c.left << "," << c.top;
        }
    };
    corners("panel", panelShot, 3);
    EXPECT_EQ(barShot.Height(), 19);
    corners("statusbar", barShot, 2);
}

// A tab's rectangle on the screen, asked of the tab control in the other process.
RECT TabOnScreen(HWND tabs, int index) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tabs, &pid);
    const win::UniqueHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    RECT tab{};
    void* remote = VirtualAllocEx(process.get(), nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return tab;
    if (SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote))) {
        ReadProcessMemory(process.get(), remote, &tab, sizeof(tab), nullptr);
    }
    VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&tab), 2);
    return tab;
}

TEST_F(SkinnedControls, ARealClickOnTheSecondTabShowsTheSecondPage) {
    const HWND tabs =
        FindWindowExW(ChildWindowFromPointEx(main_, {2, 2}, CWP_ALL), nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tabs, nullptr);
    const HWND first = GetWindow(tabs, GW_CHILD);
    const HWND second = first ? GetWindow(first, GW_HWNDNEXT) : nullptr;
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(IsWindowVisible(first));
    const auto click = [&](int index) {
        const RECT tab = TabOnScreen(tabs, index);
        EXPECT_EQ(tab.bottom - tab.top, 18) << "the tab row is the record's height";
        MouseTo((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        Xdo("click 1");
        MouseTo(0, 0);
    };
    click(1);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(second) && !IsWindowVisible(first); }))
        << "the second page did not show";
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
    click(0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(first) && !IsWindowVisible(second); }));
}

TEST_F(SkinnedControls, TabAndSpaceReachAndToggleACheckBox) {
    const HWND box = Child("TspSkinCheckRadioBox", "同时监视子目录");
    const HWND edit =
        FindWindowExW(ChildWindowFromPointEx(main_, {2, 2}, CWP_ALL), nullptr, L"Edit", nullptr);
    ASSERT_TRUE(box && edit);
    const RECT e = ScreenRect(edit);
    MouseTo(e.left + 5, e.top + 5);
    Xdo("click 1");
    MouseTo(0, 0);
    GUITHREADINFO info{sizeof(info)};
    const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
    const auto focused = [&] { return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr; };
    ASSERT_TRUE(WaitFor([&] { return focused() == edit; }, 3000));
    for (int i = 0; i < 30 && focused() != box; ++i) {
        const HWND before = focused();
        Xdo("key Tab");
        WaitFor([&] { return focused() != before; }, 2000);
    }
    ASSERT_EQ(focused(), box) << "Tab never reached the check box";
    const LRESULT state = SendMessageW(box, BM_GETCHECK, 0, 0);
    Xdo("key space");
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) != state; }))
        << "Space did not toggle the focused box";
}

}  // namespace
}  // namespace vemora::e2e
