// Marks, glyph frames and text on a device context.
#pragma once

#include <windows.h>

#include <string>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"
#include "skin/draw/marks.h"
#include "skin/draw/win/dib_section.h"

namespace vemora::skin {

// The shape's pixels in a colour given as a COLORREF.
void FillShape(HDC dc, const MarkShape& shape, COLORREF color);

// Frame n of k of the strip at x, y; its bottom-left colour is transparent.
void DrawGlyphFrame(HDC dc, int x, int y, const Image24& strip, int frameCount, int frame);

// Shortens the text to the width it may take in the device context's current font.
void EllipsizeText(HDC dc, std::string& text, int maxWidth);

// One line, vertically centred in the rectangle, in the current font, colour and background mode.
void DrawSingleLineText(HDC dc, const std::string& text, const Rect& rect);

}  // namespace vemora::skin
