// The mouse gestures the shell reports for the tray icon, and what each one sets off.
#pragma once

#include <optional>

namespace vemora {

enum TrayGesture {
    ticLeftClick,
    ticLeftDblClick,
    ticLeftClickUp,
    ticRightClick,
    ticRightDblClick,
    ticRightClickUp
};

// The callback's lParam names the mouse message (WM_LBUTTONDOWN ... WM_RBUTTONDBLCLK); other
// mouse messages, such as moves, are no gesture.
std::optional<TrayGesture> GestureOfMouseMessage(unsigned message);

struct GestureActions {
    bool restore = false;  // bring the application back
    bool popup = false;    // show the tray's menu
    bool operator==(const GestureActions&) const = default;
};
GestureActions ActionsOf(TrayGesture gesture, TrayGesture restoreOn, TrayGesture popupMenuOn);

// The balloon notifications the shell passes in the same lParam (NIN_BALLOONHIDE ...).
enum class BalloonEvent { kHide, kTimeout, kUserClick };
std::optional<BalloonEvent> BalloonEventOf(unsigned notification);

}  // namespace vemora
