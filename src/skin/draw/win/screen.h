// The screen and window routines of the skinned windows; functions that older systems lack
// are looked up at run time.
#pragma once

#include <windows.h>

#include "skin/draw/geometry.h"
#include "skin/draw/win/dib_section.h"

namespace vemora::skin {

// The screen pixels at x, y of the bitmap's own size.
void CopyScreenArea(int x, int y, const DibSection& bitmap);

// Layered-window alpha 0 ... 255, when the system has it; false when it does not.
bool SetWindowAlpha(HWND window, int alpha);

// The desktop's work area (with the flag) or the whole screen.
Rect GetDesktopArea(bool workArea);
// With several monitors, the work area or the whole rectangle of the one nearest the window.
Rect GetMonitorArea(HWND window, bool workArea);

bool IsWindowsXP();
bool IsWindows2000Family();
// The same tests on a GetVersion value (major version in the low byte, minor in the next).
bool IsWindowsXPVersion(DWORD version);
bool IsWindows2000FamilyVersion(DWORD version);

}  // namespace vemora::skin
