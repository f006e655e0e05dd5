// Where the parts of a skinned frame lie for one window size.
//
// The skin gives its points in the coordinates of the main frame picture (PW × PH); for a
// W × H window everything right of the top-left corner zone moves by dx = W − PW and
// everything below it by dy = H − PH, so the corners and the border stay at 1:1 size and only
// the runs between the corner points grow.
#pragma once

#include "skin/data/frame_info.h"
#include "skin/draw/geometry.h"
#include "skin/draw/nine_area.h"

namespace vemora::skin {

// All in window coordinates (origin at the window's top-left corner).
struct FrameGeometry {
    int width = 0;
    int height = 0;
    Point NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    Rect NewClientRect;
    Rect NewCaptionRect;
    Rect NewButtonsRect;
    bool ButtonsInLeft = false;
    int ButtonsOffset = 0;
    Rect NewMaskRectArea;
    Point NewHitLTPoint, NewHitRTPoint, NewHitLBPoint, NewHitRBPoint;
};

// The picture a frame is drawn from: its size and its [FORMINFO].
struct FrameSkin {
    const SkinFormInfo* info = nullptr;
    int pictureWidth = 0;
    int pictureHeight = 0;
    const SkinFormInfo& Info() const { return *info; }
};

FrameGeometry CalcFrameGeometry(const FrameSkin& skin, int width, int height);

// The client rectangle of a window at `window` (screen coordinates, as WM_NCCALCSIZE
// proposes it): inset by the skin's client rectangle, never inverted.
Rect SkinClientArea(const FrameSkin& skin, const Rect& window);

// A rectangle of the picture placed on the window by the corner zone(s) it lies in.
Rect MapFrameRect(const FrameSkin& skin, const FrameGeometry& g, const Rect& r);

// The nine-area points of the frame picture and of the window, for the border strips; and
// the same for the mask, whose inner rectangle is the mask area.
NineAreaPoints PictureFramePoints(const FrameSkin& skin);
NineAreaPoints WindowFramePoints(const FrameGeometry& g);
NineAreaPoints PictureMaskPoints(const FrameSkin& skin);
NineAreaPoints WindowMaskPoints(const FrameGeometry& g);

}  // namespace vemora::skin
