// Glyph strips: k frames of equal width side by side in one picture.
#pragma once

#include <optional>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"

namespace vemora::skin {

// Frame n (1-based) of k: columns (n − 1)·(width div k) ... n·(width div k). Nothing for an
// empty strip, a frame count below 1, a frame number outside 1 ... k, or frames with no width.
std::optional<Rect> GlyphFrameRect(const Image24& strip, int frameCount, int frame);

// Draws frame n of the strip at x, y (clipped to the canvas); pixels of the frame's
// bottom-left colour are transparent.
void DrawGlyphFrame(Image24& canvas, int x, int y, const Image24& strip, int frameCount, int frame);

}  // namespace vemora::skin
