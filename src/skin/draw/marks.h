// The small marks and the default caption-button glyphs, drawn with one-pixel lines.
//
// Each mark is first a shape: the pixel rectangles a GDI pen would set (a line from one point
// to another leaves out its end point; an outlined rectangle covers left ... right − 1 and
// top ... bottom − 1). The shape is then filled into an image, clipped to it; win/ fills the
// same shape into a device context.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"

namespace vemora::skin {

using MarkShape = std::vector<Rect>;

// A colour as the skin gives it (red in the low byte, as a COLORREF) as a pixel colour.
inline PixelColor PixelFromColorRef(uint32_t color) {
    return (color & 0x00FF00) | (color & 0xFF) << 16 | (color >> 16 & 0xFF);
}

enum class ArrowDirection { kLeft = 1, kRight = 2, kUp = 3, kDown = 4 };

// The arrow is centred at (left + width div 2, top + height div 2); another direction draws nothing.
MarkShape ArrowMarkShape(const Rect& rect, int direction);
MarkShape RadioDotShape(int x, int y);
MarkShape CheckMarkShape(int x, int y);

// Caption glyphs in a box of about 11 × 10 pixels at x, y.
MarkShape CloseGlyphShape(int x, int y);
MarkShape SysMenuGlyphShape(int x, int y);
MarkShape MinimizeGlyphShape(int x, int y);
MarkShape MaximizeGlyphShape(int x, int y);
MarkShape RestoreGlyphShape(int x, int y);
MarkShape TriangleDownGlyphShape(int x, int y);
MarkShape TriangleUpGlyphShape(int x, int y);
MarkShape TrayGlyphShape(int x, int y);

// The pixels a one-pixel pen sets for a line from `from` to `to`, the end point left out.
MarkShape LineShape(Point from, Point to);

void FillShape(Image24& image, const MarkShape& shape, PixelColor color);

void DrawArrowMark(Image24& image, const Rect& rect, PixelColor color, int direction);
void DrawRadioDot(Image24& image, int x, int y, PixelColor color);
void DrawCheckMark(Image24& image, int x, int y, PixelColor color);
void DrawCloseGlyph(Image24& image, int x, int y, PixelColor color);
void DrawSysMenuGlyph(Image24& image, int x, int y, PixelColor color);
void DrawMinimizeGlyph(Image24& image, int x, int y, PixelColor color);
void DrawMaximizeGlyph(Image24& image, int x, int y, PixelColor color);
void DrawRestoreGlyph(Image24& image, int x, int y, PixelColor color);
void DrawTriangleDownGlyph(Image24& image, int x, int y, PixelColor color);
void DrawTriangleUpGlyph(Image24& image, int x, int y, PixelColor color);
void DrawTrayGlyph(Image24& image, int x, int y, PixelColor color);

}  // namespace vemora::skin
