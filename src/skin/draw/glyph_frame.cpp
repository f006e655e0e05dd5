#include "skin/draw/glyph_frame.h"

#include <algorithm>
#include <cstring>

#include "skin/draw/coords.h"

namespace vemora::skin {

std::optional<Rect> GlyphFrameRect(const Image24& strip, int frameCount, int frame) {
    if (strip.IsEmpty() || frameCount < 1 || frame < 1 || frame > frameCount) return std::nullopt;
    const int w = strip.Width() / frameCount;
    if (w < 1) return std::nullopt;
    return Rect{(frame - 1) * w, 0, frame * w, strip.Height()};
}

void DrawGlyphFrame(Image24& canvas, int x0, int y0, const Image24& strip, int frameCount, int frame) {
    const auto rect = GlyphFrameRect(strip, frameCount, frame);
    if (!rect) return;
    const int x = SaneCoord(x0), y = SaneCoord(y0);
    const uint8_t* key = strip.ScanLine(rect->bottom - 1) + 3 * rect->left;
    const int cx0 = std::max(x, 0), cx1 = std::min(x + RectWidth(*rect), canvas.Width());
    const int cy0 = std::max(y, 0), cy1 = std::min(y + RectHeight(*rect), canvas.Height());
    for (int cy = cy0; cy < cy1; ++cy) {
        const uint8_t* from = strip.ScanLine(cy - y) + 3 * (rect->left + cx0 - x);
        uint8_t* to = canvas.ScanLine(cy) + 3 * cx0;
        for (int cx = cx0; cx < cx1; ++cx, from += 3, to += 3) {
            if (std::memcmp(from, key, 3) != 0) std::memcpy(to, from, 3);
        }
    }
}

}  // namespace vemora::skin
