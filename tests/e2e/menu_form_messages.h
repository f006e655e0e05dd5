// The questions the end-to-end tests ask the menu test form, and what it answers.
#pragma once

#include <windows.h>

namespace vemora::e2e {

inline constexpr wchar_t kMenuFormClass[] = L"VemoraMenuTestForm";
inline constexpr wchar_t kMenuFormCaption[] = L"Vemora menu test form";

enum MenuFormQuery : UINT {
    kQueryLastRun = WM_APP,  // the index of the item last run, -1 before any
    kQueryMenuMode,          // 1 while the frame is in menu mode
    kQueryButtonDown,        // 1 while the system-menu button is down
    kQueryButtonCentre,      // the system-menu button's centre on the screen: MAKELONG(x, y)
    kQueryFirstVisible,      // the first item shown in the open menu, -1 without one
    kQueryBottomMarker,      // the centre of the open menu's bottom marker band on the screen
    kQueryItemCorner,        // item wParam's top-left inner pixel on the screen, -1 when hidden
    kQueryKeys,              // the key presses that reached the form itself
};

}  // namespace vemora::e2e
