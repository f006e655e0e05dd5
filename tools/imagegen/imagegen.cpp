// vemora-imagegen: draws Vemora's toolbar/list bitmaps and icons in code and
// writes them as BMP and ICO resources. Host tool, standard library only, so
// the pictures can be regenerated and reviewed like any other source.
//
// Shapes are tested at pixel centres and painted with hard edges: the BMP
// strips are masked by colour, so there is no room for antialiasing there,
// and the icons use the same drawing so both look alike.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

bool sameColour(Rgba x, Rgba y) {
    return x.r == y.r && x.g == y.g && x.b == y.b;
}

constexpr Rgba rgb(int r, int g, int b) {
    return Rgba{uint8_t(r), uint8_t(g), uint8_t(b), 255};
}

constexpr double kPi = 3.14159265358979323846;

constexpr Rgba kClear{0, 0, 0, 0};
constexpr Rgba kMagenta = rgb(255, 0, 255);  // the program's mask colour

// Palette. Every picture draws from these so the set looks like one family.
constexpr Rgba kInk = rgb(46, 54, 70);
constexpr Rgba kPaper = rgb(252, 252, 250);
constexpr Rgba kPaperFaded = rgb(232, 235, 240);
constexpr Rgba kPaperShade = rgb(206, 214, 226);
constexpr Rgba kText = rgb(150, 162, 180);
constexpr Rgba kGreen = rgb(60, 176, 80);
constexpr Rgba kGreenDark = rgb(26, 106, 46);
constexpr Rgba kRed = rgb(222, 58, 50);
constexpr Rgba kRedDark = rgb(136, 26, 26);
constexpr Rgba kOrange = rgb(246, 156, 38);
constexpr Rgba kWood = rgb(240, 206, 150);
constexpr Rgba kPink = rgb(240, 128, 150);
constexpr Rgba kBlue = rgb(44, 124, 222);
constexpr Rgba kBlueDark = rgb(20, 64, 146);
constexpr Rgba kBlueLight = rgb(150, 196, 246);
constexpr Rgba kBlueSheen = rgb(78, 150, 232);
constexpr Rgba kYellow = rgb(252, 208, 76);
constexpr Rgba kYellowLight = rgb(255, 232, 140);
constexpr Rgba kYellowDark = rgb(214, 156, 40);
constexpr Rgba kFolderLine = rgb(136, 92, 20);
constexpr Rgba kMetal = rgb(204, 210, 218);
constexpr Rgba kGrey = rgb(164, 168, 176);
constexpr Rgba kGreyDark = rgb(98, 102, 112);
constexpr Rgba kWhite = rgb(255, 255, 255);

class Canvas {
  public:
    Canvas(int w, int h) : w_(w), h_(h), px_(size_t(w) * size_t(h), kClear) {}

    int width() const { return w_; }
    int height() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    Rgba at(int x, int y) const { return px_[size_t(y) * size_t(w_) + size_t(x)]; }
    void set(int x, int y, Rgba c) {
        if (inside(x, y)) px_[size_t(y) * size_t(w_) + size_t(x)] = c;
    }

    // Copies the opaque pixels of src with its top-left corner at (ox, oy).
    void blit(const Canvas& src, int ox, int oy) {
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                if (src.at(x, y).a) set(ox + x, oy + y, src.at(x, y));
    }

  private:
    int w_, h_;
    std::vector<Rgba> px_;
};

// A shape answers whether a point (in pixel units, y down) lies inside it.
using Shape = std::function<bool(double, double)>;

// Inclusive pixel rectangle.
Shape box(int x0, int y0, int x1, int y1) {
    return [=](double x, double y) { return x >= x0 && x <= x1 + 1 && y >= y0 && y <= y1 + 1; };
}

Shape rectF(double x0, double y0, double x1, double y1) {
    return [=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
}

Shape disk(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

using Points = std::vector<std::pair<double, double>>;

Shape poly(Points pts) {
    return [pts = std::move(pts)](double x, double y) {
        bool in = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            auto [xi, yi] = pts[i];
            auto [xj, yj] = pts[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    };
}

// Almond (eye) shape: two overlapping circles, half width hw, half height hh.
Shape lens(double cx, double cy, double hw, double hh) {
    double r = (hw * hw + hh * hh) / (2 * hh);
    double d = r - hh;
    return [=](double x, double y) {
        double dx = x - cx;
        double up = y - (cy - d), down = y - (cy + d);
        return dx * dx + up * up <= r * r && dx * dx + down * down <= r * r;
    };
}

Shape any(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}
Shape both(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

bool hit(const Shape& s, int x, int y) {
    return s(x + 0.5, y + 0.5);
}

void fill(Canvas& c, const Shape& s, Rgba col) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (hit(s, x, y)) c.set(x, y, col);
}

// True if (x,y) is in the shape and none of its 8 neighbours leave it.
bool interior(const Shape& s, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!hit(s, x + dx, y + dy)) return false;
    return true;
}

// Shape with a one-pixel border drawn inside its own edge; keeps the outer
// size exactly where the coordinates put it.
void framed(Canvas& c, const Shape& s, Rgba body, Rgba line) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (hit(s, x, y)) c.set(x, y, interior(s, x, y) ? body : line);
}

// Shape with a one-pixel border around the outside; used for badges that sit
// on top of another picture and must stand apart from it.
void haloed(Canvas& c, const Shape& s, Rgba body, Rgba line) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            if (hit(s, x, y)) {
                c.set(x, y, body);
                continue;
            }
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) near = hit(s, x + dx, y + dy);
            if (near) c.set(x, y, line);
        }
}

// Hand-set pixel shape ('#' = inside) with its top-left corner at (ox, oy);
// for letters and for forms that come out ragged when built from curves at
// this size.
Shape pattern(int ox, int oy, std::vector<std::string> rows) {
    return [=](double x, double y) {
        int col = int(std::floor(x)) - ox, row = int(std::floor(y)) - oy;
        return row >= 0 && row < int(rows.size()) && col >= 0 && col < int(rows[size_t(row)].size()) &&
               rows[size_t(row)][size_t(col)] == '#';
    };
}

// ---------------------------------------------------------------------------
// Pictures. Each draws one 16x16 cell unless stated otherwise.

// Sheet of paper with a folded top-right corner, x 2..11. The lower right
// quarter is left free for a badge.
void document(Canvas& c, bool faded) {
    Rgba line = faded ? kGrey : kInk;
    Rgba paper = faded ? kPaperFaded : kPaper;
    fill(c, box(2, 1, 11, 14), line);
    fill(c, box(3, 2, 10, 13), paper);
    for (int y = 1; y <= 4; ++y)
        for (int x = 8; x <= 11; ++x) {
            int d = (x - 8) - (y - 1);
            if (d > 0)
                c.set(x, y, kClear);
            else if (d == 0 || x == 8 || y == 4)
                c.set(x, y, line);
            else
                c.set(x, y, kPaperShade);
        }
    Rgba text = faded ? kPaperShade : kText;
    fill(c, box(4, 6, 9, 6), text);
    fill(c, box(4, 8, 7, 8), text);
    fill(c, box(4, 10, 6, 10), text);
    fill(c, box(4, 12, 6, 12), text);
}

Canvas created() {
    Canvas c(16, 16);
    document(c, false);
    haloed(c, any(box(11, 9, 12, 14), box(9, 11, 14, 12)), kGreen, kGreenDark);
    return c;
}

Canvas deleted() {
    Canvas c(16, 16);
    document(c, false);
    haloed(c,
           pattern(8, 8,
                   {
                       "##...##",
                       "###.###",
                       ".#####.",
                       "..###..",
                       ".#####.",
                       "###.###",
                       "##...##",
                   }),
           kRed, kRedDark);
    return c;
}

// Pencil lying from (bx,by) (eraser end) to (tx,ty) (point).
void pencil(Canvas& c, double bx, double by, double tx, double ty, double halfWidth) {
    double len = std::hypot(tx - bx, ty - by);
    double ux = (tx - bx) / len, uy = (ty - by) / len;
    double tipLen = halfWidth * 2.2;
    auto along = [=](double x, double y) { return (x - bx) * ux + (y - by) * uy; };
    auto across = [=](double x, double y) { return std::fabs((x - bx) * -uy + (y - by) * ux); };
    Shape body = [=](double x, double y) {
        double t = along(x, y), w = across(x, y);
        if (t < 0 || t > len) return false;
        double limit = t > len - tipLen ? halfWidth * (len - t) / tipLen : halfWidth;
        return w <= limit;
    };
    haloed(c, body, kOrange, kInk);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            if (!hit(body, x, y)) continue;
            double t = along(x + 0.5, y + 0.5);
            if (t < 2.0)
                c.set(x, y, kPink);
            else if (t < 3.0)
                c.set(x, y, kMetal);
            else if (t > len - 1.6)
                c.set(x, y, kInk);
            else if (t > len - tipLen)
                c.set(x, y, kWood);
        }
}

Canvas modified() {
    Canvas c(16, 16);
    document(c, false);
    pencil(c, 14.6, 5.4, 6.4, 13.6, 1.9);
    return c;
}

// Arrow for the rename pair; points right (out of the sheet) or left (into it).
Shape renameArrow(bool outward) {
    if (outward) return any(box(8, 11, 11, 12), poly({{11, 8}, {15, 12}, {11, 16}}));
    return any(box(12, 11, 14, 12), poly({{12, 8}, {8, 12}, {12, 16}}));
}

Canvas renamedOld() {
    Canvas c(16, 16);
    document(c, true);
    haloed(c, renameArrow(true), kBlue, kBlueDark);
    return c;
}

Canvas renamedNew() {
    Canvas c(16, 16);
    document(c, false);
    haloed(c, renameArrow(false), kBlue, kBlueDark);
    return c;
}

void closedFolder(Canvas& c) {
    Shape tab = poly({{1, 2}, {6, 2}, {8, 4}, {1, 4}});
    framed(c, any(tab, box(1, 3, 14, 13)), kYellowDark, kFolderLine);
    framed(c, box(1, 5, 14, 13), kYellow, kFolderLine);
    fill(c, box(2, 6, 13, 6), kYellowLight);
}

Canvas folder() {
    Canvas c(16, 16);
    closedFolder(c);
    return c;
}

Canvas openFolder() {
    Canvas c(16, 16);
    Shape tab = poly({{1, 2}, {6, 2}, {8, 4}, {1, 4}});
    framed(c, any(tab, box(1, 3, 12, 13)), kYellowDark, kFolderLine);
    framed(c, box(3, 5, 10, 9), kPaper, kText);
    framed(c, poly({{4, 7}, {16, 7}, {13, 14}, {1, 14}}), kYellow, kFolderLine);
    fill(c, poly({{5, 8}, {14.2, 8}, {13.8, 9}, {4.6, 9}}), kYellowLight);
    return c;
}

Canvas save() {
    Canvas c(16, 16);
    framed(c, poly({{1, 1}, {13, 1}, {15, 3}, {15, 15}, {1, 15}}), kBlue, kBlueDark);
    fill(c, box(4, 1, 11, 5), kBlueDark);
    fill(c, box(5, 2, 11, 5), kMetal);
    fill(c, box(9, 2, 10, 4), kBlueDark);
    framed(c, box(3, 8, 12, 14), kPaper, kBlueDark);
    fill(c, box(5, 10, 10, 10), kText);
    fill(c, box(5, 12, 10, 12), kText);
    return c;
}

void helpBall(Canvas& c) {
    framed(c, disk(8, 8, 8.0), kBlue, kBlueDark);
    fill(c, both(disk(8, 8, 7.0), both(disk(6.5, 5.5, 5.0), [](double, double y) { return y < 8; })),
         kBlueSheen);
    fill(c,
         pattern(5, 3,
                 {
                     ".####.",
                     "##..##",
                     "....##",
                     "...##.",
                     "..##..",
                     "..##..",
                     "......",
                     "..##..",
                     "..##..",
                 }),
         kWhite);
}

Canvas help() {
    Canvas c(16, 16);
    helpBall(c);
    return c;
}

// Clockwise circular arrow, open at the top right, head pointing along the
// ring at the top.
Canvas update() {
    Canvas c(16, 16);
    haloed(c,
           pattern(2, 1,
                   {
                       "......#.....",
                       "......##....",
                       "....#####...",
                       "..#######...",
                       ".###..##....",
                       ".##...#.....",
                       "##..........",
                       "##........##",
                       "##........##",
                       "##........##",
                       ".##......##.",
                       ".###....###.",
                       "..########..",
                       "....####....",
                   }),
           kGreen, kGreenDark);
    // An outline inside the ring as well closes the hole up at this size; the
    // head's underside (top right of the hole) keeps its edge.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (hit(disk(8, 9, 4.3), x, y) && (x < 8 || y >= 8) && sameColour(c.at(x, y), kGreenDark))
                c.set(x, y, kClear);
    return c;
}

Canvas greyDot() {
    Canvas c(16, 16);
    haloed(c, disk(8, 8, 3.0), kGrey, kGreyDark);
    return c;
}

// Tilted eraser resting on a line.
Canvas clearIcon() {
    Canvas c(16, 16);
    const double cx = 8.5, cy = 7.5, halfLen = 6.2, halfWid = 3.0;
    const double ux = std::cos(kPi / 4), uy = -std::sin(kPi / 4);
    auto local = [=](double x, double y) {
        double dx = x - cx, dy = y - cy;
        return std::make_pair(dx * ux + dy * uy, -dx * uy + dy * ux);
    };
    Shape whole = [=](double x, double y) {
        auto [u, v] = local(x, y);
        // Rounded corners: square ones leave single-pixel spurs on the diagonal.
        double du = std::fmax(0.0, std::fabs(u) - (halfLen - 1.5));
        double dv = std::fmax(0.0, std::fabs(v) - (halfWid - 1.5));
        return std::fabs(u) <= halfLen && std::fabs(v) <= halfWid && du * du + dv * dv <= 1.5 * 1.5;
    };
    Shape tip = [=](double x, double y) {
        auto [u, v] = local(x, y);
        return u <= -0.6 && std::fabs(v) <= halfWid;
    };
    fill(c, box(2, 14, 13, 14), kGreyDark);
    framed(c, whole, kBlueLight, kInk);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (interior(whole, x, y) && hit(tip, x, y)) c.set(x, y, kPink);
    return c;
}

// Power symbol.
Canvas exitIcon() {
    Canvas c(16, 16);
    haloed(c,
           pattern(2, 1,
                   {
                       ".....##.....",
                       ".....##.....",
                       ".....##.....",
                       "..#..##..#..",
                       ".##..##..##.",
                       ".##..##..##.",
                       "##...##...##",
                       "##...##...##",
                       "##........##",
                       "##........##",
                       ".##......##.",
                       ".###....###.",
                       "..########..",
                       "....####....",
                   }),
           kRed, kRedDark);
    return c;
}

Canvas showIcon() {
    Canvas c(16, 16);
    framed(c, box(1, 2, 14, 13), kPaper, kInk);
    fill(c, box(2, 3, 13, 5), kBlue);
    fill(c, box(2, 6, 13, 6), kInk);
    fill(c, box(11, 4, 12, 4), kWhite);
    fill(c, box(3, 4, 6, 4), kBlueLight);
    fill(c, box(3, 8, 10, 8), kText);
    fill(c, box(3, 10, 8, 10), kText);
    return c;
}

// Application motif: a folder being watched by an eye. Drawn in colour roles
// so the 16-colour icon can reuse the geometry with palette colours.
struct MotifColours {
    Rgba line, back, front, frontLight, eyeLine, white, iris, irisDark, pupil;
};

const MotifColours kMotifTrueColour{kFolderLine, kYellowDark, kYellow,   kYellowLight,   kBlueDark,
                                    kWhite,      kBlue,       kBlueDark, rgb(16, 24, 44)};

void motif(Canvas& c, const MotifColours& k) {
    const double s = c.width() / 16.0;
    Shape tab = poly({{0.5 * s, 1.5 * s}, {6 * s, 1.5 * s}, {8 * s, 3.5 * s}, {0.5 * s, 3.5 * s}});
    framed(c, any(tab, rectF(0.5 * s, 3 * s, 15.5 * s, 15 * s)), k.back, k.line);
    framed(c, rectF(0.5 * s, 5 * s, 15.5 * s, 15 * s), k.front, k.line);
    fill(c, rectF(1.5 * s, 6 * s, 14.5 * s, 7 * s), k.frontLight);

    // Centred on a pixel corner so the iris comes out as an even, round blob.
    const double ex = 8 * s, ey = 10 * s;
    Shape eye = lens(ex, ey, 5.4 * s, 3.4 * s);
    haloed(c, eye, k.white, k.eyeLine);
    if (s > 1) {
        framed(c, both(eye, disk(ex, ey, 2.5 * s)), k.iris, k.irisDark);
        fill(c, disk(ex, ey, 1.0 * s), k.pupil);
        int hx = int(ex - 1.5 * s), hy = int(ey - 1.5 * s);
        fill(c, box(hx, hy, hx + 1, hy + 1), k.white);
    } else {
        // At 16 pixels a ring would swallow the iris: flat iris, 2x2 pupil, one glint.
        fill(c, disk(ex, ey, 2.0), k.iris);
        fill(c, box(7, 9, 8, 10), k.pupil);
        c.set(7, 9, k.white);
    }
}

Canvas motifCanvas(int size, const MotifColours& k) {
    Canvas c(size, size);
    motif(c, k);
    return c;
}

Canvas browseGlyph() {
    Canvas c(16, 16);
    closedFolder(c);
    for (int x : {4, 7, 10}) fill(c, box(x, 9, x + 1, 10), kInk);
    return c;
}

Canvas updateGlyph() {
    Canvas c(16, 16);
    Shape arrow = any(poly({{8, 1.5}, {14.5, 8}, {1.5, 8}}), box(6, 8, 9, 10));
    haloed(c, any(arrow, box(2, 12, 13, 13)), kGreen, kGreenDark);
    return c;
}

// ---------------------------------------------------------------------------
// File formats (little-endian Windows structures written field by field).

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

void infoHeader(Bytes& b, int w, int h, int bits, uint32_t imageSize, uint32_t coloursUsed) {
    put32(b, 40);  // BITMAPINFOHEADER
    put32(b, uint32_t(w));
    put32(b, uint32_t(h));
    put16(b, 1);
    put16(b, uint32_t(bits));
    put32(b, 0);  // BI_RGB
    put32(b, imageSize);
    put32(b, 2835);  // 72 dpi
    put32(b, 2835);
    put32(b, coloursUsed);
    put32(b, 0);
}

int rowBytes(int w, int bits) {
    return ((w * bits + 31) / 32) * 4;
}

// 24-bit bottom-up BMP; transparent pixels become the mask colour. A drawn
// pixel that happens to be the mask colour would vanish at run time, so it is
// refused here.
Bytes bmp24(const Canvas& c) {
    const int stride = rowBytes(c.width(), 24);
    const uint32_t imageSize = uint32_t(stride * c.height());
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    put32(b, 14 + 40 + imageSize);
    put32(b, 0);
    put32(b, 14 + 40);
    infoHeader(b, c.width(), c.height(), 24, imageSize, 0);
    for (int y = c.height() - 1; y >= 0; --y) {
        size_t start = b.size();
        for (int x = 0; x < c.width(); ++x) {
            Rgba p = c.at(x, y);
            if (p.a && sameColour(p, kMagenta)) throw std::runtime_error("opaque pixel uses the mask colour");
            if (!p.a) p = kMagenta;
            b.push_back(p.b);
            b.push_back(p.g);
            b.push_back(p.r);
        }
        b.resize(start + size_t(stride), 0);
    }
    return b;
}

// AND mask: 1 = transparent, bottom-up, rows padded to 32 bits.
void andMask(Bytes& b, const Canvas& c) {
    const int stride = rowBytes(c.width(), 1);
    for (int y = c.height() - 1; y >= 0; --y) {
        Bytes row(size_t(stride), 0);
        for (int x = 0; x < c.width(); ++x)
            if (!c.at(x, y).a) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

Bytes dib32(const Canvas& c) {
    const uint32_t xorSize = uint32_t(c.width() * c.height() * 4);
    const uint32_t andSize = uint32_t(rowBytes(c.width(), 1) * c.height());
    Bytes b;
    infoHeader(b, c.width(), c.height() * 2, 32, xorSize + andSize, 0);
    for (int y = c.height() - 1; y >= 0; --y)
        for (int x = 0; x < c.width(); ++x) {
            Rgba p = c.at(x, y);
            if (!p.a) p = kClear;
            b.push_back(p.b);
            b.push_back(p.g);
            b.push_back(p.r);
            b.push_back(p.a);
        }
    andMask(b, c);
    return b;
}

// Standard 16-colour Windows/VGA palette, in palette index order.
const Rgba kVga[16] = {
    rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
    rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
    rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
    rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255),
};

int vgaIndex(Rgba p) {
    for (int i = 0; i < 16; ++i)
        if (sameColour(kVga[i], p)) return i;
    throw std::runtime_error("colour outside the 16-colour palette");
}

// 4-bit DIB. The picture must already be drawn in palette colours; nothing is
// dithered, so every pixel has to match an entry exactly.
Bytes dib4(const Canvas& c) {
    const int stride = rowBytes(c.width(), 4);
    const uint32_t xorSize = uint32_t(stride * c.height());
    const uint32_t andSize = uint32_t(rowBytes(c.width(), 1) * c.height());
    Bytes b;
    infoHeader(b, c.width(), c.height() * 2, 4, xorSize + andSize, 16);
    for (const Rgba& p : kVga) {
        b.push_back(p.b);
        b.push_back(p.g);
        b.push_back(p.r);
        b.push_back(0);
    }
    for (int y = c.height() - 1; y >= 0; --y) {
        Bytes row(size_t(stride), 0);
        for (int x = 0; x < c.width(); ++x) {
            Rgba p = c.at(x, y);
            int idx = p.a ? vgaIndex(p) : 0;
            row[size_t(x / 2)] |= uint8_t(x % 2 ? idx : idx << 4);
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    andMask(b, c);
    return b;
}

struct IconImage {
    const Canvas* canvas;
    int bits;
};

Bytes ico(const std::vector<IconImage>& images) {
    std::vector<Bytes> dibs;
    for (const IconImage& im : images) dibs.push_back(im.bits == 4 ? dib4(*im.canvas) : dib32(*im.canvas));
    Bytes b;
    put16(b, 0);
    put16(b, 1);  // icon
    put16(b, uint32_t(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const Canvas& c = *images[i].canvas;
        b.push_back(uint8_t(c.width()));
        b.push_back(uint8_t(c.height()));
        b.push_back(uint8_t(images[i].bits == 4 ? 16 : 0));
        b.push_back(0);
        put16(b, 1);
        put16(b, uint32_t(images[i].bits));
        put32(b, uint32_t(dibs[i].size()));
        put32(b, offset);
        offset += uint32_t(dibs[i].size());
    }
    for (const Bytes& d : dibs) b.insert(b.end(), d.begin(), d.end());
    return b;
}

Canvas strip(const std::vector<Canvas>& cells) {
    Canvas out(16 * int(cells.size()), 16);
    for (size_t i = 0; i < cells.size(); ++i) out.blit(cells[i], 16 * int(i), 0);
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& data) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    f.close();
    if (!f) throw std::runtime_error("cannot write " + path.string());
    std::printf("%s (%zu bytes)\n", path.string().c_str(), data.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);

        const Canvas tray = motifCanvas(16, kMotifTrueColour);
        const Canvas app32 = motifCanvas(32, kMotifTrueColour);

        // Cell order is fixed by the resource indices the program uses.
        writeFile(dir / "imagemsg.bmp",
                  bmp24(strip({created(), deleted(), modified(), renamedOld(), renamedNew(), folder(), save(),
                               openFolder(), help(), update(), greyDot(), clearIcon(), greyDot(), exitIcon(),
                               greyDot(), showIcon(), greyDot(), tray})));
        writeFile(dir / "glyphs.bmp", bmp24(strip({browseGlyph(), help(), updateGlyph()})));
        writeFile(dir / "vemora.ico", ico({{&tray, 32}, {&app32, 32}}));
        writeFile(dir / "tray.ico", ico({{&tray, 32}}));

        const MotifColours vga{kVga[0],  kVga[3],  kVga[11], kVga[15], kVga[4],
                               kVga[15], kVga[12], kVga[4],  kVga[0]};
        const Canvas about = motifCanvas(32, vga);
        writeFile(dir / "image1.ico", ico({{&about, 4}}));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vemora-imagegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
