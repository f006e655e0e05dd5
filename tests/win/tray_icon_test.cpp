// The tray icon against a recording shell: what it asks of the shell and when, what the
// gestures set off, and minimizing into the tray. One test talks to the real shell.
#include <gmock/gmock.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/win/resource.h"
#include "support/pump.h"
#include "support/recording_shell.h"
#include "tray/win/rz_tray_icon.h"
#include "win/controls/image_strip.h"
#include "win/controls/popup_menu.h"
#include "win/text.h"
#include "win/window.h"

namespace vemora::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Log = std::vector<std::string>;

HICON ClassIcon() {
    return LoadIconW(nullptr, IDI_WARNING);  // shared, and unlike the last resort IDI_APPLICATION
}

// The application's main window, wired to the tray icon as the owner wires its own.
class AppWindow : public win::Window {
  public:
    bool Create() {
        return Window::Create(L"VemoraTrayTestApp", L"tray test", WS_OVERLAPPEDWINDOW, 0, 20, 20, 240, 120,
                              nullptr, ClassIcon());
    }
    std::function<void()> onMinimized, onRestored;

  protected:
    // A restore is the first size after a minimize; plain resizes are none.
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_SIZE && wp == SIZE_MINIMIZED) {
            minimized_ = true;
            if (onMinimized) onMinimized();
        } else if (msg == WM_SIZE && minimized_) {
            minimized_ = false;
            if (onRestored) onRestored();
        }
        return Window::HandleMessage(msg, wp, lp);
    }

  private:
    bool minimized_ = false;
};

std::vector<uint32_t> IconPixels(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    const win::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(color.get(), sizeof(bitmap), &bitmap);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, -bitmap.bmHeight, 1, 32, BI_RGB};
    std::vector<uint32_t> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, color.get(), 0, bitmap.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::wstring Tip(const ShellCall& call) {
    return call.data.szTip;
}

// TrackPopupMenu keeps its own message loop until the menu closes; the timer's tick, dispatched
// by that loop, closes it.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
    EndMenu();
}

class TrayIconTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(app.Create());
        ShowWindow(app.hwnd(), SW_SHOWNORMAL);
        ASSERT_TRUE(strip.Load(GetModuleHandleW(nullptr), IDB_IMAGEMSG, 16));
        app.onMinimized = [this] {
            if (icon) icon->ApplicationMinimized();
        };
        app.onRestored = [this] {
            if (icon) icon->ApplicationRestored();
        };
        menu.Add({"RestoreItem", "还原(&R)"});
        menu.onPopup = [this] {
            log.push_back("popup");
            menuCloser = SetTimer(nullptr, 0, 20, &CloseMenu);
        };
    }
    void TearDown() override {
        if (menuCloser) KillTimer(nullptr, menuCloser);
    }

    // Created loading, as the owner does, then configured by the caller; not yet Loaded.
    TRzTrayIcon& MakeIcon() {
        icon.reset();
        shell.calls.clear();
        icon = std::make_unique<TRzTrayIcon>(app.hwnd(), shell);
        icon->OnLButtonDown = [this] { log.push_back("LButtonDown"); };
        icon->OnLButtonUp = [this] { log.push_back("LButtonUp"); };
        icon->OnLButtonDblClick = [this] { log.push_back("LButtonDblClick"); };
        icon->OnRButtonDown = [this] { log.push_back("RButtonDown"); };
        icon->OnRButtonUp = [this] { log.push_back("RButtonUp"); };
        icon->OnRButtonDblClick = [this] { log.push_back("RButtonDblClick"); };
        icon->OnMinimizeApp = [this] { log.push_back("minimize"); };
        icon->OnRestoreApp = [this] { log.push_back("restore"); };
        icon->OnEndSession = [this] { log.push_back("end session"); };
        icon->OnBalloonHintHide = [this] { log.push_back("BalloonHintHide"); };
        icon->OnBalloonHintClose = [this] { log.push_back("BalloonHintClose"); };
        icon->OnBalloonHintClick = [this] { log.push_back("BalloonHintClick"); };
        return *icon;
    }
    TRzTrayIcon& LoadedIcon() {
        MakeIcon().Loaded();
        shell.calls.clear();
        return *icon;
    }

    LRESULT SendToIcon(UINT msg, WPARAM wp, LPARAM lp) {
        return SendMessageW(icon->WindowHandle(), msg, wp, lp);
    }
    void Notify(UINT notification) {
        SendToIcon(TRzTrayIcon::kCallbackMessage, TRzTrayIcon::kIconId, notification);
    }
    void TaskbarCreated() { SendToIcon(RegisterWindowMessageW(L"TaskbarCreated"), 0, 0); }
    void Minimize() { ShowWindow(app.hwnd(), SW_MINIMIZE); }

    AppWindow app;
    win::ImageStrip strip;
    win::PopupMenu menu;
    UINT_PTR menuCloser = 0;
    RecordingShell shell;
    std::unique_ptr<TRzTrayIcon> icon;  // after the window and the shell it uses: goes before them
    Log log;
};

TEST_F(TrayIconTest, LoadedAddsTheRecordWhenEnabled) {
    constexpr DWORD kFull = NOTIFYICONDATAW_V2_SIZE, kOld = NOTIFYICONDATAW_V1_SIZE;
    constexpr UINT kNoTip = NIF_MESSAGE | NIF_ICON, kTip = kNoTip | NIF_TIP;
    const std::vector<DWORD> kAddModify{NIM_ADD, NIM_MODIFY};
    const struct {
        int version;
        bool enabled;
        const char* hint;
        std::vector<DWORD> messages;
        DWORD size;
        UINT flags;
    } cases[] = {
        {6, true, "", kAddModify, kFull, kNoTip},
        {5, true, "目录监视", kAddModify, kFull, kTip},
        {4, true, "目录监视", kAddModify, kOld, kTip},
        {0, true, "", kAddModify, kOld, kNoTip},
        {6, false, "目录监视", {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " enabled " << c.enabled);
        shell.version = c.version;
        TRzTrayIcon& tray = MakeIcon();
        tray.SetHint(c.hint);
        tray.SetEnabled(!c.enabled);
        tray.SetEnabled(c.enabled);
        tray.SetIconIndex(3);
        EXPECT_THAT(shell.calls, IsEmpty()) << "nothing reaches the shell while loading";

        tray.Loaded();
        EXPECT_EQ(shell.Messages(), c.messages);
        EXPECT_EQ(tray.Enabled(), c.enabled);
        for (const ShellCall& call : shell.calls) {
            EXPECT_EQ(call.data.cbSize, c.size);
            EXPECT_EQ(call.data.hWnd, tray.WindowHandle());
            EXPECT_EQ(call.data.uID, TRzTrayIcon::kIconId);
            EXPECT_EQ(call.data.uFlags, c.flags);
            EXPECT_EQ(call.data.uCallbackMessage, 9250u);
            EXPECT_EQ(call.data.hIcon, ClassIcon()) << "no Icons: the application's icon";
            EXPECT_EQ(Tip(call), win::Widen(c.hint));
        }
    }
}

TEST_F(TrayIconTest, EnabledAddsAndDeletesOnChangesOnly) {
    TRzTrayIcon& tray = LoadedIcon();
    const struct {
        bool enabled;
        std::vector<DWORD> messages;
    } steps[] = {
        {true, {}},
        {false, {NIM_DELETE}},
        {false, {}},
        {true, {NIM_ADD}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.enabled);
        shell.calls.clear();
        tray.SetEnabled(step.enabled);
        EXPECT_EQ(shell.Messages(), step.messages);
        EXPECT_EQ(tray.Enabled(), step.enabled);
    }
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].data.hIcon, ClassIcon());
}

TEST_F(TrayIconTest, RefusedAddLeavesTheIconDisabled) {
    shell.acceptAdd = false;
    TRzTrayIcon& tray = MakeIcon();
    tray.Loaded();
    EXPECT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD})
        << "no modify of an icon the shell does not have";
    EXPECT_FALSE(tray.Enabled());

    shell.calls.clear();
    tray.SetEnabled(true);
    EXPECT_FALSE(tray.Enabled());
    tray.SetHint("不显示");
    tray.SetEnabled(false);
    EXPECT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD}) << "nothing to modify or delete";

    shell.acceptAdd = true;
    shell.calls.clear();
    tray.SetEnabled(true);
    EXPECT_TRUE(tray.Enabled());
    ASSERT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD});
    EXPECT_EQ(Tip(shell.calls[0]), L"不显示");
}

TEST_F(TrayIconTest, HintIsCutToTheRecordsTip) {
    const std::string smile = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const struct {
        int version;
        std::string hint;
        std::wstring tip;
    } cases[] = {
        {6, std::string(200, 'a'), std::wstring(127, L'a')},
        {4, std::string(200, 'a'), std::wstring(63, L'a')},
        {6, std::string(126, 'a') + smile, std::wstring(126, L'a')},
        {4, std::string(62, 'a') + smile, std::wstring(62, L'a')},
        {6, std::string(125, 'a') + smile, std::wstring(125, L'a') + L"\U0001F600"},
        {4, "目录监视专家", L"目录监视专家"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " hint bytes " << c.hint.size());
        shell.version = c.version;
        TRzTrayIcon& tray = LoadedIcon();
        tray.SetHint(c.hint);
        ASSERT_EQ(shell.Messages(), std::vector<DWORD>{NIM_MODIFY});
        EXPECT_EQ(Tip(shell.calls[0]), c.tip);
        EXPECT_EQ(shell.calls[0].data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(tray.Hint(), c.hint) << "the property keeps the whole text";
    }
}

TEST_F(TrayIconTest, TipFlagFollowsTheHint) {
    TRzTrayIcon& tray = LoadedIcon();
    const struct {
        const char* hint;
        std::vector<DWORD> messages;
        UINT flags;
    } steps[] = {
        {"监视中", {NIM_MODIFY}, NIF_MESSAGE | NIF_ICON | NIF_TIP},
        {"监视中", {}, 0},  // the same hint again
        {"", {NIM_MODIFY}, NIF_MESSAGE | NIF_ICON},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.hint);
        shell.calls.clear();
        tray.SetHint(step.hint);
        ASSERT_EQ(shell.Messages(), step.messages);
        for (const ShellCall& call : shell.calls) {
            EXPECT_EQ(call.data.uFlags, step.flags);
            EXPECT_EQ(Tip(call), win::Widen(step.hint));
        }
    }
}

TEST_F(TrayIconTest, IconIndexPicksAnImageOrTheApplicationsIcon) {
    const struct {
        bool icons;
        int index;
        int image;  // -1: the application's icon
    } cases[] = {
        {true, 0, 0}, {true, 17, 17}, {true, 18, -1}, {true, -1, -1}, {false, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "icons " << c.icons << " index " << c.index);
        TRzTrayIcon& tray = LoadedIcon();
        tray.SetIcons(c.icons ? &strip : nullptr);
        shell.calls.clear();
        tray.SetIconIndex(c.index);
        ASSERT_EQ(shell.Messages(), std::vector<DWORD>{NIM_MODIFY});
        const HICON shown = shell.calls[0].data.hIcon;
        EXPECT_EQ(tray.CurrentIcon(), shown);
        if (c.image < 0) {
            EXPECT_EQ(shown, ClassIcon());
        } else {
            const win::UniqueIcon expected(strip.Icon(c.image));
            EXPECT_NE(shown, ClassIcon());
            EXPECT_EQ(IconPixels(shown), IconPixels(expected.get()));
        }
    }
}

TEST_F(TrayIconTest, WithoutAClassIconTheSystemsApplicationIcon) {
    TRzTrayIcon tray(nullptr, shell);
    tray.Loaded();
    ASSERT_FALSE(shell.calls.empty());
    EXPECT_EQ(shell.calls[0].data.hIcon, LoadIconW(nullptr, IDI_APPLICATION));
}

TEST_F(TrayIconTest, TaskbarCreatedAddsTheIconAgainWhenEnabled) {
    const struct {
        bool enabled;
        std::vector<DWORD> messages;
    } cases[] = {
        {true, {NIM_ADD}},
        {false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.enabled);
        TRzTrayIcon& tray = LoadedIcon();
        tray.SetEnabled(c.enabled);
        shell.calls.clear();
        TaskbarCreated();
        EXPECT_EQ(shell.Messages(), c.messages);
        EXPECT_EQ(tray.Enabled(), c.enabled);
    }
}

TEST_F(TrayIconTest, QueryEndSessionAsksTheOwner) {
    const struct {
        const char* name;
        std::function<bool()> handler;
        LRESULT answer;
    } cases[] = {
        {"unset", nullptr, TRUE},
        {"agrees", [] { return true; }, TRUE},
        {"refuses", [] { return false; }, FALSE},
    };
    TRzTrayIcon& tray = LoadedIcon();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tray.OnQueryEndSession = c.handler;
        EXPECT_EQ(SendToIcon(WM_QUERYENDSESSION, 0, 0), c.answer);
    }
    EXPECT_THAT(shell.calls, IsEmpty());
}

TEST_F(TrayIconTest, EndOfSessionDeletesTheIcon) {
    TRzTrayIcon& tray = LoadedIcon();
    SendToIcon(WM_ENDSESSION, FALSE, 0);  // another program refused: the session goes on
    EXPECT_THAT(shell.calls, IsEmpty());
    EXPECT_THAT(log, IsEmpty());

    SendToIcon(WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(shell.Messages(), std::vector<DWORD>{NIM_DELETE});
    EXPECT_THAT(log, ElementsAre("end session"));
    EXPECT_EQ(shell.calls[0].data.hWnd, tray.WindowHandle());
    EXPECT_EQ(shell.calls[0].data.uID, TRzTrayIcon::kIconId);

    shell.calls.clear();
    icon.reset();
    EXPECT_THAT(shell.calls, IsEmpty()) << "deleted once";
}

TEST_F(TrayIconTest, DestructionDeletesAShownIcon) {
    const struct {
        bool enabled;
        std::vector<DWORD> messages;
    } cases[] = {
        {true, {NIM_DELETE}},
        {false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.enabled);
        TRzTrayIcon& tray = LoadedIcon();
        tray.SetEnabled(c.enabled);
        const HWND window = tray.WindowHandle();
        shell.calls.clear();
        icon.reset();
        EXPECT_EQ(shell.Messages(), c.messages);
        for (const ShellCall& call : shell.calls) EXPECT_EQ(call.data.hWnd, window);
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(TrayIconTest, GesturesRestoreOrShowTheMenuThenFireTheirEvent) {
    const struct {
        UINT notification;
        TrayGesture restoreOn, popupMenuOn;
        Log log;
    } cases[] = {
        {WM_LBUTTONDOWN, ticLeftDblClick, ticRightClickUp, {"LButtonDown"}},
        {WM_LBUTTONUP, ticLeftDblClick, ticRightClickUp, {"LButtonUp"}},
        {WM_LBUTTONDBLCLK, ticLeftDblClick, ticRightClickUp, {"restore", "LButtonDblClick"}},
        {WM_RBUTTONDOWN, ticLeftDblClick, ticRightClickUp, {"RButtonDown"}},
        {WM_RBUTTONUP, ticLeftDblClick, ticRightClickUp, {"popup", "RButtonUp"}},
        {WM_RBUTTONDBLCLK, ticLeftDblClick, ticRightClickUp, {"RButtonDblClick"}},
        {WM_RBUTTONDOWN, ticRightClick, ticRightClick, {"restore", "popup", "RButtonDown"}},
        {WM_LBUTTONUP, ticLeftClickUp, ticLeftClick, {"restore", "LButtonUp"}},
        {WM_LBUTTONDOWN, ticLeftClickUp, ticLeftClick, {"popup", "LButtonDown"}},
        {WM_MOUSEMOVE, ticLeftDblClick, ticRightClickUp, {}},
        {NIN_BALLOONSHOW, ticLeftDblClick, ticRightClickUp, {}},
        {NIN_BALLOONHIDE, ticLeftDblClick, ticRightClickUp, {"BalloonHintHide"}},
        {NIN_BALLOONTIMEOUT, ticLeftDblClick, ticRightClickUp, {"BalloonHintClose"}},
        {NIN_BALLOONUSERCLICK, ticLeftDblClick, ticRightClickUp, {"BalloonHintClick"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "notification " << c.notification << " restoreOn " << c.restoreOn
                                        << " popupMenuOn " << c.popupMenuOn);
        TRzTrayIcon& tray = LoadedIcon();
        tray.SetPopupMenu(&menu);
        tray.SetRestoreOn(c.restoreOn);
        tray.SetPopupMenuOn(c.popupMenuOn);
        log.clear();
        Notify(c.notification);
        EXPECT_EQ(log, c.log);
        if (menuCloser) KillTimer(nullptr, std::exchange(menuCloser, 0));
    }
}

TEST_F(TrayIconTest, PopupNeedsAMenuAndHoldsOffRestoreWhileOpen) {
    TRzTrayIcon& tray = LoadedIcon();
    Notify(WM_RBUTTONUP);
    EXPECT_THAT(log, ElementsAre("RButtonUp")) << "no menu set";

    tray.SetPopupMenu(&menu);
    const auto popup = menu.onPopup;
    menu.onPopup = [&] {
        popup();
        tray.RestoreApp();  // activating the application now would close the menu
    };
    log.clear();
    Notify(WM_RBUTTONUP);
    EXPECT_THAT(log, ElementsAre("popup", "RButtonUp"));

    log.clear();
    tray.RestoreApp();
    EXPECT_THAT(log, ElementsAre("restore")) << "once the menu closed";
}

TEST_F(TrayIconTest, MinimizeHidesTheApplicationIntoTheTray) {
    const struct {
        bool enabled, hideOnMinimize, hidden;
    } cases[] = {
        {true, true, true}, {true, false, false}, {false, true, false},  // no icon to come back through
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " hideOnMinimize " << c.hideOnMinimize);
        ShowWindow(app.hwnd(), SW_RESTORE);
        TRzTrayIcon& tray = LoadedIcon();
        tray.SetEnabled(c.enabled);
        tray.SetHideOnMinimize(c.hideOnMinimize);
        log.clear();
        Minimize();
        EXPECT_THAT(log, ElementsAre("minimize"));
        EXPECT_EQ(IsWindowVisible(app.hwnd()) == FALSE, c.hidden);
        EXPECT_TRUE(IsIconic(app.hwnd()));
    }

    log.clear();
    Notify(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(app.hwnd()));
    EXPECT_FALSE(IsIconic(app.hwnd()));
    EXPECT_THAT(log, ElementsAre("restore", "LButtonDblClick"))
        << "the restore it caused is not a second one";
}

TEST_F(TrayIconTest, RestoreFromTheTaskbarRestoresOnce) {
    TRzTrayIcon& tray = LoadedIcon();
    tray.SetHideOnMinimize(false);
    Minimize();
    log.clear();
    ShowWindow(app.hwnd(), SW_RESTORE);
    EXPECT_FALSE(IsIconic(app.hwnd()));
    EXPECT_THAT(log, ElementsAre("restore"));
}

TEST_F(TrayIconTest, LosingTheIconGivesAHiddenApplicationItsButtonBack) {
    const struct {
        const char* name;
        std::function<void()> loseIcon;
    } cases[] = {
        {"disabled", [this] { icon->SetEnabled(false); }},
        {"new taskbar refuses",
         [this] {
             shell.acceptAdd = false;
             TaskbarCreated();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowWindow(app.hwnd(), SW_RESTORE);
        shell.acceptAdd = true;
        LoadedIcon();
        Minimize();
        ASSERT_FALSE(IsWindowVisible(app.hwnd()));
        c.loseIcon();
        EXPECT_FALSE(icon->Enabled());
        EXPECT_TRUE(IsWindowVisible(app.hwnd()));
        EXPECT_TRUE(IsIconic(app.hwnd()));
    }
}

TEST_F(TrayIconTest, AnimationStepsThroughTheIconsAndWraps) {
    TRzTrayIcon& tray = LoadedIcon();
    tray.SetIcons(&strip);
    tray.SetIconIndex(16);
    tray.SetInterval(60000);  // the test's WM_TIMER drives it
    tray.SetAnimate(true);
    shell.calls.clear();
    std::vector<int> indexes;
    for (int i = 0; i < 3; ++i) {
        SendToIcon(WM_TIMER, TRzTrayIcon::kAnimationTimer, 0);
        indexes.push_back(tray.IconIndex());
    }
    EXPECT_THAT(indexes, ElementsAre(17, 0, 1));
    EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_MODIFY, NIM_MODIFY, NIM_MODIFY}));
    const win::UniqueIcon second(strip.Icon(1));
    EXPECT_EQ(IconPixels(shell.calls.back().data.hIcon), IconPixels(second.get()));

    tray.SetAnimate(false);
    shell.calls.clear();
    SendToIcon(WM_TIMER, TRzTrayIcon::kAnimationTimer, 0);
    EXPECT_EQ(tray.IconIndex(), 1);
    EXPECT_THAT(shell.calls, IsEmpty());
}

TEST_F(TrayIconTest, AnimationRunsOnItsOwnTimer) {
    TRzTrayIcon& tray = MakeIcon();
    tray.SetIcons(&strip);
    tray.SetInterval(10);
    tray.SetAnimate(true);
    PumpFor(50);
    EXPECT_EQ(tray.IconIndex(), 0) << "not while loading";
    tray.Loaded();
    EXPECT_TRUE(PumpUntil([&] { return tray.IconIndex() >= 2; }));
}

// Forwards to the real shell and remembers its answers.
class AnsweredShell : public NotifyIconShell {
  public:
    bool NotifyIcon(DWORD message, const NOTIFYICONDATAW& data) override {
        const bool ok = SystemNotifyIconShell().NotifyIcon(message, data);
        answers.push_back({message, ok});
        return ok;
    }
    int ShellMajorVersion() override { return SystemNotifyIconShell().ShellMajorVersion(); }
    std::vector<std::pair<DWORD, bool>> answers;
};

TEST_F(TrayIconTest, RealShellTakesAndDropsTheIcon) {
    AnsweredShell real;
    EXPECT_GT(real.ShellMajorVersion(), 4) << "DllGetVersion found";
    auto tray = std::make_unique<TRzTrayIcon>(app.hwnd(), real);
    tray->SetHint("Vemora");
    tray->Loaded();
    EXPECT_TRUE(tray->Enabled());
    tray.reset();
    using Answer = std::pair<DWORD, bool>;
    EXPECT_THAT(real.answers,
                ElementsAre(Answer{NIM_ADD, true}, Answer{NIM_MODIFY, true}, Answer{NIM_DELETE, true}));
}

}  // namespace
}  // namespace vemora::test
