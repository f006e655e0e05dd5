// Points and rectangles of skin geometry, with the edge rules the skin's users rely on.
#pragma once

namespace vemora::skin {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive edges.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline int RectWidth(const Rect& r) {
    return r.right - r.left;
}
inline int RectHeight(const Rect& r) {
    return r.bottom - r.top;
}
inline void ZeroRect(Rect& r) {
    r = Rect{};
}
inline bool IsEmptyRect(const Rect& r) {
    return RectWidth(r) < 1 || RectHeight(r) < 1;
}
inline bool PointHasZero(const Point& p) {
    return p.x == 0 || p.y == 0;
}
// Edges included.
inline bool RectContainsPoint(const Rect& r, const Point& p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}
// Both corners of inner lie in outer by the platform's test: right and bottom edges excluded.
inline bool RectInsideRect(const Rect& inner, const Rect& outer) {
    auto inside = [&](int x, int y) {
        return x >= outer.left && x < outer.right && y >= outer.top && y < outer.bottom;
    };
    return inside(inner.left, inner.top) && inside(inner.right, inner.bottom);
}
inline bool RectsEqual(const Rect& a, const Rect& b) {
    return a == b;
}

}  // namespace vemora::skin
