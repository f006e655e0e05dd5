// Window regions from mask pictures as region handles. They carry the names of the portable
// functions that give the rectangle lists, so they live in their own namespace.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/draw/mask_region.h"
#include "win/handles.h"

namespace vemora::skin {

using UniqueRegion = win::UniqueResource<HRGN, win::GdiObjectTraits<HRGN>>;

namespace gdi {

// One ExtCreateRegion call from the region data of the rectangle list.
UniqueRegion RegionFromRects(const MaskRegion& region);

// No region for an empty mask.
UniqueRegion RegionFromMask(const Image24& mask);
UniqueRegion RegionFromMask(HBITMAP mask);

// The parts united (RGN_OR); no region when the target corner points are reversed or no part
// has any rectangle.
UniqueRegion RegionFromFrameMask(const NineAreaPoints& source, const NineAreaPoints& target,
                                 const Image24& mask, int width, int height);

// Gives the region (or none, which removes the window's) to the window; the window owns it
// once accepted, and a refused one is freed here. True when the window now holds a region.
bool SetWindowRegion(HWND window, UniqueRegion region, bool redraw);

}  // namespace gdi
}  // namespace vemora::skin
