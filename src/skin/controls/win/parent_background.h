// What lies under a control, painted into a device context of the control's size: the
// parent's own picture, and for CopyParentBackground the skinned siblings beneath it.
#pragma once

#include <windows.h>

namespace vemora::skin {

// The parent erases (a form) or erases and paints (any other parent) into dc at the
// control's offset; then the skinned siblings below the control that overlap it paint over.
void CopyParentBackground(HWND control, HDC dc);

// For check and radio boxes: a parent that is not a form paints, then every parent erases;
// no siblings.
void CopyParentBackgroundForCheck(HWND control, HDC dc);

}  // namespace vemora::skin
