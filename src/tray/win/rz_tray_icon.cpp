#include "tray/win/rz_tray_icon.h"

#include <shlwapi.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "win/controls/image_strip.h"
#include "win/controls/popup_menu.h"
#include "win/text.h"

namespace vemora {
namespace {

class SystemShell : public NotifyIconShell {
  public:
    bool NotifyIcon(DWORD message, const NOTIFYICONDATAW& data) override {
        NOTIFYICONDATAW record = data;  // the function takes a pointer to a mutable record
        return Shell_NotifyIconW(message, &record) != FALSE;
    }

    int ShellMajorVersion() override {
        // Old shells lack the export, so it is looked up rather than imported.
        const HMODULE shell32 = GetModuleHandleW(L"shell32.dll");
        const FARPROC proc = shell32 ? GetProcAddress(shell32, "DllGetVersion") : nullptr;
        if (!proc) return 0;
        const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(proc));
        DLLVERSIONINFO info{sizeof(info)};
        return SUCCEEDED(getVersion(&info)) ? static_cast<int>(info.dwMajorVersion) : 0;
    }
};

// Raises a flag for a scope, and lowers it also when a handler throws; not when the handler
// destroyed the flag's owner.
class RaisedFlag {
  public:
    RaisedFlag(bool& flag, std::shared_ptr<bool> alive) : flag_(flag), alive_(std::move(alive)) {
        flag_ = true;
    }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;
    ~RaisedFlag() {
        if (*alive_) flag_ = false;
    }

  private:
    bool& flag_;
    std::shared_ptr<bool> alive_;
};

void Fire(const std::function<void()>& event) {
    if (event) event();
}

// The class icon of the application's window; shared, so never destroyed here.
HICON ApplicationIcon(HWND app) {
    const auto icon = reinterpret_cast<HICON>(app ? GetClassLongPtrW(app, GCLP_HICON) : 0);
    return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

NotifyIconShell& SystemNotifyIconShell() {
    static SystemShell shell;
    return shell;
}

TRzTrayIcon::TRzTrayIcon(HWND applicationWindow, NotifyIconShell& shell)
    : shell_(shell),
      app_(applicationWindow),
      layout_(RecordLayoutFor(shell.ShellMajorVersion())),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    // A hidden top-level window rather than a message-only one: only top-level windows hear
    // the TaskbarCreated broadcast and the end of the session.
    Create(L"TRzTrayIconWindow", L"", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr);
    data_.cbSize = layout_.full ? NOTIFYICONDATAW_V2_SIZE : NOTIFYICONDATAW_V1_SIZE;
    data_.hWnd = hwnd();
    data_.uID = kIconId;
    data_.uCallbackMessage = kCallbackMessage;
    UpdateTip();
}

TRzTrayIcon::~TRzTrayIcon() {
    *alive_ = false;
    if (hwnd()) KillTimer(hwnd(), kAnimationTimer);
    DeleteIcon();
    Destroy();
}

void TRzTrayIcon::Loaded() {
    if (!loading_) return;
    loading_ = false;
    const win::UniqueIcon previous = TakeIcon();
    if (enabled_) AddIcon();
    ModifyIcon();
    if (animate_) StartAnimation();
}

void TRzTrayIcon::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (loading_) return;
    if (enabled) {
        AddIcon();
    } else {
        DeleteIcon();
        RevealApplication();
    }
}

void TRzTrayIcon::SetHint(std::string_view hint) {
    if (hint == hint_) return;
    hint_ = hint;
    UpdateTip();
    if (!loading_) ModifyIcon();
}

void TRzTrayIcon::SetIcons(const win::ImageStrip* icons) {
    icons_ = icons;
    SetIconIndex(iconIndex_);
}

void TRzTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    if (loading_) return;  // Loaded() takes the icon
    const win::UniqueIcon previous = TakeIcon();
    ModifyIcon();
}

void TRzTrayIcon::SetAnimate(bool animate) {
    if (animate == animate_) return;
    animate_ = animate;
    if (loading_ || !hwnd()) return;
    if (animate) {
        StartAnimation();
    } else {
        KillTimer(hwnd(), kAnimationTimer);
    }
}

void TRzTrayIcon::SetInterval(UINT ms) {
    interval_ = ms;
    if (!loading_ && animate_) StartAnimation();  // the same timer again replaces its period
}

void TRzTrayIcon::StartAnimation() {
    if (hwnd()) SetTimer(hwnd(), kAnimationTimer, interval_, nullptr);
}

void TRzTrayIcon::RestoreApp() {
    // Activating the application would take the focus from the open menu and close it.
    if (popupShowing_) return;
    const RaisedFlag restoring(restoring_, alive_);
    if (IsIconic(app_)) ShowWindow(app_, SW_RESTORE);
    if (enabled_) {
        ShowWindow(app_, SW_RESTORE);
        SetForegroundWindow(app_);
    }
    hidApp_ = false;
    Fire(OnRestoreApp);
}

void TRzTrayIcon::ApplicationMinimized() {
    // Hidden without an icon in the tray, the program could not be reached at all.
    if (enabled_ && shown_ && hideOnMinimize_) {
        ShowWindow(app_, SW_HIDE);
        hidApp_ = true;
    }
    Fire(OnMinimizeApp);
}

void TRzTrayIcon::ApplicationRestored() {
    // RestoreApp's own ShowWindow reports a restore too.
    if (!restoring_) RestoreApp();
}

win::UniqueIcon TRzTrayIcon::TakeIcon() {
    win::UniqueIcon icon;
    if (icons_ && iconIndex_ >= 0 && iconIndex_ < icons_->Count()) icon.reset(icons_->Icon(iconIndex_));
    data_.hIcon = icon ? icon.get() : ApplicationIcon(app_);
    return std::exchange(ownedIcon_, std::move(icon));
}

void TRzTrayIcon::UpdateTip() {
    const std::wstring tip = win::Widen(hint_);
    const size_t length = TipLength(std::wstring_view(tip), layout_.tipCapacity);
    std::fill(std::begin(data_.szTip), std::end(data_.szTip), L'\0');
    std::copy_n(tip.begin(), length, data_.szTip);
    data_.uFlags = TrayIconFlags(!hint_.empty());
}

void TRzTrayIcon::AddIcon() {
    shown_ = hwnd() && shell_.NotifyIcon(NIM_ADD, data_);
    if (shown_) return;
    enabled_ = false;
    RevealApplication();
}

void TRzTrayIcon::ModifyIcon() {
    if (shown_) shell_.NotifyIcon(NIM_MODIFY, data_);
}

void TRzTrayIcon::DeleteIcon() {
    if (shown_) shell_.NotifyIcon(NIM_DELETE, data_);
    shown_ = false;
}

// The icon went away while the application was hidden in the tray: give it back its
// taskbar button, still minimized.
void TRzTrayIcon::RevealApplication() {
    if (!hidApp_) return;
    hidApp_ = false;
    if (!IsWindowVisible(app_)) ShowWindow(app_, SW_SHOWMINNOACTIVE);
}

LRESULT TRzTrayIcon::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == taskbarCreated_ && msg != 0) {
        // Explorer started again and forgot every icon.
        if (!loading_ && enabled_) {
            shown_ = false;
            AddIcon();
        }
        return 0;
    }
    switch (msg) {
        case kCallbackMessage:
            TrayCallback(LOWORD(lp));
            return 0;
        case WM_TIMER:
            if (wp != kAnimationTimer) break;
            if (animate_) {
                const int next = NextAnimationFrame(iconIndex_, icons_ ? icons_->Count() : 0);
                if (next != iconIndex_) SetIconIndex(next);
            }
            return 0;
        case WM_QUERYENDSESSION:
            return !OnQueryEndSession || OnQueryEndSession() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wp) {
                DeleteIcon();
                Fire(OnEndSession);
            }
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

void TRzTrayIcon::TrayCallback(UINT notification) {
    if (const auto gesture = GestureOfMouseMessage(notification)) {
        const auto alive = alive_;
        const GestureActions actions = ActionsOf(*gesture, restoreOn_, popupMenuOn_);
        if (actions.restore) RestoreApp();
        if (!*alive) return;
        if (actions.popup) ShowPopupMenu();
        if (!*alive) return;
        FireGesture(*gesture);
        return;
    }
    if (const auto balloon = BalloonEventOf(notification)) {
        switch (*balloon) {
            case BalloonEvent::kHide:
                return Fire(OnBalloonHintHide);
            case BalloonEvent::kTimeout:
                return Fire(OnBalloonHintClose);
            case BalloonEvent::kUserClick:
                return Fire(OnBalloonHintClick);
        }
    }
}

void TRzTrayIcon::FireGesture(TrayGesture gesture) {
    switch (gesture) {
        case ticLeftClick:
            return Fire(OnLButtonDown);
        case ticLeftClickUp:
            return Fire(OnLButtonUp);
        case ticLeftDblClick:
            return Fire(OnLButtonDblClick);
        case ticRightClick:
            return Fire(OnRButtonDown);
        case ticRightClickUp:
            return Fire(OnRButtonUp);
        case ticRightDblClick:
            return Fire(OnRButtonDblClick);
    }
}

void TRzTrayIcon::ShowPopupMenu() {
    // A second click on the icon while the menu is open must not start another menu loop.
    if (!popupMenu_ || popupShowing_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(app_);
    const RaisedFlag showing(popupShowing_, alive_);
    // The menu belongs to the private window, which must be in front for a click elsewhere to
    // close it; Show does that, and posts the WM_NULL that lets the menu go away.
    popupMenu_->Show(hwnd(), cursor);
}

}  // namespace vemora
