// The size and place of a skinned hint: the hint picture stretched around the text block,
// kept on the screen.
#pragma once

#include "skin/data/frame_info.h"
#include "skin/draw/geometry.h"
#include "skin/draw/nine_area.h"

namespace vemora::skin {

struct HintGeometry {
    int width = 0;
    int height = 0;
    NineAreaPoints source;  // the picture's own points and client rectangle
    NineAreaPoints target;  // for this size
};

// The text block measured tw × th. Without a skin picture (pictureWidth 0) the window is the
// block with a 2-pixel margin; with one it is at least the picture.
HintGeometry HintSize(int textWidth, int textHeight, const TspDataSkinHintWindow* skin, int pictureWidth,
                      int pictureHeight);

// The window keeps the proposed top-left unless it would pass the screen's right or bottom
// edge; then it moves left by its width + 2, or up by its height + 2.
Point PlaceHint(Point topLeft, int width, int height, int screenWidth, int screenHeight);

// Where the text block goes: centred in the client rectangle for this size (integer halves).
Point HintTextOrigin(const Rect& client, int textWidth, int textHeight);

}  // namespace vemora::skin
