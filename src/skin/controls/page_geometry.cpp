#include "skin/controls/page_geometry.h"

#include "skin/draw/copy_rect.h"
#include "skin/draw/nine_area.h"

namespace vemora::skin {

int TabItemHeight(const TspDataSkinTabControl* record, int tabHeight, int defaultItemHeight) {
    if (tabHeight > 0) return tabHeight;
    return record ? RectHeight(record->TabRect) : defaultItemHeight;
}

namespace {
Rect ActiveRect(const TspDataSkinTabControl& r) {
    return IsEmptyRect(r.ActiveTabRect) ? r.TabRect : r.ActiveTabRect;
}
Rect FocusRect(const TspDataSkinTabControl& r) {
    return IsEmptyRect(r.FocusTabRect) ? ActiveRect(r) : r.FocusTabRect;
}
}  // namespace

Rect TabSourceRect(const TspDataSkinTabControl& r, bool mouseOver, bool selected, bool focused) {
    if (mouseOver && !selected && !IsEmptyRect(r.MouseInTabRect)) return r.MouseInTabRect;
    if (selected && focused) return FocusRect(r);
    if (!selected) return r.TabRect;
    return ActiveRect(r);
}

SkinColor TabFontColor(const TspDataSkinTabControl& r, bool mouseOver, bool selected, bool focused) {
    if (mouseOver && !selected) return r.MouseInFontColor;
    if (selected && focused) return r.FocusFontColor;
    if (!selected) return r.FontColor;
    return r.ActiveFontColor;
}

Image24 BuildTabImage(const TspDataSkinTabControl& record, const Image24& picture, const Rect& source,
                      int width, int tabHeight) {
    Image24 tab = TileStripH(record.TabLeftOffset, record.TabRightOffset, picture, source, width);
    if (tabHeight <= 0 || tab.IsEmpty()) return tab;
    const int height = tabHeight * RectHeight(source) / std::max(1, RectHeight(record.TabRect));
    Image24 stretched(width, height);
    CopyRect(stretched, {0, 0, width, height}, tab, {0, 0, tab.Width(), tab.Height()});
    return stretched;
}

Rect PageFrameRect(const Rect& d, const TspDataSkinTabControl& r) {
    const int w = RectWidth(r.SkinRect), h = RectHeight(r.SkinRect);
    const Rect& cl = r.ClientRect;
    return {d.left - cl.left, d.top - cl.top, d.right + (w - cl.right), d.bottom + (h - cl.bottom)};
}

void DrawPageFrame(Image24& target, const Rect& f, const TspDataSkinTabControl& r, const Image24& picture) {
    const int w = RectWidth(r.SkinRect), h = RectHeight(r.SkinRect);
    const int sx = r.SkinRect.left, sy = r.SkinRect.top;
    const Rect& cl = r.ClientRect;
    const Point lt = r.LeftTopPoint, rt = r.RightTopPoint, lb = r.LeftBottomPoint, rb = r.RightBottomPoint;
    const int dW = RectWidth(f) - w, dH = RectHeight(f) - h;
    const Point nrt{rt.x + dW, rt.y}, nlb{lb.x, lb.y + dH}, nrb{rb.x + dW, rb.y + dH};
    const auto src = [&](int l, int t, int rr, int b) { return Rect{sx + l, sy + t, sx + rr, sy + b}; };
    const auto dst = [&](int l, int t, int rr, int b) {
        return Rect{f.left + l, f.top + t, f.left + rr, f.top + b};
    };
    TileRectH(target, dst(lt.x, 0, nrt.x, cl.top), picture, src(lt.x, 0, rt.x, cl.top));
    TileRectH(target, dst(lb.x, RectHeight(f) - (h - cl.bottom), nrb.x, RectHeight(f)), picture,
              src(lb.x, cl.bottom, rb.x, h));
    TileRectV(target, dst(0, lt.y, cl.left, nlb.y), picture, src(0, lt.y, cl.left, lb.y));
    TileRectV(target, dst(RectWidth(f) - (w - cl.right), rt.y, RectWidth(f), nrb.y), picture,
              src(cl.right, rt.y, w, rb.y));
    CopyRect(target, dst(0, 0, lt.x, lt.y), picture, src(0, 0, lt.x, lt.y));
    CopyRect(target, dst(nrt.x, 0, nrt.x + (w - rt.x), rt.y), picture, src(rt.x, 0, w, rt.y));
    CopyRect(target, dst(0, nlb.y, lb.x, nlb.y + (h - lb.y)), picture, src(0, lb.y, lb.x, h));
    CopyRect(target, dst(nrb.x, nrb.y, nrb.x + (w - rb.x), nrb.y + (h - rb.y)), picture,
             src(rb.x, rb.y, w, h));
}

void DrawTabBand(Image24& target, const Rect& f, TabPosition position, const TspDataSkinTabControl& r,
                 const Image24& picture) {
    if (IsEmptyRect(r.TabsBGRect)) return;
    Rect band{0, 0, target.Width(), target.Height()};
    switch (position) {
        case TabPosition::tpTop:
            band.bottom = f.top;
            break;
        case TabPosition::tpBottom:
            band.top = f.bottom;
            break;
        case TabPosition::tpLeft:
            band.right = f.left;
            break;
        case TabPosition::tpRight:
            band.left = f.right;
            break;
    }
    TileRect(target, band, picture, r.TabsBGRect);
}

Rect PageTileRect(const TspDataSkinTabControl& r) {
    const Rect& s = r.SkinRect;
    const Rect& cl = r.ClientRect;
    return {s.left + cl.left, s.top + cl.top, s.left + cl.right, s.top + cl.bottom};
}

Rect AdjustDisplayRect(const Rect& adj, int cw, int ch, TabPosition position,
                       const TspDataSkinTabControl* r) {
    Rect d = adj;
    if (!r) {
        switch (position) {
            case TabPosition::tpTop:
                return {1, adj.top - 5, cw - 1, ch - 1};
            case TabPosition::tpBottom:
                return {1, 1, cw - 1, adj.bottom + 3};
            case TabPosition::tpLeft:
                return {adj.left - 3, adj.top - 5, cw - 1, ch - 1};
            case TabPosition::tpRight:
                return {adj.left - 3, adj.top - 5, adj.right + 3, ch - 1};
        }
        return d;
    }
    const int a = r->ClientRect.left, b = r->ClientRect.top;
    const int c = RectWidth(r->SkinRect) - r->ClientRect.right;
    const int e = RectHeight(r->SkinRect) - r->ClientRect.bottom;
    switch (position) {
        case TabPosition::tpTop:
            return {a, adj.top + (b - 6), cw - c, ch - e};
        case TabPosition::tpBottom:
            return {a, adj.top + (b - 4), cw - c, adj.bottom + (4 - e)};
        case TabPosition::tpLeft:
            return {adj.left + (a - 4), adj.top + (b - 4), cw - c, ch - e};
        case TabPosition::tpRight:
            return {a, adj.top + (b - 4), adj.right + (4 - c), ch - e};
    }
    return d;
}

int TabsOutOfView(const std::vector<Rect>& tabs, int controlWidth, int upDownWidth) {
    const int limit = controlWidth - upDownWidth - 3;
    int n = 0;
    for (const Rect& tab : tabs) {
        if (tab.right > limit || tab.right <= 0) ++n;
    }
    return n;
}

}  // namespace vemora::skin
