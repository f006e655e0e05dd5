#include "skin/draw/marks.h"

#include <algorithm>
#include <cstdlib>

#include "skin/draw/coords.h"

namespace vemora::skin {
namespace {

void AddLine(MarkShape& shape, Point from, Point to) {
    const MarkShape line = LineShape(from, to);
    shape.insert(shape.end(), line.begin(), line.end());
}

// An outline with a clear brush.
void AddOutline(MarkShape& shape, int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) return;
    shape.push_back({left, top, right, top + 1});
    shape.push_back({left, bottom - 1, right, bottom});
    shape.push_back({left, top, left + 1, bottom});
    shape.push_back({right - 1, top, right, bottom});
}

// A column x covering y0 ... y1 or a row y covering x0 ... x1, both ends included.
Rect Column(int x, int y0, int y1) {
    return Rect{x, y0, x + 1, y1 + 1};
}
Rect Row(int y, int x0, int x1) {
    return Rect{x0, y, x1 + 1, y + 1};
}

}  // namespace

MarkShape LineShape(Point from, Point to) {
    MarkShape shape;
    const int x0 = SaneCoord(from.x), y0 = SaneCoord(from.y), x1 = SaneCoord(to.x), y1 = SaneCoord(to.y);
    if (y0 == y1) {
        if (x0 != x1) shape.push_back(x0 < x1 ? Rect{x0, y0, x1, y0 + 1} : Rect{x1 + 1, y0, x0 + 1, y0 + 1});
        return shape;
    }
    if (x0 == x1) {
        shape.push_back(y0 < y1 ? Rect{x0, y0, x0 + 1, y1} : Rect{x0, y1 + 1, x0 + 1, y0 + 1});
        return shape;
    }
    // Bresenham along the major axis; the marks only use 45-degree diagonals, where every
    // pen sets the same pixels.
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const int steps = std::max(dx, dy);
    int x = x0, y = y0, error = 0;
    for (int i = 0; i < steps; ++i) {
        shape.push_back({x, y, x + 1, y + 1});
        if (dx >= dy) {
            x += sx;
            error += 2 * dy;
            if (error > dx) {
                y += sy;
                error -= 2 * dx;
            }
        } else {
            y += sy;
            error += 2 * dx;
            if (error > dy) {
                x += sx;
                error -= 2 * dy;
            }
        }
    }
    return shape;
}

MarkShape ArrowMarkShape(const Rect& r, int direction) {
    const Rect rect = SaneRect(r);
    const int cx = rect.left + RectWidth(rect) / 2, cy = rect.top + RectHeight(rect) / 2;
    MarkShape shape;
    switch (direction) {
        case int(ArrowDirection::kLeft):
            for (int i = 0; i <= 3; ++i) shape.push_back(Column(cx + i - 2, cy - i, cy + i));
            break;
        case int(ArrowDirection::kRight):
            for (int n = 3; n >= 0; --n) shape.push_back(Column(cx - n + 2, cy - n, cy + n));
            break;
        case int(ArrowDirection::kUp):
            for (int i = 0; i <= 3; ++i) shape.push_back(Row(cy + i - 2, cx - i, cx + i));
            break;
        case int(ArrowDirection::kDown):
            for (int n = 3; n >= 0; --n) shape.push_back(Row(cy - n + 2, cx - n, cx + n));
            break;
        default:
            break;
    }
    return shape;
}

MarkShape RadioDotShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    return {Rect{x, y, x + 6, y + 6}};
}

MarkShape CheckMarkShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    for (int i = 0; i <= 2; ++i) {
        AddLine(shape, {x, y - i + 5}, {x + 2, y - i + 7});
        AddLine(shape, {x + 2, y - i + 7}, {x + 7, y - i + 2});
    }
    return shape;
}

MarkShape CloseGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    AddLine(shape, {x + 1, y + 1}, {x + 9, y + 9});
    AddLine(shape, {x + 9, y + 1}, {x + 1, y + 9});
    AddLine(shape, {x + 2, y + 1}, {x + 10, y + 9});
    AddLine(shape, {x + 8, y + 1}, {x, y + 9});
    return shape;
}

MarkShape SysMenuGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    AddOutline(shape, x + 1, y + 3, x + 9, y + 6);
    return shape;
}

MarkShape MinimizeGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    AddLine(shape, {x + 1, y + 8}, {x + 9, y + 8});
    AddLine(shape, {x + 1, y + 9}, {x + 9, y + 9});
    return shape;
}

MarkShape MaximizeGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    AddOutline(shape, x, y, x + 11, y + 10);
    AddOutline(shape, x, y, x + 11, y + 2);
    return shape;
}

MarkShape RestoreGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    AddOutline(shape, x + 2, y, x + 10, y + 6);
    AddOutline(shape, x + 2, y, x + 10, y + 2);
    AddOutline(shape, x, y + 4, x + 7, y + 10);
    AddOutline(shape, x, y + 4, x + 7, y + 6);
    return shape;
}

MarkShape TriangleDownGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    for (int i = 0; i <= 4; ++i) AddLine(shape, {x - i + 5, y - i + 6}, {x + i + 5, y - i + 6});
    return shape;
}

MarkShape TriangleUpGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    MarkShape shape;
    for (int i = 0; i <= 4; ++i) AddLine(shape, {x - i + 5, y + i + 2}, {x + i + 5, y + i + 2});
    return shape;
}

MarkShape TrayGlyphShape(int x0, int y0) {
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    return {Rect{x + 2, y + 2, x + 7, y + 7}};
}

void FillShape(Image24& image, const MarkShape& shape, PixelColor color) {
    for (const Rect& r : shape) {
        const int x0 = std::max(r.left, 0), x1 = std::min(r.right, image.Width());
        const int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, image.Height());
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) image.SetPixel(x, y, color);
        }
    }
}

void DrawArrowMark(Image24& image, const Rect& rect, PixelColor color, int direction) {
    FillShape(image, ArrowMarkShape(rect, direction), color);
}
void DrawRadioDot(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, RadioDotShape(x, y), color);
}
void DrawCheckMark(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, CheckMarkShape(x, y), color);
}
void DrawCloseGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, CloseGlyphShape(x, y), color);
}
void DrawSysMenuGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, SysMenuGlyphShape(x, y), color);
}
void DrawMinimizeGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, MinimizeGlyphShape(x, y), color);
}
void DrawMaximizeGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, MaximizeGlyphShape(x, y), color);
}
void DrawRestoreGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, RestoreGlyphShape(x, y), color);
}
void DrawTriangleDownGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, TriangleDownGlyphShape(x, y), color);
}
void DrawTriangleUpGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, TriangleUpGlyphShape(x, y), color);
}
void DrawTrayGlyph(Image24& image, int x, int y, PixelColor color) {
    FillShape(image, TrayGlyphShape(x, y), color);
}

}  // namespace vemora::skin
