// The skin's pictures, one drawing function each. Where each look lies inside a picture is
// fixed by the rectangles of skin/vemora.ini; the layout comments in the drawing code name
// the same rectangles.
#pragma once

#include "canvas.h"
#include "palette.h"

namespace vemora::skin::gen {

// Frame: the main and inactive pictures and the window mask.
Canvas DrawFramePicture(const FrameColors& colors);
Canvas DrawFrameMask();

// Active pictures, by index.
Canvas DrawCaptionButtons();    // 0
Canvas DrawPushButtons();       // 1
Canvas DrawCheckMarks();        // 2
Canvas DrawPanels();            // 3
Canvas DrawPageControl();       // 4
Canvas DrawHorizontalArrows();  // 5
Canvas DrawVerticalArrows();    // 6
Canvas DrawFields();            // 7
Canvas DrawGauges();            // 8
Canvas DrawMenuWindow();        // 9
Canvas DrawMenuWindowMask();    // 10
Canvas DrawHintWindow();        // 11
Canvas DrawHintWindowMask();    // 12
Canvas DrawBars();              // 13
Canvas DrawExPanel();           // 14

// Shared by several pictures.

// A control face: a rounded box with a one-pixel border and a vertical gradient, smoothed
// against what the canvas already holds at its corners.
struct FaceLook {
    Rgb border;
    Rgb top;
    Rgb bottom;
    double highlight = 0;  // opacity of a white line just inside the top border
};
void DrawFace(Canvas& c, const Rect& r, Radii radii, const FaceLook& look);

inline constexpr FaceLook kNormalFace{kBorder, kFaceTop, kFaceBottom, 0.8};
inline constexpr FaceLook kHotFace{kBorderHot, kHotTop, kHotBottom, 0.8};
inline constexpr FaceLook kDownFace{kBorderDown, kDownTop, kDownBottom, 0};
inline constexpr FaceLook kDisabledFace{kBorderDisabled, kDisabledTone, kDisabledTone, 0};

// A solid pixel triangle pointing left, right, up or down: rows of 1, 3, 5 … pixels, depth
// rows from tip to base, centred on pixel (cx, cy).
enum class Direction { kLeft, kRight, kUp, kDown };
void DrawArrow(Canvas& c, int cx, int cy, int depth, Direction d, Rgb color);

// One 15 × 15 check or radio mark with its top-left at (x, y). Controls draw it
// transparently by its bottom-left pixel, so everything outside the box becomes the key;
// the smoothed edge is blended against a colour between the panel and the page.
enum class Mark { kCheck, kRadio };
enum class MarkState { kNormal, kHot, kDisabled };
void DrawMark(Canvas& c, int x, int y, Mark mark, bool checked, MarkState state);

// A face that is one segment of a row of buttons: rounded only at the given corners, with
// a left border only when asked for (a left neighbour's right border serves otherwise).
void DrawSegment(Canvas& c, const Rect& r, Radii radii, bool leftBorder, const FaceLook& look);

// Replaces the pixels the shape barely touches by the transparent key, so a control that
// draws the picture transparently shows its own background there.
void KeyOutside(Canvas& c, const Shape& shape, const Rect& bounds);

}  // namespace vemora::skin::gen
