// Rectangle copies between images, the building blocks of every composed skin image.
//
// Every copy is clipped to both images: target pixels outside the target, and target pixels
// whose source lies outside the source, are left alone. Rectangles of zero or negative width
// or height copy nothing. Copies work on whole row runs (memcpy); a copy between rectangles
// of different sizes scales nearest-neighbour, as StretchBlt does in COLORONCOLOR mode.
#pragma once

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"

namespace vemora::skin {

// The source rectangle `from` into the target rectangle `to`, scaled when their sizes differ.
void CopyRect(Image24& target, const Rect& to, const Image24& source, const Rect& from);

// `from` repeated along x from to.left, copy k at to.left + k·width(from), the last copy cut
// at to.right (its source cut by the same amount); each copy is scaled to the height of `to`.
void TileRectH(Image24& target, const Rect& to, const Image24& source, const Rect& from);

// The same along y from to.top; each copy is scaled to the width of `to`.
void TileRectV(Image24& target, const Rect& to, const Image24& source, const Rect& from);

// `from` repeated in both directions from the top-left corner of `to`, cut at its right and
// bottom edges; copies keep the source's size.
void TileRect(Image24& target, const Rect& to, const Image24& source, const Rect& from);

}  // namespace vemora::skin
