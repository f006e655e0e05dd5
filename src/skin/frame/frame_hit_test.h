// Which part of a skinned frame lies under a point: the answer to WM_NCHITTEST.
#pragma once

#include <functional>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"
#include "skin/frame/frame_geometry.h"

namespace vemora::skin {

// The platform's hit-test codes. The frame never answers with caption-button codes: buttons
// and every other non-caption part of the border are kHtObject, and the frame runs them.
enum HitCode : int {
    kHtClient = 1,
    kHtCaption = 2,
    kHtLeft = 10,
    kHtRight = 11,
    kHtTop = 12,
    kHtTopLeft = 13,
    kHtTopRight = 14,
    kHtBottom = 15,
    kHtBottomLeft = 16,
    kHtBottomRight = 17,
    kHtObject = 19,
};

inline bool IsSizingCode(int code) {
    return code >= kHtLeft && code <= kHtBottomRight;
}

// The mask picture cut into the window's four border strips, kept for the hit test.
struct MaskStrips {
    Image24 top, bottom, left, right;
    bool present = false;  // the skin has a mask picture
};

struct HitTestState {
    bool rolledUp = false;
    bool minimized = false;
    bool maximized = false;
    bool sizeable = true;
    bool inSizeMove = false;
    bool onObject = false;  // the mouse is on an object (a hover object is set)
    int borderWidth = 0;
};

// p in window coordinates; onCaption tells whether a caption object of the current set holds p.
int FrameHitTest(const FrameGeometry& g, const MaskStrips& mask, const HitTestState& state, Point p,
                 const std::function<bool(Point)>& onCaption);

}  // namespace vemora::skin
