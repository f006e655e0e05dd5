// Active pictures 5 to 8: the arrow pairs and scroll bars, the text fields and lists, the
// gauges and track bars. The up-down pairs sit at the origin of their pictures, so their
// button rectangles read the same in the control's and in the picture's coordinates.
#include "palette.h"
#include "pictures.h"

namespace vemora::skin::gen {

namespace {

constexpr Rgb kTrack = Hex(0xEEF1F4);
constexpr Rgb kTrackBorder = Hex(0xD3D9E0);
constexpr Rgb kThumb = Hex(0xC9D0D9);
constexpr Rgb kThumbHot = Hex(0xAEB8C5);
constexpr Rgb kThumbDown = Hex(0x94A0B0);

const FaceLook& LookAt(int state) {
    static const FaceLook looks[] = {kNormalFace, kHotFace, kDownFace, kDisabledFace};
    return looks[state];
}

int Mid(int from, int to) {
    return (from + to - 1) / 2;
}

// One half of an arrow pair: the first half owns the rounded start and the shared border.
void DrawArrowHalf(Canvas& c, const Rect& r, bool first, bool horizontal, Direction d, const FaceLook& look) {
    Radii radii = horizontal ? (first ? Radii{3, 0, 0, 3} : Radii{0, 3, 3, 0})
                             : (first ? Radii{3, 3, 0, 0} : Radii{0, 0, 3, 3});
    if (horizontal) {
        DrawSegment(c, r, radii, first, look);
    } else {
        // Stacked halves share a row instead of a column.
        c.Draw(RoundBox(r.left, r.top, r.right, r.bottom, radii), r, look.border);
        Shape inner = RoundBox(r.left + 1, r.top + (first ? 1 : 0), r.right - 1, r.bottom - 1,
                               Radii{first ? 2.0 : 0, first ? 2.0 : 0, first ? 0 : 2.0, first ? 0 : 2.0});
        c.Draw(inner, r, VerticalGradient(r.top, r.bottom - 1, look.top, look.bottom));
    }
    // Centred in the face, which starts at the shared border of the second half.
    int left = horizontal && !first ? r.left : r.left + 1, top = !horizontal && !first ? r.top : r.top + 1;
    DrawArrow(c, Mid(left, r.right - 1), Mid(top, r.bottom - 1), 4, d, kGlyph);
}

// A pair of arrow buttons in r, split along its length; state per half: 0 normal, 1 hot,
// 2 pressed.
void DrawArrowPair(Canvas& c, const Rect& r, bool horizontal, int firstState, int secondState) {
    if (horizontal) {
        int mid = r.left + RectWidth(r) / 2;
        DrawArrowHalf(c, Rect{r.left, r.top, mid, r.bottom}, true, true, Direction::kLeft,
                      LookAt(firstState));
        DrawArrowHalf(c, Rect{mid, r.top, r.right, r.bottom}, false, true, Direction::kRight,
                      LookAt(secondState));
    } else {
        int mid = r.top + RectHeight(r) / 2;
        DrawArrowHalf(c, Rect{r.left, r.top, r.right, mid}, true, false, Direction::kUp, LookAt(firstState));
        DrawArrowHalf(c, Rect{r.left, mid, r.right, r.bottom}, false, false, Direction::kDown,
                      LookAt(secondState));
    }
}

// A lone arrow button (scroll bars, spin buttons).
void DrawArrowButton(Canvas& c, const Rect& r, Direction d, int state, double radius = 2) {
    DrawFace(c, r, AllCorners(radius), LookAt(state));
    DrawArrow(c, Mid(r.left, r.right), Mid(r.top, r.bottom), RectHeight(r) < 12 && RectWidth(r) < 12 ? 3 : 4,
              d, state == 3 ? kGlyphDisabled : kGlyph);
}

void DrawThumb(Canvas& c, const Rect& r, Rgb fill, bool horizontal) {
    Rect inset = horizontal ? Rect{r.left, r.top + 3, r.right, r.bottom - 3}
                            : Rect{r.left + 3, r.top, r.right - 3, r.bottom};
    c.Draw(RoundBox(inset.left, inset.top, inset.right, inset.bottom, AllCorners(5)), r, fill);
}

}  // namespace

// hupdown 0,0,36,18 (down half left, up half right); hot halves 0,18,18,36 / 18,18,36,36;
// pressed halves 0,36,18,54 / 18,36,36,54. Horizontal scroll bar 0,54,120,70 with its
// hot and pressed arrows 0,70,16,86 … 48,70,64,86 and thumbs 64,70,94,86 (normal),
// 94,70,124,86 (hot), 0,86,30,102 (pressed).
Canvas DrawHorizontalArrows() {
    Canvas c(124, 102, kClientBg);
    DrawArrowPair(c, Rect{0, 0, 36, 18}, true, 0, 0);
    for (int state = 1; state <= 2; ++state) {
        int top = 18 * state;
        DrawArrowHalf(c, Rect{0, top, 18, top + 18}, true, true, Direction::kLeft, LookAt(state));
        DrawArrowHalf(c, Rect{18, top, 36, top + 18}, false, true, Direction::kRight, LookAt(state));
    }
    c.Fill(Rect{0, 54, 120, 70}, kTrack);
    c.Fill(Rect{0, 54, 120, 55}, kTrackBorder);
    c.Fill(Rect{0, 69, 120, 70}, kTrackBorder);
    DrawArrowButton(c, Rect{0, 54, 16, 70}, Direction::kLeft, 0);
    DrawArrowButton(c, Rect{104, 54, 120, 70}, Direction::kRight, 0);
    DrawArrowButton(c, Rect{0, 70, 16, 86}, Direction::kLeft, 1);
    DrawArrowButton(c, Rect{16, 70, 32, 86}, Direction::kLeft, 2);
    DrawArrowButton(c, Rect{32, 70, 48, 86}, Direction::kRight, 1);
    DrawArrowButton(c, Rect{48, 70, 64, 86}, Direction::kRight, 2);
    c.Fill(Rect{64, 70, 124, 86}, kTrack);
    c.Fill(Rect{0, 86, 30, 102}, kTrack);
    DrawThumb(c, Rect{64, 70, 94, 86}, kThumb, true);
    DrawThumb(c, Rect{94, 70, 124, 86}, kThumbHot, true);
    DrawThumb(c, Rect{0, 86, 30, 102}, kThumbDown, true);
    return c;
}

// vupdown 0,0,18,36 (up half on top); hot halves 18,0,36,18 / 18,18,36,36; pressed halves
// 36,0,54,18 / 36,18,54,36. Vertical scroll bar 54,0,70,120 with its hot and pressed
// arrows 70,0,86,16 … 70,48,86,64 and thumbs 86,0,102,30 / 86,30,102,60 / 86,60,102,90.
Canvas DrawVerticalArrows() {
    Canvas c(102, 120, kClientBg);
    DrawArrowPair(c, Rect{0, 0, 18, 36}, false, 0, 0);
    for (int state = 1; state <= 2; ++state) {
        int left = 18 * state;
        DrawArrowHalf(c, Rect{left, 0, left + 18, 18}, true, false, Direction::kUp, LookAt(state));
        DrawArrowHalf(c, Rect{left, 18, left + 18, 36}, false, false, Direction::kDown, LookAt(state));
    }
    c.Fill(Rect{54, 0, 70, 120}, kTrack);
    c.Fill(Rect{54, 0, 55, 120}, kTrackBorder);
    c.Fill(Rect{69, 0, 70, 120}, kTrackBorder);
    DrawArrowButton(c, Rect{54, 0, 70, 16}, Direction::kUp, 0);
    DrawArrowButton(c, Rect{54, 104, 70, 120}, Direction::kDown, 0);
    DrawArrowButton(c, Rect{70, 0, 86, 16}, Direction::kUp, 1);
    DrawArrowButton(c, Rect{70, 16, 86, 32}, Direction::kUp, 2);
    DrawArrowButton(c, Rect{70, 32, 86, 48}, Direction::kDown, 1);
    DrawArrowButton(c, Rect{70, 48, 86, 64}, Direction::kDown, 2);
    c.Fill(Rect{86, 0, 102, 90}, kTrack);
    DrawThumb(c, Rect{86, 0, 102, 30}, kThumb, false);
    DrawThumb(c, Rect{86, 30, 102, 60}, kThumbHot, false);
    DrawThumb(c, Rect{86, 60, 102, 90}, kThumbDown, false);
    return c;
}

namespace {

constexpr FaceLook kField{kBorder, kWhite, kWhite, 0};
constexpr FaceLook kFieldHot{kBorderHot, kWhite, kWhite, 0};

void DrawDots(Canvas& c, const Rect& r, Rgb color) {
    int y = Mid(r.top, r.bottom) + 2, x = Mid(r.left, r.right);
    for (int dx : {-4, -1, 2}) c.Fill(Rect{x + dx, y, x + dx + 2, y + 2}, color);
}

}  // namespace

// Text field 0,0,60,21 and hot 60,0,120,21; list box 0,21,60,81 and hot 60,21,120,81;
// combo buttons (normal, hot, pressed, disabled) 120,0,136,17 … 120,51,136,68 and the same
// ellipsis buttons at x 136; list items 0,81,60,99 (plain), 60,81,120,99 (selected),
// 0,99,60,117 (selected with focus); check marks 120,68,135,83 / 135,68,150,83; grid cells
// 60,99,120,117 (fixed), 60,117,120,135 (selected), 60,135,120,153 (focused); captioned
// list 0,117,60,177; spin arrows 16 × 10: up 120,83 / 136,83 / 120,93, down 120,103 /
// 136,103 / 120,113 (normal, hot, pressed).
Canvas DrawFields() {
    Canvas c(152, 177, kClientBg);
    DrawFace(c, Rect{0, 0, 60, 21}, AllCorners(2), kField);
    DrawFace(c, Rect{60, 0, 120, 21}, AllCorners(2), kFieldHot);
    DrawFace(c, Rect{0, 21, 60, 81}, AllCorners(2), kField);
    DrawFace(c, Rect{60, 21, 120, 81}, AllCorners(2), kFieldHot);
    for (int state = 0; state < 4; ++state) {
        Rect combo{120, 17 * state, 136, 17 * state + 17}, dots{136, 17 * state, 152, 17 * state + 17};
        DrawArrowButton(c, combo, Direction::kDown, state);
        DrawFace(c, dots, AllCorners(2), LookAt(state));
        DrawDots(c, dots, state == 3 ? kGlyphDisabled : kGlyph);
    }
    c.Fill(Rect{0, 81, 60, 99}, kWhite);
    c.Fill(Rect{60, 81, 120, 99}, kWhite);
    DrawFace(c, Rect{61, 81, 119, 99}, AllCorners(2), FaceLook{kSelectionBorder, kSelection, kSelection, 0});
    c.Fill(Rect{0, 99, 60, 117}, kWhite);
    DrawFace(c, Rect{1, 99, 59, 117}, AllCorners(2), FaceLook{kAccentDark, kAccentLight, kAccent, 0});
    DrawMark(c, 120, 68, Mark::kCheck, true, MarkState::kNormal);
    DrawMark(c, 135, 68, Mark::kCheck, false, MarkState::kNormal);

    c.Fill(Rect{60, 99, 120, 117}, VerticalGradient(99, 117, Hex(0xF8F9FB), Hex(0xE7EAEF)));
    c.Fill(Rect{60, 116, 120, 117}, kSeparator);
    c.Fill(Rect{119, 99, 120, 117}, kSeparator);
    c.Fill(Rect{60, 117, 120, 135}, kSelection);
    c.Fill(Rect{60, 135, 120, 153}, kSelection);
    c.Draw(Without(Box(60, 135, 120, 153), Box(61, 136, 119, 152)), Rect{60, 135, 120, 153}, kAccent);

    DrawFace(c, Rect{0, 117, 60, 177}, AllCorners(2), kField);
    c.Draw(RoundBox(1, 118, 59, 136, TopCorners(1)), Rect{1, 118, 59, 136},
           VerticalGradient(118, 136, Hex(0xF8F9FB), Hex(0xE9ECF0)));
    c.Fill(Rect{1, 135, 59, 136}, kSeparator);

    const Rect spins[] = {{120, 83, 136, 93},   {136, 83, 152, 93},   {120, 93, 136, 103},
                          {120, 103, 136, 113}, {136, 103, 152, 113}, {120, 113, 136, 123}};
    for (int i = 0; i < 6; ++i)
        DrawArrowButton(c, spins[i], i < 3 ? Direction::kUp : Direction::kDown, i % 3, 1.5);
    return c;
}

// Gauge 0,0,60,14 with its progress 0,14,60,24; vertical gauge 104,0,118,60 with its
// progress 118,0,128,60; horizontal track bar 0,24,80,44 with thumbs 80,24,91,44 (normal)
// and 91,24,102,44 (hot); vertical track bar 0,44,20,124 with thumbs 20,44,40,55 and
// 40,44,60,55; slider rulers 0,124,60,132 and 80,60,88,120, thumbs 60,124,71,140 and
// 88,60,104,71. Thumbs stand on the key colour, drawn transparently.
Canvas DrawGauges() {
    Canvas c(128, 140, kClientBg);
    const FaceLook track{kBorder, Hex(0xE6E9EE), Hex(0xF1F3F6), 0};
    DrawFace(c, Rect{0, 0, 60, 14}, AllCorners(3), track);
    DrawFace(c, Rect{104, 0, 118, 60}, AllCorners(3), track);
    const FaceLook bar{kAccentDark, kAccentLight, kAccent, 0.35};
    DrawFace(c, Rect{0, 14, 60, 24}, AllCorners(2), bar);
    c.Fill(Rect{118, 0, 128, 60}, [](int x, int) { return Mix(kAccentLight, kAccent, (x - 118) / 9.0); });

    const FaceLook groove{kBorder, Hex(0xDDE2E8), Hex(0xE8EBEF), 0};
    DrawFace(c, Rect{6, 32, 74, 37}, AllCorners(2), groove);
    DrawFace(c, Rect{7, 50, 12, 118}, AllCorners(2), groove);
    DrawFace(c, Rect{0, 127, 60, 130}, AllCorners(1), groove);
    DrawFace(c, Rect{83, 60, 86, 120}, AllCorners(1), groove);

    struct Thumb {
        Rect r;
        int state;
    };
    const Thumb thumbs[] = {{{80, 24, 91, 44}, 0}, {{91, 24, 102, 44}, 1},  {{20, 44, 40, 55}, 0},
                            {{40, 44, 60, 55}, 1}, {{60, 124, 71, 140}, 0}, {{88, 60, 104, 71}, 0}};
    for (const Thumb& t : thumbs) {
        c.Fill(t.r, kKey);
        Rect face{t.r.left + 1, t.r.top + 1, t.r.right - 1, t.r.bottom - 1};
        c.Fill(face, kClientBg);  // the smoothed corners blend into the surface the bar sits on
        DrawFace(c, face, AllCorners(2.5), LookAt(t.state));
        KeyOutside(c, RoundBox(face.left, face.top, face.right, face.bottom, AllCorners(2.5)), t.r);
    }
    return c;
}

}  // namespace vemora::skin::gen
