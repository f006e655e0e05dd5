#include "skin/draw/nine_area.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>

#include "skin/draw/coords.h"
#include "skin/draw/copy_rect.h"

namespace vemora::skin {
namespace {

NineAreaPoints Sane(const NineAreaPoints& p) {
    return NineAreaPoints{SanePoint(p.lt), SanePoint(p.rt), SanePoint(p.lb), SanePoint(p.rb),
                          SaneRect(p.client)};
}

Rect Offset(const Rect& r, const Rect& by) {
    return Rect{r.left + by.left, r.top + by.top, r.right + by.left, r.bottom + by.top};
}

// The pieces of one composed image, drawn in order by Finish. A target that was not
// cleared is cleared first unless its pieces are known to cover it: a piece covers its target
// rectangle when its source rectangle lies wholly in the picture.
class Composer {
  public:
    Composer(Image24& target, const Image24& picture, const Rect& origin)
        : target_(target), picture_(picture), origin_(origin) {}

    void Copy(const Rect& from, const Rect& to) { Add(Kind::kCopy, from, to); }
    void TileH(const Rect& from, const Rect& to) { Add(Kind::kTileH, from, to); }
    void TileV(const Rect& from, const Rect& to) { Add(Kind::kTileV, from, to); }
    void Tile(const Rect& from, const Rect& to) { Add(Kind::kTile, from, to); }
    void RunH(const Rect& from, const Rect& to, bool stretch) { stretch ? Copy(from, to) : TileH(from, to); }
    void RunV(const Rect& from, const Rect& to, bool stretch) { stretch ? Copy(from, to) : TileV(from, to); }

    void Finish(bool targetCleared) {
        if (!targetCleared && !Covered()) target_.Fill(0);
        for (size_t i = 0; i < count_; ++i) {
            const Piece& p = pieces_[i];
            switch (p.kind) {
                case Kind::kCopy:
                    CopyRect(target_, p.to, picture_, p.from);
                    break;
                case Kind::kTileH:
                    TileRectH(target_, p.to, picture_, p.from);
                    break;
                case Kind::kTileV:
                    TileRectV(target_, p.to, picture_, p.from);
                    break;
                case Kind::kTile:
                    TileRect(target_, p.to, picture_, p.from);
                    break;
            }
        }
        count_ = 0;
    }

  private:
    enum class Kind { kCopy, kTileH, kTileV, kTile };
    struct Piece {
        Kind kind;
        Rect from;
        Rect to;
    };

    void Add(Kind kind, const Rect& from, const Rect& to) {
        if (count_ < pieces_.size()) pieces_[count_++] = Piece{kind, Offset(from, origin_), to};
    }

    bool Draws(const Piece& p) const {
        const Rect& f = p.from;
        return !IsEmptyRect(f) && !IsEmptyRect(p.to) && f.left >= 0 && f.top >= 0 &&
               f.right <= picture_.Width() && f.bottom <= picture_.Height();
    }

    // Whether the pieces that draw all of their targets cover the whole image: every cell of
    // the grid their edges make lies in one of them.
    bool Covered() const {
        std::array<Rect, kMaxPieces> drawn;
        std::array<int, 2 * kMaxPieces + 2> xs, ys;
        size_t n = 0;
        xs[0] = ys[0] = 0;
        xs[1] = target_.Width();
        ys[1] = target_.Height();
        for (size_t i = 0; i < count_; ++i) {
            const Piece& p = pieces_[i];
            if (!Draws(p)) continue;
            const Rect r{std::clamp(p.to.left, 0, target_.Width()), std::clamp(p.to.top, 0, target_.Height()),
                         std::clamp(p.to.right, 0, target_.Width()),
                         std::clamp(p.to.bottom, 0, target_.Height())};
            xs[2 + 2 * n] = r.left;
            xs[3 + 2 * n] = r.right;
            ys[2 + 2 * n] = r.top;
            ys[3 + 2 * n] = r.bottom;
            drawn[n++] = r;
        }
        const size_t edges = 2 + 2 * n;
        std::sort(xs.begin(), xs.begin() + edges);
        std::sort(ys.begin(), ys.begin() + edges);
        for (size_t i = 0; i + 1 < edges; ++i) {
            for (size_t j = 0; j + 1 < edges; ++j) {
                if (xs[i] == xs[i + 1] || ys[j] == ys[j + 1]) continue;
                bool inside = false;
                for (size_t k = 0; k < n && !inside; ++k) {
                    const Rect& r = drawn[k];
                    inside = xs[i] >= r.left && xs[i] < r.right && ys[j] >= r.top && ys[j] < r.bottom;
                }
                if (!inside) return false;
            }
        }
        return true;
    }

    static constexpr size_t kMaxPieces = 16;  // a nine-area image has thirteen
    Image24& target_;
    const Image24& picture_;
    Rect origin_;
    std::array<Piece, kMaxPieces> pieces_;
    size_t count_ = 0;
};

std::atomic<int> stripMemoryProbe{-1};

// The strips' pixels in one block that is not cleared: the strips are cleared only where
// their pieces leave gaps.
void AllocateStrips(BorderStrips& strips, const Point& top, const Point& bottom, const Point& left,
                    const Point& right) {
    const Point sizes[] = {top, bottom, left, right};
    size_t total = 0;
    for (const Point& p : sizes) {
        if (Image24::SizeAllowed(p.x, p.y)) total += size_t(Image24::RowSizeFor(p.x)) * size_t(p.y);
    }
    strips.storage = std::make_unique_for_overwrite<uint8_t[]>(std::max<size_t>(total, 1));
    if (const int probe = stripMemoryProbe.load(std::memory_order_relaxed); probe >= 0) {
        std::memset(strips.storage.get(), probe, total);
    }
    Image24* images[] = {&strips.top, &strips.bottom, &strips.left, &strips.right};
    size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const Point& p = sizes[i];
        if (!Image24::SizeAllowed(p.x, p.y) || p.x < 1 || p.y < 1) {
            *images[i] = Image24();
            continue;
        }
        *images[i] = Image24::Wrap(strips.storage.get() + at, p.x, p.y);
        at += size_t(Image24::RowSizeFor(p.x)) * size_t(p.y);
    }
}

Image24 BuildNineArea(const NineAreaPoints& sourcePoints, const NineAreaPoints& targetPoints,
                      const Image24& picture, const Rect& rect, int width, int height, bool fill,
                      const StretchFlags& stretch) {
    Image24 image(width, height);
    const NineAreaPoints s = Sane(sourcePoints), t = Sane(targetPoints);
    const Rect sourceRect = SaneRect(rect);
    if (s.rb.x == s.lt.x || s.rb.y == s.lt.y || picture.IsEmpty() || image.IsEmpty()) return image;
    const int sw = RectWidth(sourceRect), sh = RectHeight(sourceRect);
    const int w = image.Width(), h = image.Height();
    const Rect& cr = s.client;
    const Rect& ct = t.client;
    Composer c(image, picture, sourceRect);

    c.RunH({s.lt.x, 0, s.rt.x, cr.top}, {t.lt.x, 0, t.rt.x, ct.top}, stretch.top);
    c.RunH({s.lb.x, cr.bottom, s.rb.x, sh}, {t.lb.x, ct.bottom, t.rb.x, h}, stretch.bottom);
    c.RunV({0, s.lt.y, cr.left, s.lb.y}, {0, t.lt.y, ct.left, t.lb.y}, stretch.left);
    c.RunV({cr.right, s.rt.y, sw, s.rb.y}, {ct.right, t.rt.y, w, t.rb.y}, stretch.right);

    c.Copy({0, 0, s.lt.x, cr.top}, {0, 0, t.lt.x, ct.top});
    c.Copy({0, cr.top, cr.left, s.lt.y}, {0, ct.top, ct.left, t.lt.y});
    c.Copy({s.rt.x, 0, sw, cr.top}, {t.rt.x, 0, w, ct.top});
    c.Copy({cr.right, cr.top, sw, s.rt.y}, {ct.right, ct.top, w, t.rt.y});
    c.Copy({0, s.lb.y, cr.left, sh}, {0, t.lb.y, ct.left, h});
    c.Copy({cr.left, cr.bottom, s.lb.x, sh}, {ct.left, ct.bottom, t.lb.x, h});
    c.Copy({s.rb.x, cr.bottom, sw, sh}, {t.rb.x, ct.bottom, w, h});
    c.Copy({cr.right, s.rb.y, sw, cr.bottom}, {ct.right, t.rb.y, w, ct.bottom});

    if (fill) c.Tile(cr, ct);
    c.Finish(true);
    return image;
}

// The parts of a side strip h high: the fixed piece above the run (source rows top ... runTop)
// at the strip's top, the one below it (runBottom ... bottom) at the strip's bottom.
void SideStripEnds(Composer& c, int left, int right, int stripWidth, int h, int top, int runTop,
                   int runBottom, int bottom) {
    if (runTop - top > 0) c.Copy({left, top, right, runTop}, {0, 0, stripWidth, runTop - top});
    if (bottom - runBottom > 0)
        c.Copy({left, runBottom, right, bottom}, {0, h - (bottom - runBottom), stripWidth, h});
}

}  // namespace

Image24 BuildNineAreaImage(const NineAreaPoints& source, const NineAreaPoints& target, const Image24& picture,
                           const Rect& sourceRect, int width, int height, bool fill) {
    return BuildNineArea(source, target, picture, sourceRect, width, height, fill, StretchFlags{});
}

Image24 BuildStretchNineAreaImage(const NineAreaPoints& source, const NineAreaPoints& target,
                                  const Image24& picture, const Rect& sourceRect, int width, int height,
                                  bool fill, const StretchFlags& stretch) {
    return BuildNineArea(source, target, picture, sourceRect, width, height, fill, stretch);
}

BorderStrips BuildBorderStrips(const NineAreaPoints& sourcePoints, const NineAreaPoints& targetPoints,
                               const Image24& picture, int frameWidth) {
    BorderStrips strips;
    const NineAreaPoints s = Sane(sourcePoints), t = Sane(targetPoints);
    const int width = SaneCoord(frameWidth);
    // An empty picture has no strips: cleared ones would read as all black.
    if (picture.IsEmpty()) return strips;
    const int pw = picture.Width(), ph = picture.Height();
    const Rect& cr = s.client;
    const int h = t.client.bottom - t.client.top;
    const int rw = pw - cr.right, bh = ph - cr.bottom;
    const Rect whole{0, 0, pw, ph};
    auto sized = [](int w, int h) { return w >= 1 && h >= 1 ? Point{w, h} : Point{}; };
    AllocateStrips(strips, sized(width, cr.top), sized(width, bh), sized(cr.left, h), sized(rw, h));

    if (!strips.left.IsEmpty()) {
        Composer c(strips.left, picture, whole);
        if (s.lb.y > s.lt.y) c.TileV({0, s.lt.y, cr.left, s.lb.y}, {0, 0, cr.left, h});
        SideStripEnds(c, 0, cr.left, cr.left, h, cr.top, s.lt.y, s.lb.y, cr.bottom);
        c.Finish(false);
    }
    if (!strips.right.IsEmpty()) {
        Composer c(strips.right, picture, whole);
        if (s.rb.y > s.rt.y) c.TileV({cr.right, s.rt.y, pw, s.rb.y}, {0, 0, rw, h});
        SideStripEnds(c, cr.right, pw, rw, h, cr.top, s.rt.y, s.rb.y, cr.bottom);
        c.Finish(false);
    }
    if (!strips.top.IsEmpty()) {
        Composer c(strips.top, picture, whole);
        if (s.rt.x > s.lt.x) c.TileH({s.lt.x, 0, s.rt.x, cr.top}, {t.lt.x, 0, t.rt.x, cr.top});
        c.Copy({0, 0, s.lt.x, cr.top}, {0, 0, s.lt.x, cr.top});
        c.Copy({s.rt.x, 0, pw, cr.top}, {t.rt.x, 0, width, cr.top});
        c.Finish(false);
    }
    if (!strips.bottom.IsEmpty()) {
        Composer c(strips.bottom, picture, whole);
        if (s.rb.x > s.lb.x) c.TileH({s.lb.x, cr.bottom, s.rb.x, ph}, {t.lb.x, 0, t.rb.x, bh});
        c.Copy({0, cr.bottom, s.lb.x, ph}, {0, 0, s.lb.x, bh});
        c.Copy({s.rb.x, cr.bottom, pw, ph}, {t.rb.x, 0, width, bh});
        c.Finish(false);
    }
    return strips;
}

BorderStrips BuildStretchBorderStrips(const NineAreaPoints& sourcePoints, const NineAreaPoints& targetPoints,
                                      const Image24& picture, const Rect& rect, int frameWidth,
                                      int frameHeight, const StretchFlags& stretch) {
    BorderStrips strips;
    const NineAreaPoints s = Sane(sourcePoints), t = Sane(targetPoints);
    const Rect sourceRect = SaneRect(rect);
    const int width = SaneCoord(frameWidth), height = SaneCoord(frameHeight);
    if (picture.IsEmpty()) return strips;
    const int sw = RectWidth(sourceRect), sh = RectHeight(sourceRect);
    const Rect& cr = s.client;
    const Rect& ct = t.client;

    // Sizes first: the side strips are as high as the top and bottom strips leave.
    const int th = ct.top, bh = height - ct.bottom, lw = ct.left, rw = width - ct.right;
    const bool top = width > 0 && th > 0 && s.rt.x > s.lt.x;
    const bool bottom = width > 0 && bh > 0 && s.rb.x > s.lb.x;
    const Point topSize = top ? Point{width, th} : Point{};
    const Point bottomSize = bottom ? Point{width, bh} : Point{};
    const bool topFits = Image24::SizeAllowed(topSize.x, topSize.y);
    const bool bottomFits = Image24::SizeAllowed(bottomSize.x, bottomSize.y);
    const int h = height - (topFits ? topSize.y : 0) - (bottomFits ? bottomSize.y : 0);
    const bool left = lw > 0 && h > 0 && s.lb.y > s.lt.y;
    const bool right = rw >= 1 && h >= 1 && s.rb.y > s.rt.y;
    AllocateStrips(strips, topSize, bottomSize, left ? Point{lw, h} : Point{},
                   right ? Point{rw, h} : Point{});

    if (!strips.top.IsEmpty()) {
        Composer c(strips.top, picture, sourceRect);
        if (stretch.top) {
            c.Copy({s.lt.x, 0, s.rt.x, th}, {t.lt.x, 0, t.rt.x, th});
        } else {
            c.TileH({s.lt.x, 0, s.rt.x, th}, {0, 0, width, th});
        }
        c.Copy({0, 0, s.lt.x, th}, {0, 0, t.lt.x, th});
        c.Copy({s.rt.x, 0, sw, th}, {t.rt.x, 0, width, th});
        c.Finish(false);
    }
    if (!strips.bottom.IsEmpty()) {
        Composer c(strips.bottom, picture, sourceRect);
        const int y0 = sh - bh;
        if (stretch.bottom) {
            c.Copy({s.lb.x, y0, s.rb.x, sh}, {t.lb.x, 0, t.rb.x, bh});
        } else {
            c.TileH({s.lb.x, y0, s.rb.x, sh}, {0, 0, width, bh});
        }
        c.Copy({0, y0, s.lb.x, sh}, {0, 0, t.lb.x, bh});
        c.Copy({s.rb.x, y0, sw, sh}, {t.rb.x, 0, width, bh});
        c.Finish(false);
    }
    if (!strips.left.IsEmpty()) {
        Composer c(strips.left, picture, sourceRect);
        const Rect run{0, s.lt.y, lw, s.lb.y};
        if (stretch.left) {
            c.Copy(run, {0, s.lt.y - cr.top, lw, h - (cr.bottom - s.lb.y)});
        } else {
            c.TileV(run, {0, 0, lw, h});
        }
        SideStripEnds(c, 0, lw, lw, h, cr.top, s.lt.y, s.lb.y, cr.bottom);
        c.Finish(false);
    }
    if (!strips.right.IsEmpty()) {
        Composer c(strips.right, picture, sourceRect);
        const Rect run{cr.right, s.rt.y, sw, s.rb.y};
        if (stretch.right) {
            c.Copy(run, {0, s.rt.y - cr.top, rw, h - (cr.bottom - s.rb.y)});
        } else {
            c.TileV(run, {0, 0, rw, h});
        }
        SideStripEnds(c, cr.right, sw, rw, h, cr.top, s.rt.y, s.rb.y, cr.bottom);
        c.Finish(false);
    }
    return strips;
}

void SetStripMemoryProbe(int byte) {
    stripMemoryProbe.store(byte < 0 ? -1 : byte & 0xFF, std::memory_order_relaxed);
}

Image24 TileStripH(int leftFixed, int rightFixed, const Image24& picture, const Rect& sourceRect,
                   int stripWidth) {
    const Rect s = SaneRect(sourceRect);
    const int h = RectHeight(s);
    Image24 image(stripWidth, h);
    if (image.IsEmpty() || picture.IsEmpty()) return image;
    const int width = image.Width(), leftWidth = SaneCoord(leftFixed), rightWidth = SaneCoord(rightFixed);
    CopyRect(image, {0, 0, leftWidth, h}, picture, {s.left, s.top, s.left + leftWidth, s.bottom});
    CopyRect(image, {width - rightWidth, 0, width, h}, picture,
             {s.right - rightWidth, s.top, s.right, s.bottom});
    TileRectH(image, {leftWidth, 0, width - rightWidth, h}, picture,
              {s.left + leftWidth, s.top, s.right - rightWidth, s.bottom});
    return image;
}

Image24 TileStripV(int topFixed, int bottomFixed, const Image24& picture, const Rect& sourceRect,
                   int stripHeight) {
    const Rect s = SaneRect(sourceRect);
    const int w = RectWidth(s);
    Image24 image(w, stripHeight);
    if (image.IsEmpty() || picture.IsEmpty()) return image;
    const int height = image.Height(), topHeight = SaneCoord(topFixed), bottomHeight = SaneCoord(bottomFixed);
    CopyRect(image, {0, 0, w, topHeight}, picture, {s.left, s.top, s.right, s.top + topHeight});
    CopyRect(image, {0, height - bottomHeight, w, height}, picture,
             {s.left, s.bottom - bottomHeight, s.right, s.bottom});
    TileRectV(image, {0, topHeight, w, height - bottomHeight}, picture,
              {s.left, s.top + topHeight, s.right, s.bottom - bottomHeight});
    return image;
}

}  // namespace vemora::skin
