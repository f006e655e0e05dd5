#include "skin/controls/custom_geometry.h"

#include "skin/draw/copy_rect.h"

namespace vemora::skin {
namespace {

Point Moved(Point p, int dx, int dy) {
    return {p.x + dx, p.y + dy};
}

Rect Offset(Rect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

int StretchKindOf(const CustomSkinGeometry& g) {
    if (g.SkinWidth() < 1 || g.SkinHeight() < 1) return -1;
    if (g.rb.x != 0 && g.rb.y != 0) return 1;
    if (g.rt.x != 0 || g.rt.y != 0) return 2;
    if (g.lb.x != 0 || g.lb.y != 0) return 3;
    return 0;
}

FittedSkin FitSkinSize(const CustomSkinGeometry& g, int kind, int width, int height) {
    FittedSkin f{width, height, g.Source()};
    const int dW = width - g.SkinWidth();
    const int dH = height - g.SkinHeight();
    switch (kind) {
        case 0:
            f.width = g.SkinWidth();
            f.height = g.SkinHeight();
            break;
        case 1:
            f.target.rt = Moved(g.rt, dW, 0);
            f.target.lb = Moved(g.lb, 0, dH);
            f.target.rb = Moved(g.rb, dW, dH);
            f.target.client.right += dW;
            f.target.client.bottom += dH;
            break;
        case 2:
            f.height = g.SkinHeight();
            f.target.rt = Moved(g.rt, dW, 0);
            f.target.rb = Moved(g.rb, dW, 0);
            f.target.client.right += dW;
            break;
        case 3:
            f.width = g.SkinWidth();
            f.target.lb = Moved(g.lb, 0, dH);
            f.target.rb = Moved(g.rb, 0, dH);
            f.target.client.bottom += dH;
            break;
        default:
            break;
    }
    return f;
}

Rect MapSkinRect(const CustomSkinGeometry& g, int kind, int width, int height, const Rect& r) {
    const int dW = width - g.SkinWidth();
    const int dH = height - g.SkinHeight();
    const int w = g.SkinWidth();
    const int h = g.SkinHeight();
    switch (kind) {
        case 1: {
            const Rect topLeft{0, 0, g.lt.x, g.lt.y};
            const Rect topRight{g.rt.x, 0, w, g.rt.y};
            const Rect bottomLeft{0, g.lb.y, g.lb.x, h};
            const Rect bottomRight{g.rb.x, g.rb.y, w, h};
            if (RectInsideRect(r, topLeft)) return r;
            if (RectInsideRect(r, topRight)) return Offset(r, dW, 0);
            if (RectInsideRect(r, bottomLeft)) return Offset(r, 0, dH);
            if (RectInsideRect(r, bottomRight)) return Offset(r, dW, dH);
            const Point a{r.left, r.top};
            const Point b{r.right, r.bottom};
            Rect m = r;
            if (RectContainsPoint(topLeft, a) && RectContainsPoint(bottomRight, b)) {
                m.right += dW, m.bottom += dH;
            } else if (RectContainsPoint(topLeft, a) && RectContainsPoint(topRight, b)) {
                m.right += dW;
            } else if (RectContainsPoint(bottomLeft, a) && RectContainsPoint(bottomRight, b)) {
                m.right += dW, m.top += dH, m.bottom += dH;
            } else if (RectContainsPoint(topLeft, a) && RectContainsPoint(bottomLeft, b)) {
                m.bottom += dH;
            } else if (RectContainsPoint(topRight, a) && RectContainsPoint(bottomRight, b)) {
                m.left += dW, m.right += dW, m.bottom += dH;
            }
            return m;
        }
        case 2:
            if (r.left <= g.lt.x && r.right >= g.rt.x) return {r.left, r.top, r.right + dW, r.bottom};
            if (r.left >= g.rt.x && r.right > g.rt.x) return Offset(r, dW, 0);
            return r;
        case 3:
            if (r.top <= g.lt.y && r.bottom >= g.lb.y) return {r.left, r.top, r.right, r.bottom + dH};
            if (r.top >= g.lb.y && r.bottom > g.lb.y) return Offset(r, 0, dH);
            return r;
        default:
            return r;
    }
}

Image24 BuildSkinImage(const CustomSkinGeometry& g, int kind, const FittedSkin& fitted,
                       const Image24& picture, const Rect& from) {
    switch (kind) {
        case 0: {
            Image24 image(RectWidth(from), RectHeight(from));
            CopyRect(image, {0, 0, image.Width(), image.Height()}, picture, from);
            return image;
        }
        case 1:
            return BuildNineAreaImage(g.Source(), fitted.target, picture, from, fitted.width, fitted.height,
                                      true);
        case 2:
            return TileStripH(g.lt.x, RectWidth(from) - g.rt.x, picture, from, fitted.width);
        case 3:
            return TileStripV(g.lt.y, RectHeight(from) - g.lb.y, picture, from, fitted.height);
        default:
            return {};
    }
}

}  // namespace vemora::skin
