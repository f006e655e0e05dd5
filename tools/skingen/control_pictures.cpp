// Active pictures 1 to 4: push buttons, check and radio marks, panels and the page control.
#include "palette.h"
#include "pictures.h"

namespace vemora::skin::gen {

namespace {

constexpr Rgb kTabBorder = Hex(0xB4BDC9);

}  // namespace

// Four 100 × 21 looks stacked: normal, hot, pressed, disabled. Only the last four columns
// are a fixed end; the rest is tiled, so every column but the left end is alike.
Canvas DrawPushButtons() {
    Canvas c(100, 84, kClientBg);
    const FaceLook looks[] = {kNormalFace, kHotFace, kDownFace, kDisabledFace};
    for (int i = 0; i < 4; ++i) DrawFace(c, Rect{0, 21 * i, 100, 21 * i + 21}, AllCorners(3), looks[i]);
    return c;
}

// Row 0: check box marks, row 1: radio marks, each in the order checked, unchecked, hot
// checked, hot unchecked, disabled checked, disabled unchecked. Below them the 60 × 21
// backgrounds of the framed (non-flat) look: normal, then hot.
Canvas DrawCheckMarks() {
    Canvas c(120, 51, kClientBg);
    const MarkState states[] = {MarkState::kNormal, MarkState::kHot, MarkState::kDisabled};
    for (int row = 0; row < 2; ++row) {
        Mark mark = row == 0 ? Mark::kCheck : Mark::kRadio;
        for (int i = 0; i < 6; ++i) DrawMark(c, 15 * i, 15 * row, mark, i % 2 == 0, states[i / 2]);
    }
    DrawFace(c, Rect{60, 30, 120, 51}, AllCorners(3),
             FaceLook{kSelectionBorder, Hex(0xF2F7FD), Hex(0xE6EEFA), 0});
    return c;
}

// Panel 0,0,59,52 (a soft two-line edge), group box 60,0,119,52 (rounded, with a caption
// band), status bar 0,52,60,71, status panel 0,71,60,90 (the bar with a groove at its
// right end), label 0,90,33,109 (plain surface).
Canvas DrawPanels() {
    Canvas c(120, 110, kClientBg);
    c.Fill(Rect{0, 0, 59, 52}, Hex(0xDCE1E8));
    c.Fill(Rect{1, 1, 58, 51}, Mix(kClientBg, kWhite, 0.75));
    c.Fill(Rect{2, 2, 57, 50}, kClientBg);

    DrawFace(c, Rect{60, 0, 119, 52}, AllCorners(3), FaceLook{Hex(0xC9D0DA), kClientBg, kClientBg, 0});
    c.Draw(RoundBox(61, 1, 118, 18, TopCorners(2)), Rect{61, 1, 118, 18},
           VerticalGradient(1, 18, Hex(0xFAFBFC), Hex(0xEBEEF2)));
    c.Fill(Rect{61, 18, 118, 19}, Hex(0xD3D9E1));

    for (int top : {52, 71}) {
        c.Fill(Rect{0, top, 60, top + 1}, kSeparator);
        c.Fill(Rect{0, top + 1, 60, top + 2}, Mix(Hex(0xF0F2F5), kWhite, 0.8));
        c.Fill(Rect{0, top + 2, 60, top + 19},
               VerticalGradient(top + 2, top + 19, Hex(0xF0F2F5), Hex(0xE4E7EC)));
    }
    c.Fill(Rect{57, 75, 58, 86}, kSeparator);
    c.Fill(Rect{58, 75, 59, 86}, kWhite);
    return c;
}

namespace {

// A tab of the page control in the rectangle r; a selected tab runs down over the frame's
// top line (its last row) and merges with the page.
void DrawTab(Canvas& c, const Rect& r, bool selected, Rgb border, Rgb top, Rgb bottom, Rgb cap) {
    const int shapeTop = selected ? r.top : r.top + 2;
    const Rect shapeArea{r.left, r.top, r.right - 1, r.bottom};
    c.Draw(RoundBox(r.left, shapeTop, r.right - 1, r.bottom + 3, TopCorners(3)), shapeArea, border);
    c.Draw(RoundBox(r.left + 1, shapeTop + 1, r.right - 2, r.bottom + 3, TopCorners(2)), shapeArea,
           VerticalGradient(shapeTop + 1, r.bottom, top, bottom));
    if (selected) {
        c.Draw(RoundBox(r.left, r.top, r.right - 1, r.top + 3, TopCorners(3)), shapeArea, cap);
        c.Put(r.right - 1, r.bottom - 1, kTabBorder);  // the frame's top line continues in the gap
    }
}

}  // namespace

// Page frame 0,0,59,52 with the page inside 2,2,57,50; tabs 59 wide: normal 0,52,59,70,
// selected 0,70,59,89, hot 0,89,59,107, selected with focus 0,107,59,126; the tab row's
// background 59,52,69,70.
Canvas DrawPageControl() {
    Canvas c(69, 126, kClientBg);
    DrawFace(c, Rect{0, 0, 59, 52}, AllCorners(2), FaceLook{kTabBorder, kPageBg, kPageBg, 0});
    c.Draw(Without(Box(1, 1, 58, 51), Box(2, 2, 57, 50)), Rect{1, 1, 58, 51}, kWhite, 0.9);

    DrawTab(c, Rect{0, 52, 59, 70}, false, kTabBorder, Hex(0xF4F6F9), Hex(0xE4E8EE), kAccent);
    DrawTab(c, Rect{0, 70, 59, 89}, true, kTabBorder, kPageBg, kPageBg, kAccent);
    DrawTab(c, Rect{0, 89, 59, 107}, false, Hex(0x9DB8DD), Hex(0xF8FBFE), Hex(0xE3ECF9), kAccent);
    DrawTab(c, Rect{0, 107, 59, 126}, true, kTabBorder, kPageBg, kPageBg, kAccentDark);
    return c;
}

}  // namespace vemora::skin::gen
