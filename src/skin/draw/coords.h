// Coordinates from a skin description are plain integers; before any arithmetic on them the
// composition routines bring them into ±2^20, far beyond the largest image, so that sums and
// differences of a few of them can never overflow.
#pragma once

#include "skin/draw/geometry.h"

namespace vemora::skin {

inline constexpr int kCoordLimit = 1 << 20;

inline int SaneCoord(int v) {
    return v > kCoordLimit ? kCoordLimit : v < -kCoordLimit ? -kCoordLimit : v;
}
inline Point SanePoint(const Point& p) {
    return Point{SaneCoord(p.x), SaneCoord(p.y)};
}
inline Rect SaneRect(const Rect& r) {
    return Rect{SaneCoord(r.left), SaneCoord(r.top), SaneCoord(r.right), SaneCoord(r.bottom)};
}

}  // namespace vemora::skin
