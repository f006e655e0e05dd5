#include <algorithm>

#include "pictures.h"

namespace vemora::skin::gen {

namespace {

Radii Shrunk(Radii r, double by) {
    auto less = [by](double v) { return std::max(0.0, v - by); };
    return Radii{less(r.topLeft), less(r.topRight), less(r.bottomRight), less(r.bottomLeft)};
}

}  // namespace

void DrawFace(Canvas& c, const Rect& r, Radii radii, const FaceLook& look) {
    c.Draw(RoundBox(r.left, r.top, r.right, r.bottom, radii), r, look.border);
    Shape inner = RoundBox(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, Shrunk(radii, 1));
    c.Draw(inner, r, VerticalGradient(r.top + 1, r.bottom - 1, look.top, look.bottom));
    if (look.highlight > 0) {
        // Kept clear of the rounded corners, where the border already bends down.
        double left = r.left + std::max(1.0, radii.topLeft), right = r.right - std::max(1.0, radii.topRight);
        c.Draw(Box(left, r.top + 1, right, r.top + 2), Rect{r.left, r.top + 1, r.right, r.top + 2}, kWhite,
               look.highlight);
    }
}

void DrawSegment(Canvas& c, const Rect& r, Radii radii, bool leftBorder, const FaceLook& look) {
    c.Draw(RoundBox(r.left, r.top, r.right, r.bottom, radii), r, look.border);
    Shape inner =
        RoundBox(r.left + (leftBorder ? 1 : 0), r.top + 1, r.right - 1, r.bottom - 1, Shrunk(radii, 1));
    c.Draw(inner, r, VerticalGradient(r.top + 1, r.bottom - 1, look.top, look.bottom));
    if (look.highlight > 0) {
        double left = r.left + std::max(leftBorder ? 1.0 : 0.0, radii.topLeft);
        double right = r.right - std::max(1.0, radii.topRight);
        c.Draw(Box(left, r.top + 1, right, r.top + 2), r, kWhite, look.highlight);
    }
}

void DrawArrow(Canvas& c, int cx, int cy, int depth, Direction d, Rgb color) {
    // Row i (0 at the tip) is 2i + 1 pixels long; an even depth leans toward the base, where
    // the triangle's weight is.
    for (int i = 0; i < depth; ++i) {
        int along = i - (depth - 1) / 2;
        for (int k = -i; k <= i; ++k) {
            switch (d) {
                case Direction::kDown:
                    c.Put(cx + k, cy - along, color);
                    break;
                case Direction::kUp:
                    c.Put(cx + k, cy + along, color);
                    break;
                case Direction::kRight:
                    c.Put(cx - along, cy + k, color);
                    break;
                case Direction::kLeft:
                    c.Put(cx + along, cy + k, color);
                    break;
            }
        }
    }
}

namespace {

FaceLook MarkFace(bool checked, MarkState s) {
    if (checked) {
        switch (s) {
            case MarkState::kNormal:
                return FaceLook{kAccentDark, kAccentLight, kAccent, 0};
            case MarkState::kHot:
                return FaceLook{Hex(0x2B68C2), Hex(0x67A3EF), Hex(0x3D84DE), 0};
            case MarkState::kDisabled:
                return FaceLook{Hex(0xAAB2BD), Hex(0xC2C8D0), Hex(0xB6BDC6), 0};
        }
    }
    switch (s) {
        case MarkState::kNormal:
            break;
        case MarkState::kHot:
            return FaceLook{Hex(0x4A86D6), Hex(0xF6FAFF), Hex(0xE2EDFB), 0};
        case MarkState::kDisabled:
            return FaceLook{kBorderDisabled, Hex(0xF5F6F8), Hex(0xF0F2F4), 0};
    }
    return FaceLook{Hex(0x8E98A6), kWhite, Hex(0xEEF1F5), 0};
}

}  // namespace

void DrawMark(Canvas& c, int x, int y, Mark mark, bool checked, MarkState s) {
    const Rect cell{x, y, x + 15, y + 15};
    c.Fill(cell, Mix(kClientBg, kPageBg, 0.5));
    const FaceLook face = MarkFace(checked, s);
    const Rgb ink = s == MarkState::kDisabled ? Hex(0xF7F8FA) : kWhite;
    Shape outline;
    if (mark == Mark::kCheck) {
        outline = RoundBox(x, y, x + 15, y + 15, AllCorners(3));
        DrawFace(c, cell, AllCorners(3), face);
        if (checked) {
            double ax = x + 3.6, ay = y + 7.6, bx = x + 6.3, by = y + 10.3, ex = x + 11.6, ey = y + 4.6;
            c.Draw(Either(Stroke(ax, ay, bx, by, 1.9), Stroke(bx, by, ex, ey, 1.9)), cell, ink);
        }
    } else {
        const double cx = x + 7.5, cy = y + 7.5;
        outline = Disk(cx, cy, 7.5);
        c.Draw(outline, cell, face.border);
        c.Draw(Disk(cx, cy, 6.5), cell, VerticalGradient(y + 1, y + 14, face.top, face.bottom));
        if (checked) c.Draw(Disk(cx, cy, 2.7), cell, ink);
    }
    KeyOutside(c, outline, cell);
}

void KeyOutside(Canvas& c, const Shape& shape, const Rect& bounds) {
    for (int y = bounds.top; y < bounds.bottom; ++y)
        for (int x = bounds.left; x < bounds.right; ++x)
            if (Coverage(shape, x, y) < 0.25) c.Put(x, y, kKey);
}

}  // namespace vemora::skin::gen
