// Random geometry and picture sizes through every composition routine: nothing may read or
// write outside an image, divide by zero or allocate without bound, strips must not show the
// memory they were built in, and the region lists must lie inside their bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "skin/draw/copy_rect.h"
#include "skin/draw/effects.h"
#include "skin/draw/ellipsize.h"
#include "skin/draw/glyph_frame.h"
#include "skin/draw/marks.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/nine_area.h"

using namespace vemora::skin;

namespace {

constexpr int kMaxPicture = 96;
constexpr int kMaxTarget = 512;

void Check(bool ok) {
    if (!ok) std::abort();
}

// Mostly small coordinates around the pictures, now and then an extreme one.
int Coord(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 15)) {
        case 0:
            return std::numeric_limits<int>::min();
        case 1:
            return std::numeric_limits<int>::max();
        case 2:
            return in.ConsumeIntegral<int>();
        default:
            return in.ConsumeIntegralInRange(-40, kMaxTarget + 40);
    }
}
Point MakePoint(FuzzedDataProvider& in) {
    const int x = Coord(in);
    return Point{x, Coord(in)};
}
Rect MakeRect(FuzzedDataProvider& in) {
    const int l = Coord(in), t = Coord(in), r = Coord(in);
    return Rect{l, t, r, Coord(in)};
}
NineAreaPoints MakePoints(FuzzedDataProvider& in) {
    NineAreaPoints p;
    p.lt = MakePoint(in);
    p.rt = MakePoint(in);
    p.lb = MakePoint(in);
    p.rb = MakePoint(in);
    p.client = MakeRect(in);
    return p;
}
StretchFlags MakeFlags(FuzzedDataProvider& in) {
    const uint8_t b = in.ConsumeIntegral<uint8_t>();
    return StretchFlags{(b & 1) != 0, (b & 2) != 0, (b & 4) != 0, (b & 8) != 0};
}

// Pictures of black, white and a few colours, so that masks have runs and glyphs have keys.
Image24 MakeImage(FuzzedDataProvider& in, int maxSide) {
    const int w = in.ConsumeIntegralInRange(0, maxSide);
    const int h = in.ConsumeIntegralInRange(0, maxSide);
    Image24 image(w, h);
    const uint32_t pattern = in.ConsumeIntegral<uint32_t>();
    const PixelColor palette[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x123456, 0x000001};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t v = (uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ pattern) >> 7;
            image.SetPixel(x, y, palette[v % (pattern % 5 + 1)]);
        }
    }
    return image;
}

void CheckStrips(const BorderStrips& a, const BorderStrips& b) {
    Check(a.top == b.top && a.bottom == b.bottom && a.left == b.left && a.right == b.right);
}

// Mask runs are one row high; the inner rectangle of a frame region is any non-empty rectangle.
void CheckRegion(const MaskRegion& region, bool runs = true) {
    for (const Rect& r : region.rects) {
        Check(r.left < r.right && (runs ? r.top + 1 == r.bottom : r.top < r.bottom));
        Check(r.left >= region.bounds.left && r.right <= region.bounds.right);
        Check(r.top >= region.bounds.top && r.bottom <= region.bounds.bottom);
    }
    Check(RegionDataBytes(region).size() == 32 + 16 * region.rects.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const Image24 picture = MakeImage(in, kMaxPicture);
    const NineAreaPoints source = MakePoints(in);
    const NineAreaPoints target = MakePoints(in);
    const Rect sourceRect = MakeRect(in);
    const int w = in.ConsumeIntegralInRange(-4, kMaxTarget);
    const int h = in.ConsumeIntegralInRange(-4, kMaxTarget / 4);
    const StretchFlags flags = MakeFlags(in);
    const bool fill = in.ConsumeBool();

    const Image24 nine = BuildStretchNineAreaImage(source, target, picture, sourceRect, w, h, fill, flags);
    const bool sized = w >= 0 && h >= 0;  // a negative side gives an empty image
    Check(nine.Width() == (sized ? w : 0) && nine.Height() == (sized ? h : 0));
    (void)BuildNineAreaImage(source, target, picture, sourceRect, w, h, fill);

    BorderStrips strips[2];
    for (int i = 0; i < 2; ++i) {
        SetStripMemoryProbe(i == 0 ? 0x00 : 0xFF);
        strips[i] = BuildStretchBorderStrips(source, target, picture, sourceRect, w, h, flags);
    }
    CheckStrips(strips[0], strips[1]);
    for (int i = 0; i < 2; ++i) {
        SetStripMemoryProbe(i == 0 ? 0x00 : 0xFF);
        strips[i] = BuildBorderStrips(source, target, picture, w);
    }
    CheckStrips(strips[0], strips[1]);
    SetStripMemoryProbe(-1);

    (void)TileStripH(Coord(in), Coord(in), picture, sourceRect, w);
    (void)TileStripV(Coord(in), Coord(in), picture, sourceRect, h);

    Image24 canvas(in.ConsumeIntegralInRange(0, kMaxTarget), in.ConsumeIntegralInRange(0, 64));
    CopyRect(canvas, MakeRect(in), picture, MakeRect(in));
    TileRectH(canvas, MakeRect(in), picture, MakeRect(in));
    TileRectV(canvas, MakeRect(in), picture, MakeRect(in));
    TileRect(canvas, MakeRect(in), picture, MakeRect(in));
    CopyRect(canvas, MakeRect(in), canvas, MakeRect(in));  // within one image

    if (const auto region = MaskToRegionRects(picture, Coord(in), Coord(in))) CheckRegion(*region);
    if (const auto parts = RegionFromFrameMask(source, target, picture, w, h)) {
        for (const MaskRegion& part : *parts) {
            const bool inner = part.rects.size() == 1 && part.rects[0] == part.bounds;
            CheckRegion(part, !inner);
        }
    }

    DrawGlyphFrame(canvas, Coord(in), Coord(in), picture, in.ConsumeIntegralInRange(-2, 40), Coord(in));
    const PixelColor ink = in.ConsumeIntegral<uint32_t>();
    const int x = Coord(in), y = Coord(in);
    DrawArrowMark(canvas, MakeRect(in), ink, in.ConsumeIntegralInRange(0, 5));
    DrawRadioDot(canvas, x, y, ink);
    DrawCheckMark(canvas, x, y, ink);
    DrawCloseGlyph(canvas, x, y, ink);
    DrawSysMenuGlyph(canvas, x, y, ink);
    DrawMinimizeGlyph(canvas, x, y, ink);
    DrawMaximizeGlyph(canvas, x, y, ink);
    DrawRestoreGlyph(canvas, x, y, ink);
    DrawTriangleDownGlyph(canvas, x, y, ink);
    DrawTriangleUpGlyph(canvas, x, y, ink);
    DrawTrayGlyph(canvas, x, y, ink);
    (void)LineShape(MakePoint(in), MakePoint(in));

    // Effects on the composed image against a copy of itself and against the picture.
    Image24 current = nine;
    const Image24 other = BuildNineAreaImage(target, source, picture, sourceRect, w, h, !fill);
    const double k = in.ConsumeFloatingPoint<double>();
    Blend(current, other, k);
    BlendRect(current, picture, MakeRect(in), Coord(in), Coord(in), in.ConsumeProbability<double>());
    for (int kind = 0; kind <= 6; ++kind)
        ApplyMorph(current, other, MorphKind(kind), in.ConsumeFloatingPoint<double>());
    Brightness(current, in.ConsumeFloatingPoint<double>());
    Darkness(current, in.ConsumeFloatingPoint<double>());
    Grayscale(current);
    Invert(current);
    uint32_t state = in.ConsumeIntegral<uint32_t>();
    Noise(current, in.ConsumeIntegralInRange(-5, 300),
          [&] { return state = state * 1664525u + 1013904223u; });
    SplitBlur(current, in.ConsumeIntegralInRange(-3, 2 * kMaxTarget));
    Image24 turned(current.Height(), current.Width());
    RotateLeft(current, turned);
    RotateRight(turned, current);
    FlipVertical(current, current);
    for (int effect = 0; effect <= 5; ++effect) ApplyImageEffect(current, ImageEffect(effect));

    std::string text = in.ConsumeRandomLengthString(64);
    const int perChar = in.ConsumeIntegralInRange(0, 20);
    EllipsizeText(text, Coord(in), [&](std::string_view t) { return int(t.size()) * perChar; });
    return 0;
}
