#include "skin/frame/frame_geometry.h"

#include <algorithm>

namespace vemora::skin {
namespace {

Point Moved(const Point& p, int dx, int dy) {
    return {p.x + dx, p.y + dy};
}
Rect Moved(const Rect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
// The platform's point-in-rectangle test: right and bottom edges outside.
bool PtIn(const Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

}  // namespace

FrameGeometry CalcFrameGeometry(const FrameSkin& skin, int width, int height) {
    const SkinFormInfo& fi = skin.Info();
    const int dx = width - skin.pictureWidth, dy = height - skin.pictureHeight;
    FrameGeometry g;
    g.width = width;
    g.height = height;
    g.NewLTPoint = fi.LeftTopPoint;
    g.NewRTPoint = Moved(fi.RightTopPoint, dx, 0);
    g.NewLBPoint = Moved(fi.LeftBottomPoint, 0, dy);
    g.NewRBPoint = Moved(fi.RightBottomPoint, dx, dy);
    const Rect& cl = fi.ClientRect;
    g.NewClientRect = {cl.left, cl.top, cl.right + dx, cl.bottom + dy};
    g.NewCaptionRect = fi.CaptionRect;
    if (!IsEmptyRect(g.NewCaptionRect)) g.NewCaptionRect.right += dx;
    g.NewButtonsRect = fi.ButtonsRect;
    if (!IsEmptyRect(g.NewButtonsRect) && g.NewButtonsRect.left > skin.pictureWidth / 2) {
        g.NewButtonsRect = Moved(g.NewButtonsRect, dx, 0);
    }
    g.ButtonsInLeft = fi.ButtonsInLeft;
    g.ButtonsOffset = fi.ButtonsOffset;
    const Rect& m = fi.MaskRectArea;
    g.NewMaskRectArea = {m.left, m.top, m.right + dx, m.bottom + dy};
    g.NewHitLTPoint = fi.HitTestLeftTopPoint;
    g.NewHitRTPoint = Moved(fi.HitTestRightTopPoint, dx, 0);
    g.NewHitLBPoint = Moved(fi.HitTestLeftBottomPoint, 0, dy);
    g.NewHitRBPoint = Moved(fi.HitTestRightBottomPoint, dx, dy);
    return g;
}

Rect SkinClientArea(const FrameSkin& skin, const Rect& window) {
    const Rect& cl = skin.Info().ClientRect;
    Rect r{window.left + cl.left, window.top + cl.top, window.right + (cl.right - skin.pictureWidth),
           window.bottom + (cl.bottom - skin.pictureHeight)};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

Rect MapFrameRect(const FrameSkin& skin, const FrameGeometry& g, const Rect& r) {
    const SkinFormInfo& fi = skin.Info();
    const Point lt = fi.LeftTopPoint, rt = fi.RightTopPoint, lb = fi.LeftBottomPoint,
                rb = fi.RightBottomPoint;
    const int pw = skin.pictureWidth, ph = skin.pictureHeight;
    const Rect zoneLT{0, 0, lt.x, lt.y}, zoneLB{0, lb.y, lb.x, ph}, zoneRT{rt.x, 0, pw, rt.y},
        zoneRB{rb.x, rb.y, pw, ph};
    if (IsEmptyRect(zoneLT) && IsEmptyRect(zoneLB) && IsEmptyRect(zoneRT) && IsEmptyRect(zoneRB)) return r;
    const int dx = g.NewRBPoint.x - rb.x, dy = g.NewRBPoint.y - rb.y;
    const auto inside = [&](const Rect& zone) {
        return PtIn(zone, r.left, r.top) && PtIn(zone, r.right, r.bottom);
    };
    if (inside(zoneLT)) return r;
    if (inside(zoneRT)) return Moved(r, dx, 0);
    if (inside(zoneLB)) return Moved(r, 0, dy);
    if (inside(zoneRB)) return Moved(r, dx, dy);
    const auto tl = [&](const Rect& zone) { return PtIn(zone, r.left, r.top); };
    const auto br = [&](const Rect& zone) { return PtIn(zone, r.right, r.bottom); };
    Rect out = r;
    if (tl(zoneLT) && br(zoneRB)) {
        out.right += dx;
        out.bottom += dy;
    } else if (tl(zoneLT) && br(zoneRT)) {
        out.right += dx;
    } else if (tl(zoneLB) && br(zoneRB)) {
        out.right += dx;
        out = Moved(out, 0, dy);
    } else if (tl(zoneLT) && br(zoneLB)) {
        out.bottom += dy;
    } else if (tl(zoneRT) && br(zoneRB)) {
        out = Moved(out, dx, 0);
        out.bottom += dy;
    }
    return out;
}

NineAreaPoints PictureFramePoints(const FrameSkin& skin) {
    const SkinFormInfo& fi = skin.Info();
    return {fi.LeftTopPoint, fi.RightTopPoint, fi.LeftBottomPoint, fi.RightBottomPoint, fi.ClientRect};
}

NineAreaPoints WindowFramePoints(const FrameGeometry& g) {
    return {g.NewLTPoint, g.NewRTPoint, g.NewLBPoint, g.NewRBPoint, g.NewClientRect};
}

NineAreaPoints PictureMaskPoints(const FrameSkin& skin) {
    NineAreaPoints p = PictureFramePoints(skin);
    p.client = skin.Info().MaskRectArea;
    return p;
}

NineAreaPoints WindowMaskPoints(const FrameGeometry& g) {
    NineAreaPoints p = WindowFramePoints(g);
    p.client = g.NewMaskRectArea;
    return p;
}

}  // namespace vemora::skin
