// Active pictures 9 to 14: the popup menu and hint windows with their masks, the menu items
// and bar pieces, and the expanding panel. The two window pictures are used whole, 40 × 20,
// with a 2-pixel edge around their inner rectangle 2,2,38,18; their masks round the corners
// by the same profile the edge is drawn along.
#include <algorithm>
#include <array>

#include "palette.h"
#include "pictures.h"

namespace vemora::skin::gen {

namespace {

constexpr int kWindowWidth = 40;
constexpr int kWindowHeight = 20;
constexpr std::array<int, 2> kWindowCut{2, 1};  // pixels cut from each end of the outer rows
constexpr double kWindowRadius = 4;             // the curve that cut follows

bool InsideSmallWindow(int x, int y) {
    int row = y < int(kWindowCut.size()) ? y : kWindowHeight - 1 - y;
    if (row >= int(kWindowCut.size())) return true;
    int cut = kWindowCut[size_t(row)];
    return x >= cut && x < kWindowWidth - cut;
}

Canvas DrawSmallWindow(Rgb border, Rgb fill) {
    Canvas c(kWindowWidth, kWindowHeight, kWhite);
    const Shape outer = RoundBox(0, 0, kWindowWidth, kWindowHeight, AllCorners(kWindowRadius));
    const Shape inner = RoundBox(1, 1, kWindowWidth - 1, kWindowHeight - 1, AllCorners(kWindowRadius - 1));
    for (int y = 0; y < kWindowHeight; ++y)
        for (int x = 0; x < kWindowWidth; ++x) {
            if (!InsideSmallWindow(x, y)) continue;
            c.Put(x, y, fill);
            // What lies beyond the curve but inside the cut shows the border colour.
            double edge = Coverage(outer, x, y) - Coverage(inner, x, y) + (1 - Coverage(outer, x, y));
            c.Blend(x, y, border, std::min(1.0, edge));
        }
    return c;
}

Canvas DrawSmallWindowMask() {
    Canvas c(kWindowWidth, kWindowHeight, kWhite);
    for (int y = 0; y < kWindowHeight; ++y)
        for (int x = 0; x < kWindowWidth; ++x)
            if (InsideSmallWindow(x, y)) c.Put(x, y, Rgb{});
    return c;
}

}  // namespace

Canvas DrawMenuWindow() {
    return DrawSmallWindow(Hex(0xA3ACB8), kWhite);
}
Canvas DrawMenuWindowMask() {
    return DrawSmallWindowMask();
}
Canvas DrawHintWindow() {
    return DrawSmallWindow(Hex(0x7C8693), kWhite);
}
Canvas DrawHintWindowMask() {
    return DrawSmallWindowMask();
}

namespace {

constexpr Rgb kBarTop = Hex(0xF8F9FB);
constexpr Rgb kBarBottom = Hex(0xE9ECF0);

enum class Symbol { kClose, kMaximize, kRestore, kMinimize, kSysMenu, kUp, kDown, kLeft, kRight };

// A caption symbol sized for 14 × 14 and 16 × 14 buttons, centred on pixel (cx, cy).
void DrawSymbol(Canvas& c, const Rect& bounds, int cx, int cy, Symbol s, Rgb color) {
    switch (s) {
        case Symbol::kClose: {
            double l = cx - 2.5, r = cx + 3.5, t = cy - 2.5, b = cy + 3.5;
            c.Draw(Either(Stroke(l, t, r, b, 1.4), Stroke(r, t, l, b, 1.4)), bounds, color);
            break;
        }
        case Symbol::kMaximize:
            c.Draw(Without(Box(cx - 3, cy - 3, cx + 4, cy + 3), Box(cx - 2, cy - 1, cx + 3, cy + 2)), bounds,
                   color);
            break;
        case Symbol::kRestore: {
            Shape back = Without(Box(cx - 1, cy - 4, cx + 4, cy), Box(cx, cy - 3, cx + 3, cy - 1));
            Shape frontArea = Box(cx - 3, cy - 1, cx + 2, cy + 4);
            Shape front = Without(frontArea, Box(cx - 2, cy + 1, cx + 1, cy + 3));
            c.Draw(Either(Without(back, frontArea), front), bounds, color);
            break;
        }
        case Symbol::kMinimize:
            c.Fill(Rect{cx - 3, cy + 2, cx + 4, cy + 4}, color);
            break;
        case Symbol::kSysMenu:
            for (int dy : {-3, 0, 3}) c.Fill(Rect{cx - 3, cy + dy, cx + 4, cy + dy + 1}, color);
            break;
        case Symbol::kUp:
            DrawArrow(c, cx, cy, 4, Direction::kUp, color);
            break;
        case Symbol::kDown:
            DrawArrow(c, cx, cy, 4, Direction::kDown, color);
            break;
        case Symbol::kLeft:
            DrawArrow(c, cx, cy, 4, Direction::kLeft, color);
            break;
        case Symbol::kRight:
            DrawArrow(c, cx, cy, 4, Direction::kRight, color);
            break;
    }
}

// A small button on a bar: state 0 shows only the symbol on the bar, 1 hot, 2 pressed.
void DrawBarButton(Canvas& c, const Rect& r, Symbol s, int state, const Paint& bar) {
    c.Fill(r, bar);
    if (state == 1) DrawFace(c, r, AllCorners(2), kHotFace);
    if (state == 2) DrawFace(c, r, AllCorners(2), kDownFace);
    DrawSymbol(c, r, (r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2, s, state == 0 ? kGlyph : kText);
}

Paint BarRows(int barTop, int barBottom) {
    return VerticalGradient(barTop, barBottom, kBarTop, kBarBottom);
}

// A tool bar surface of the given height at row top: gradient, light top edge, dark base line.
void DrawToolBar(Canvas& c, const Rect& r) {
    c.Fill(r, BarRows(r.top, r.bottom));
    c.Fill(Rect{r.left, r.top, r.right, r.top + 1}, kWhite);
    c.Fill(Rect{r.left, r.bottom - 1, r.right, r.bottom}, kSeparator);
}

void DrawGrip(Canvas& c, int x, int y, bool vertical) {
    for (int i = 0; i < 3; ++i) {
        int gx = vertical ? x : x + 3 * i, gy = vertical ? y + 3 * i : y;
        c.Fill(Rect{gx, gy, gx + 2, gy + 2}, kWhite);
        c.Fill(Rect{gx, gy, gx + 1, gy + 1}, Hex(0x9EA7B3));
    }
}

// Tool buttons of size w × h standing on a tool bar whose top lies two rows above them.
void DrawToolButtons(Canvas& c, int x, int y, int w, int h, int barHeight) {
    for (int state = 0; state < 3; ++state) {
        Rect r{x + w * state, y, x + w * state + w, y + h};
        c.Fill(r, BarRows(y - 2, y - 2 + barHeight));
        if (state == 1) DrawFace(c, r, AllCorners(3), kHotFace);
        if (state == 2) DrawFace(c, r, AllCorners(3), kDownFace);
    }
}

}  // namespace

// Menu items 0,0,63,20 (normal) and 0,20,63,40 (highlighted); divider 0,40,63,43. Main
// menu bar 0,63,60,83 with its items 0,43,40,63 / 40,43,80,63 / 80,43,120,63 (normal, hot,
// pressed). Menu bar buttons 16 × 14, normal/hot/pressed side by side: row 83 close (x 0),
// maximize (48), its restore looks (96); row 97 minimize (0), its restore looks (48),
// system menu (96). Control bar 0,111,60,137 with its band 60,111,120,137. Tool panel
// 0,137,60,163 with tool buttons 60,137,84,159 / 84,… / 108,…; big tool panel 0,163,60,211
// with big tool buttons 60,163,100,207 / 100,… / 140,…; splitters 132,137,138,167
// (vertical) and 138,137,168,143 (horizontal); tool menu buttons 0,211,36,233 / 36,… / 72,….
Canvas DrawBars() {
    Canvas c(180, 233, kClientBg);
    c.Fill(Rect{0, 0, 63, 43}, kWhite);
    DrawFace(c, Rect{1, 21, 62, 39}, AllCorners(2), FaceLook{kSelectionBorder, Hex(0xE6EFFB), kSelection, 0});
    c.Fill(Rect{18, 41, 60, 42}, Hex(0xDDE1E7));

    const Paint menuBar = BarRows(63, 83);
    c.Fill(Rect{0, 63, 60, 83}, menuBar);
    c.Fill(Rect{0, 82, 60, 83}, kSeparator);
    const Paint itemBar = BarRows(43, 63);
    c.Fill(Rect{0, 43, 120, 63}, itemBar);
    DrawFace(c, Rect{41, 44, 79, 62}, AllCorners(2), kHotFace);
    DrawFace(c, Rect{81, 44, 119, 62}, AllCorners(2), kDownFace);

    const Symbol rows[2][3] = {{Symbol::kClose, Symbol::kMaximize, Symbol::kRestore},
                               {Symbol::kMinimize, Symbol::kRestore, Symbol::kSysMenu}};
    for (int row = 0; row < 2; ++row)
        for (int group = 0; group < 3; ++group)
            for (int state = 0; state < 3; ++state) {
                int x = 48 * group + 16 * state, y = 83 + 14 * row;
                DrawBarButton(c, Rect{x, y, x + 16, y + 14}, rows[row][group], state, BarRows(y - 3, y + 17));
            }

    DrawToolBar(c, Rect{0, 111, 60, 137});
    DrawToolBar(c, Rect{60, 111, 120, 137});
    DrawFace(c, Rect{62, 113, 118, 135}, AllCorners(3), FaceLook{Hex(0xD0D6DE), kHotTop, kFaceBottom, 0.8});
    DrawGrip(c, 65, 119, true);

    DrawToolBar(c, Rect{0, 137, 60, 163});
    DrawToolButtons(c, 60, 137, 24, 22, 26);
    DrawToolBar(c, Rect{0, 163, 60, 211});
    DrawToolButtons(c, 60, 163, 40, 44, 48);

    c.Fill(Rect{132, 137, 138, 167}, kClientBg);
    DrawGrip(c, 134, 148, true);
    c.Fill(Rect{138, 137, 168, 143}, kClientBg);
    DrawGrip(c, 149, 139, false);

    DrawToolButtons(c, 0, 211, 36, 22, 26);
    for (int state = 0; state < 3; ++state) {
        int x = 36 * state;
        if (state > 0) c.Fill(Rect{x + 23, 214, x + 24, 230}, state == 1 ? kBorderHot : kBorderDown);
        DrawArrow(c, x + 29, 222, 3, Direction::kDown, kGlyph);
    }
    return c;
}

// Expanding panel 0,0,80,60 with a caption band 20 high; its rolled-up looks 0,60,80,80
// (a caption bar) and 80,42,100,122 (a caption column). Caption buttons 14 × 14, normal,
// hot and pressed stacked: close at x 80, roll up 94, roll down 108, roll left 122, roll
// right 136.
Canvas DrawExPanel() {
    Canvas c(150, 122, kClientBg);
    const Rgb border = Hex(0xC9D0DA);
    DrawFace(c, Rect{0, 0, 80, 60}, AllCorners(3), FaceLook{border, kClientBg, kClientBg, 0});
    c.Draw(RoundBox(1, 1, 79, 20, TopCorners(2)), Rect{1, 1, 79, 20}, BarRows(1, 20));
    c.Fill(Rect{1, 20, 79, 21}, kSeparator);

    DrawFace(c, Rect{0, 60, 80, 80}, AllCorners(3), FaceLook{border, kBarTop, kBarBottom, 0.8});
    c.Draw(RoundBox(80, 42, 100, 122, AllCorners(3)), Rect{80, 42, 100, 122}, border);
    c.Draw(RoundBox(81, 43, 99, 121, AllCorners(2)), Rect{80, 42, 100, 122},
           [](int x, int) { return Mix(kBarTop, kBarBottom, (x - 81) / 17.0); });

    const Symbol symbols[] = {Symbol::kClose, Symbol::kUp, Symbol::kDown, Symbol::kLeft, Symbol::kRight};
    for (int i = 0; i < 5; ++i)
        for (int state = 0; state < 3; ++state) {
            int x = 80 + 14 * i, y = 14 * state;
            DrawBarButton(c, Rect{x, y, x + 14, y + 14}, symbols[i], state, BarRows(y - 3, y + 16));
        }
    return c;
}

}  // namespace vemora::skin::gen
