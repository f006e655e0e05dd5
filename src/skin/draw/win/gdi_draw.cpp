#include "skin/draw/win/gdi_draw.h"

#include <algorithm>

#include "skin/draw/ellipsize.h"
#include "skin/draw/glyph_frame.h"
#include "win/text.h"

namespace vemora::skin {

void FillShape(HDC dc, const MarkShape& shape, COLORREF color) {
    win::UniqueBrush brush(CreateSolidBrush(color));
    if (!brush) return;
    for (const Rect& r : shape) {
        const RECT rect{r.left, r.top, r.right, r.bottom};
        FillRect(dc, &rect, brush.get());
    }
}

void DrawGlyphFrame(HDC dc, int x, int y, const Image24& strip, int frameCount, int frame) {
    const auto rect = GlyphFrameRect(strip, frameCount, frame);
    if (!rect) return;
    const DibSection frameBitmap = DibSection::FromImage([&] {
        Image24 copy(RectWidth(*rect), RectHeight(*rect));
        for (int row = 0; row < copy.Height(); ++row) {
            std::copy_n(strip.ScanLine(row) + 3 * rect->left, 3 * copy.Width(), copy.ScanLine(row));
        }
        return copy;
    }());
    if (frameBitmap.IsEmpty()) return;
    const PixelColor key = strip.GetPixel(rect->left, rect->bottom - 1);
    const COLORREF transparent = RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
    TransparentBlt(dc, x, y, frameBitmap.Width(), frameBitmap.Height(), frameBitmap.Dc(), 0, 0,
                   frameBitmap.Width(), frameBitmap.Height(), transparent);
}

void EllipsizeText(HDC dc, std::string& text, int maxWidth) {
    skin::EllipsizeText(text, maxWidth, [dc](std::string_view part) {
        const std::wstring wide = win::Widen(part);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
        return int(size.cx);
    });
}

void DrawSingleLineText(HDC dc, const std::string& text, const Rect& rect) {
    std::wstring wide = win::Widen(text);
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_SINGLELINE | DT_VCENTER);
}

}  // namespace vemora::skin
