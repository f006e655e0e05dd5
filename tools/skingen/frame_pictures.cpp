// The frame picture (active and inactive) and its mask. The window is kFrameWidth ×
// kFrameHeight with corners rounded by the same profile in both, so the outline drawn
// here sits exactly on the edge of the region the mask cuts.
#include <algorithm>
#include <array>

#include "palette.h"
#include "pictures.h"

namespace vemora::skin::gen {

namespace {

// Pixels cut from each end of the first (and last) rows.
constexpr std::array<int, 5> kCornerCut{5, 3, 2, 1, 1};

// The client rectangle of the description; the inset line runs one pixel outside it.
constexpr Rect kClient{8, 27, 370, 162};

bool InsideWindow(int x, int y) {
    if (x < 0 || y < 0 || x >= kFrameWidth || y >= kFrameHeight) return false;
    int row = y < int(kCornerCut.size()) ? y : kFrameHeight - 1 - y;
    if (row >= int(kCornerCut.size())) return true;
    int cut = kCornerCut[size_t(row)];
    return x >= cut && x < kFrameWidth - cut;
}

bool OnInset(int x, int y) {
    bool column =
        (x == kClient.left - 1 || x == kClient.right) && y >= kClient.top - 1 && y <= kClient.bottom;
    bool row = (y == kClient.top - 1 || y == kClient.bottom) && x >= kClient.left - 1 && x <= kClient.right;
    return column || row;
}

Rgb BodyColor(const FrameColors& f, int x, int y) {
    if (x >= kClient.left && x < kClient.right && y >= kClient.top && y < kClient.bottom) return kClientBg;
    if (OnInset(x, y)) return f.inset;
    return y < kCaptionBottom ? CaptionRow(f, y) : f.body;
}

// The outline and the highlight ring inside it follow a circle of radius 8, which is the
// curve the corner cut approximates; the part of an edge pixel beyond the curve takes the
// outline's colour, so the edge stays dark and smooth against the hard cut of the mask.
constexpr double kCornerRadius = 8;

Shape Inset(double by) {
    return RoundBox(by, by, kFrameWidth - by, kFrameHeight - by, AllCorners(kCornerRadius - by));
}

// The highlight catches the light from above: bright at the top and left, fainter at the
// right and bottom, turning with the curve in the two mixed corners.
double HighlightOpacity(int x, int y) {
    const double top = y, left = x, bottom = kFrameHeight - 1 - y, right = kFrameWidth - 1 - x;
    double lit = std::min(top, left) <= std::min(bottom, right) ? 1 : 0;
    if (top < kCornerRadius && right < kCornerRadius) lit = right / (right + top + 1e-9);
    if (bottom < kCornerRadius && left < kCornerRadius) lit = bottom / (bottom + left + 1e-9);
    return 0.4 + 0.45 * lit;
}

void DrawEdges(Canvas& c, const FrameColors& f) {
    const Shape outer = Inset(0), middle = Inset(1), inner = Inset(2);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x) {
            if (!InsideWindow(x, y) || OnInset(x, y)) continue;
            double inOuter = Coverage(outer, x, y), inMiddle = Coverage(middle, x, y);
            double ring = inMiddle - Coverage(inner, x, y);
            if (ring > 0) c.Blend(x, y, f.highlight, ring * HighlightOpacity(x, y));
            c.Blend(x, y, f.outline, std::min(1.0, (inOuter - inMiddle) + (1 - inOuter)));
        }
}

}  // namespace

Canvas DrawFramePicture(const FrameColors& f) {
    Canvas c(kFrameWidth, kFrameHeight, kWhite);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            if (InsideWindow(x, y)) c.Put(x, y, BodyColor(f, x, y));
    DrawEdges(c, f);
    return c;
}

Canvas DrawFrameMask() {
    Canvas c(kFrameWidth, kFrameHeight, kWhite);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            if (InsideWindow(x, y)) c.Put(x, y, Rgb{});
    return c;
}

}  // namespace vemora::skin::gen
