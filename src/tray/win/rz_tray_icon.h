// The program's icon in the notification area. It shows image IconIndex of Icons (or the
// application's icon) with the hint as its tip, restores the application or shows the tray
// menu on the chosen gestures, and hides the application while it is minimized, so the icon
// is then the way back.
//
// Like a component read from a form it starts out loading: the setters only store values
// until Loaded(), and from then on each one updates the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "tray/tray_gesture.h"
#include "tray/tray_icon_rules.h"
#include "win/handles.h"
#include "win/window.h"

namespace vemora {

namespace win {
class ImageStrip;
class PopupMenu;
}  // namespace win

// The shell's notification area, behind an interface so tests can record and answer.
struct NotifyIconShell {
    virtual ~NotifyIconShell() = default;
    // message is NIM_ADD, NIM_MODIFY or NIM_DELETE; true when the shell took it.
    virtual bool NotifyIcon(DWORD message, const NOTIFYICONDATAW& data) = 0;
    // shell32's major version from its DllGetVersion; 0 when it has none.
    virtual int ShellMajorVersion() = 0;
};

NotifyIconShell& SystemNotifyIconShell();  // Shell_NotifyIconW

class TRzTrayIcon : private win::Window {
  public:
    static constexpr UINT kIconId = 1;
    static constexpr UINT kCallbackMessage = 9250;  // the shell reports mouse and balloon events with it
    static constexpr UINT_PTR kAnimationTimer = 1;

    // The shell is asked for its version once, here: that fixes the record's size.
    explicit TRzTrayIcon(HWND applicationWindow, NotifyIconShell& shell = SystemNotifyIconShell());
    ~TRzTrayIcon() override;

    void Loaded();  // ends loading: shows the icon when enabled

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);  // falls back to false when the shell refuses the icon
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint);
    const win::ImageStrip* Icons() const { return icons_; }
    void SetIcons(const win::ImageStrip* icons);  // not owned; must outlive the tray icon or be reset
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);  // outside Icons: the application's icon
    win::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(win::PopupMenu* menu) { popupMenu_ = menu; }  // not owned
    TrayGesture RestoreOn() const { return restoreOn_; }
    void SetRestoreOn(TrayGesture gesture) { restoreOn_ = gesture; }
    TrayGesture PopupMenuOn() const { return popupMenuOn_; }
    void SetPopupMenuOn(TrayGesture gesture) { popupMenuOn_ = gesture; }
    bool HideOnMinimize() const { return hideOnMinimize_; }
    void SetHideOnMinimize(bool hide) { hideOnMinimize_ = hide; }
    bool Animate() const { return animate_; }
    void SetAnimate(bool animate);  // steps IconIndex through Icons every Interval
    UINT Interval() const { return interval_; }
    void SetInterval(UINT ms);

    // Shows the application again, in front; ignored while the tray menu is open.
    void RestoreApp();
    // The owner calls these when its window was minimized or restored.
    void ApplicationMinimized();
    void ApplicationRestored();

    HWND WindowHandle() const { return hwnd(); }  // the window the shell reports to
    HICON CurrentIcon() const { return data_.hIcon; }

    std::function<void()> OnLButtonDown, OnLButtonUp, OnLButtonDblClick;
    std::function<void()> OnRButtonDown, OnRButtonUp, OnRButtonDblClick;
    std::function<void()> OnMinimizeApp, OnRestoreApp;
    std::function<bool()> OnQueryEndSession;  // false refuses to end the session
    std::function<void()> OnEndSession;
    std::function<void()> OnBalloonHintHide, OnBalloonHintClose, OnBalloonHintClick;

  private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void TrayCallback(UINT notification);
    void FireGesture(TrayGesture gesture);
    void ShowPopupMenu();

    [[nodiscard]] win::UniqueIcon
    TakeIcon();  // returns the icon it replaced, to free after the shell moved on
    void UpdateTip();
    void AddIcon();
    void ModifyIcon();
    void DeleteIcon();
    void RevealApplication();
    void StartAnimation();

    NotifyIconShell& shell_;
    const HWND app_;
    const TrayRecordLayout layout_;
    const UINT taskbarCreated_;
    NOTIFYICONDATAW data_{};
    win::UniqueIcon ownedIcon_;  // null while the application's own icon shows

    bool loading_ = true;
    bool shown_ = false;   // the shell holds the icon
    bool hidApp_ = false;  // the application is hidden because it was minimized to the tray
    bool popupShowing_ = false;
    bool restoring_ = false;
    // Cleared by the destructor: a handler may destroy the tray icon, say from an Exit item
    // of its own menu, while a message of its window is still on the stack.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    bool enabled_ = true;
    std::string hint_;
    const win::ImageStrip* icons_ = nullptr;
    int iconIndex_ = 0;
    win::PopupMenu* popupMenu_ = nullptr;
    TrayGesture restoreOn_ = ticLeftDblClick;
    TrayGesture popupMenuOn_ = ticRightClickUp;
    bool hideOnMinimize_ = true;
    bool animate_ = false;
    UINT interval_ = 1000;
};

}  // namespace vemora
