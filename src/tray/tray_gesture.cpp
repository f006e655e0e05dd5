#include "tray/tray_gesture.h"

namespace vemora {

std::optional<TrayGesture> GestureOfMouseMessage(unsigned message) {
    switch (message) {
        case 0x0201:  // WM_LBUTTONDOWN
            return ticLeftClick;
        case 0x0202:  // WM_LBUTTONUP
            return ticLeftClickUp;
        case 0x0203:  // WM_LBUTTONDBLCLK
            return ticLeftDblClick;
        case 0x0204:  // WM_RBUTTONDOWN
            return ticRightClick;
        case 0x0205:  // WM_RBUTTONUP
            return ticRightClickUp;
        case 0x0206:  // WM_RBUTTONDBLCLK
            return ticRightDblClick;
        default:
            return std::nullopt;
    }
}

GestureActions ActionsOf(TrayGesture gesture, TrayGesture restoreOn, TrayGesture popupMenuOn) {
    return {gesture == restoreOn, gesture == popupMenuOn};
}

std::optional<BalloonEvent> BalloonEventOf(unsigned notification) {
    switch (notification) {
        case 0x0400 + 3:  // NIN_BALLOONHIDE
            return BalloonEvent::kHide;
        case 0x0400 + 4:  // NIN_BALLOONTIMEOUT
            return BalloonEvent::kTimeout;
        case 0x0400 + 5:  // NIN_BALLOONUSERCLICK
            return BalloonEvent::kUserClick;
        default:
            return std::nullopt;
    }
}

}  // namespace vemora
