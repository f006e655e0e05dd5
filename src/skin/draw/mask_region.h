// Window regions from mask pictures: the black pixels of a mask are inside the window.
//
// The portable side gives rectangle lists; win/ turns them into region handles.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"
#include "skin/draw/nine_area.h"

namespace vemora::skin {

// The black runs of a mask in scan order, one rectangle per run and row, and the bounding
// rectangle of the mask at its offset.
struct MaskRegion {
    Rect bounds;
    std::vector<Rect> rects;
};

// Nothing for an empty mask. The rectangle list grows as needed (no run is ever dropped).
std::optional<MaskRegion> MaskToRegionRects(const Image24& mask, int xOffset, int yOffset);

// The platform's region data for the list: a 32-byte header (size 32, type 1 for
// rectangles, count, size 0, bounds) and 16 bytes per rectangle, little-endian.
std::vector<uint8_t> RegionDataBytes(const MaskRegion& region);

// The region of the whole mask at 0, 0; nothing for an empty mask.
std::optional<MaskRegion> RegionFromMask(const Image24& mask);

// The region of a skinned frame or popup window of the target size, as the parts whose
// union it is: the target inner rectangle (when not empty) and the black pixels of the
// mask's four border strips at their places. Nothing when the target corner points are
// reversed. An empty inner rectangle adds nothing, so such a window keeps the outline of its
// strips.
std::optional<std::vector<MaskRegion>> RegionFromFrameMask(const NineAreaPoints& source,
                                                           const NineAreaPoints& target, const Image24& mask,
                                                           int width, int height);

// All rectangles of the parts, in order (their union is the region).
std::vector<Rect> RegionRects(const std::vector<MaskRegion>& parts);

}  // namespace vemora::skin
