#include "skin/frame/frame_hit_test.h"

namespace vemora::skin {
namespace {

bool PtIn(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

bool Black(const Image24& strip, int x, int y) {
    return strip.Contains(x, y) && (strip.GetPixel(x, y) & 0xFFFFFF) == 0;
}

bool InsideMask(const FrameGeometry& g, const MaskStrips& mask, Point p) {
    const Rect& m = g.NewMaskRectArea;
    if (PtIn(m, p)) return true;
    if (p.y <= m.top) return Black(mask.top, p.x, p.y);
    if (p.y < m.bottom) {
        if (p.x >= m.right) return Black(mask.right, p.x - m.right, p.y - m.top);
        return Black(mask.left, p.x, p.y - m.top);
    }
    return Black(mask.bottom, p.x, p.y - m.bottom);
}

bool NearOutline(const FrameGeometry& g, const MaskStrips& mask, int b, Point p) {
    const Point probes[] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
    if (!mask.present) {
        const Rect window{0, 0, g.width, g.height};
        for (const Point& q : probes) {
            if (!PtIn(window, q)) return true;
        }
        return false;
    }
    if (PtIn(g.NewMaskRectArea, p)) return false;
    for (const Point& q : probes) {
        if (!InsideMask(g, mask, q)) return true;
    }
    return false;
}

int SizingCode(const FrameGeometry& g, Point p) {
    const Rect& cl = g.NewClientRect;
    if (p.x <= g.NewHitLTPoint.x && p.y <= g.NewHitLTPoint.y) return kHtTopLeft;
    if (p.x >= g.NewHitRTPoint.x && p.y <= g.NewHitRTPoint.y) return kHtTopRight;
    if (p.x <= g.NewHitLBPoint.x && p.y >= g.NewHitLBPoint.y) return kHtBottomLeft;
    if (p.x >= g.NewHitRBPoint.x && p.y >= g.NewHitRBPoint.y) return kHtBottomRight;
    if (PtIn({g.NewHitLTPoint.x, 0, g.NewHitRTPoint.x, cl.top}, p)) return kHtTop;
    if (PtIn({g.NewHitLBPoint.x, cl.bottom, g.NewHitRBPoint.x, g.height}, p)) return kHtBottom;
    if (PtIn({0, g.NewHitLTPoint.y, cl.left, g.NewHitLBPoint.y}, p)) return kHtLeft;
    if (PtIn({cl.right, g.NewHitRTPoint.y, g.width, g.NewHitRBPoint.y}, p)) return kHtRight;
    return 0;
}

}  // namespace

int FrameHitTest(const FrameGeometry& g, const MaskStrips& mask, const HitTestState& s, Point p,
                 const std::function<bool(Point)>& onCaption) {
    const bool caption = onCaption && onCaption(p);
    if (!s.rolledUp && !s.minimized) {
        if (s.onObject && !caption && !PtIn(g.NewClientRect, p) && !s.inSizeMove) return kHtObject;
        if (!s.maximized && s.sizeable) {
            if (!NearOutline(g, mask, s.borderWidth, p)) {
                if (PtIn(g.NewClientRect, p)) return kHtClient;
                return caption ? kHtCaption : kHtObject;
            }
            if (const int code = SizingCode(g, p)) return code;
        }
        if (PtIn(g.NewClientRect, p)) return kHtClient;
    }
    return caption ? kHtCaption : kHtObject;
}

}  // namespace vemora::skin
