// Active picture 0: the caption buttons. The frame places minimize, maximize and close side
// by side under the top outline (window rows 1..17), so they are drawn as one cluster
// hanging from the outline: minimize carries the left end, close the right end, and each
// button draws only its right and bottom border so neighbours share one line. Every look
// carries the caption gradient of the rows it covers around its rounded ends.
#include "palette.h"
#include "pictures.h"

namespace vemora::skin::gen {

namespace {

enum class Place { kLeftEnd, kMiddle, kRightEnd, kAlone };
enum class State { kNormal, kHot, kDown, kInactive };
enum class Glyph { kMinimize, kMaximize, kRestore, kClose, kSysMenu };

struct Look {
    Rgb border;
    Rgb top;
    Rgb bottom;
    Rgb glyph;
    double highlight;
};

constexpr int kButtonHeight = 17;   // window rows 1..17
constexpr int kSysMenuHeight = 15;  // window rows 3..17, centred in the caption rectangle

Look LookFor(Glyph g, State s) {
    const FrameColors& f = s == State::kInactive ? kInactiveFrame : kActiveFrame;
    bool close = g == Glyph::kClose;
    switch (s) {
        case State::kHot:
            if (close) return Look{kCloseBorder, kCloseTop, kCloseBottom, kWhite, 0.3};
            return Look{f.buttonBorder, Hex(0xEEF5FE), Hex(0xCCDEF5), kText, 0.85};
        case State::kDown:
            if (close) return Look{kCloseBorder, kClosePressedTop, kClosePressedBottom, Hex(0xF6E3E1), 0};
            return Look{f.buttonBorder, Hex(0xB9CDE9), Hex(0xD2DFF1), kText, 0};
        case State::kNormal:
        case State::kInactive:
            break;
    }
    return Look{f.buttonBorder, f.buttonTop, f.buttonBottom, f.glyph, 0.85};
}

Shape GlyphShape(Glyph g, int cx) {
    switch (g) {
        case Glyph::kMinimize:
            return Box(cx - 4, 10, cx + 5, 12);
        case Glyph::kMaximize:
            return Without(Box(cx - 4, 4, cx + 5, 12), Box(cx - 3, 6, cx + 4, 11));
        case Glyph::kRestore: {
            Shape back = Without(Box(cx - 2, 3, cx + 5, 9), Box(cx - 1, 5, cx + 4, 8));
            Shape front = Without(Box(cx - 4, 6, cx + 3, 12), Box(cx - 3, 8, cx + 2, 11));
            return Either(Without(back, Box(cx - 4, 6, cx + 3, 12)), front);
        }
        case Glyph::kClose: {
            double l = cx - 3.5, r = cx + 4.5, t = 4.5, b = 12.5;
            return Either(Stroke(l, t, r, b, 1.55), Stroke(r, t, l, b, 1.55));
        }
        case Glyph::kSysMenu:
            // A small window with a title bar: the program's own window in miniature.
            return Without(Box(cx - 5, 2, cx + 6, 11), Box(cx - 4, 5, cx + 5, 10));
    }
    return Box(0, 0, 0, 0);
}

// One button look, width × height, with the caption rows it covers starting at frameRow.
Canvas DrawButton(int width, int height, int frameRow, Place place, Glyph glyph, State state) {
    const FrameColors& f = state == State::kInactive ? kInactiveFrame : kActiveFrame;
    const Look look = LookFor(glyph, state);
    Canvas c(width, height, kWhite);
    c.Fill(Rect{0, 0, width, height}, [&](int, int y) { return CaptionRow(f, frameRow + y); });
    const Rect all{0, 0, width, height};

    if (place == Place::kAlone) {
        if (state == State::kHot || state == State::kDown)
            DrawFace(c, all, AllCorners(2.5), FaceLook{kBorderHot, look.top, look.bottom, look.highlight});
    } else {
        const double left = place == Place::kLeftEnd ? 3 : 0, right = place == Place::kRightEnd ? 3 : 0;
        const int leftBorder = place == Place::kLeftEnd ? 1 : 0;
        // Drawn from above the picture, so the face runs up into the window's outline.
        c.Draw(RoundBox(0, -3, width, height, Radii{0, 0, right, left}), all, look.border);
        Shape face = RoundBox(leftBorder, -3, width - 1, height - 1,
                              Radii{0, 0, right > 0 ? right - 1 : 0, left > 0 ? left - 1 : 0});
        c.Draw(face, all, VerticalGradient(0, height - 1, look.top, look.bottom));
        c.Draw(Box(leftBorder, 0, width - 1, 1), all, kWhite, look.highlight);
    }
    c.Draw(GlyphShape(glyph, width / 2), all, look.glyph);
    return c;
}

// Puts a look into the picture's rectangle. A rectangle one pixel wider than the look
// repeats its last column, one narrower drops its first (a plain face column), so the
// frame's scaling copy to the button's own width loses or doubles only such a column.
void PutLook(Canvas& picture, const Canvas& look, const Rect& r) {
    int width = RectWidth(r);
    int from = width < look.Width() ? look.Width() - width : 0;
    picture.Paste(look, Rect{from, 0, look.Width(), look.Height()}, r.left, r.top);
    for (int x = look.Width() - from; x < width; ++x)
        for (int y = 0; y < look.Height(); ++y)
            picture.Put(r.left + x, r.top + y, look.At(look.Width() - 1, y));
}

struct Entry {
    Rect rect;
    int width;
    Glyph glyph;
    State state;
};

}  // namespace

Canvas DrawCaptionButtons() {
    Canvas picture(128, 188, kActiveFrame.body);
    const Entry close[] = {{{1, 2, 44, 19}, 43, Glyph::kClose, State::kNormal},
                           {{1, 21, 44, 38}, 43, Glyph::kClose, State::kHot},
                           {{1, 39, 44, 56}, 43, Glyph::kClose, State::kDown},
                           {{83, 129, 126, 146}, 43, Glyph::kClose, State::kInactive}};
    const Entry minimize[] = {{{3, 62, 28, 79}, 25, Glyph::kMinimize, State::kNormal},
                              {{3, 82, 28, 99}, 25, Glyph::kMinimize, State::kHot},
                              {{3, 103, 28, 120}, 25, Glyph::kMinimize, State::kDown},
                              {{33, 129, 58, 146}, 25, Glyph::kMinimize, State::kInactive},
                              {{3, 127, 28, 144}, 25, Glyph::kRestore, State::kNormal},
                              {{3, 147, 28, 164}, 25, Glyph::kRestore, State::kHot},
                              {{3, 168, 29, 185}, 25, Glyph::kRestore, State::kDown}};
    const Entry maximize[] = {{{52, 3, 77, 20}, 25, Glyph::kMaximize, State::kNormal},
                              {{52, 23, 78, 40}, 25, Glyph::kMaximize, State::kHot},
                              {{52, 43, 78, 60}, 25, Glyph::kMaximize, State::kDown},
                              {{58, 129, 83, 146}, 25, Glyph::kMaximize, State::kInactive},
                              {{53, 65, 78, 82}, 25, Glyph::kRestore, State::kNormal},
                              {{53, 85, 77, 102}, 25, Glyph::kRestore, State::kHot},
                              {{53, 105, 78, 122}, 25, Glyph::kRestore, State::kDown}};
    const Entry sysMenu[] = {{{33, 67, 50, 82}, 17, Glyph::kSysMenu, State::kNormal},
                             {{33, 86, 50, 101}, 17, Glyph::kSysMenu, State::kHot},
                             {{33, 104, 50, 119}, 17, Glyph::kSysMenu, State::kDown},
                             {{87, 150, 104, 165}, 17, Glyph::kSysMenu, State::kInactive}};
    for (const Entry& e : close)
        PutLook(picture, DrawButton(e.width, kButtonHeight, 1, Place::kRightEnd, e.glyph, e.state), e.rect);
    for (const Entry& e : minimize)
        PutLook(picture, DrawButton(e.width, kButtonHeight, 1, Place::kLeftEnd, e.glyph, e.state), e.rect);
    for (const Entry& e : maximize)
        PutLook(picture, DrawButton(e.width, kButtonHeight, 1, Place::kMiddle, e.glyph, e.state), e.rect);
    for (const Entry& e : sysMenu)
        PutLook(picture, DrawButton(e.width, kSysMenuHeight, 3, Place::kAlone, e.glyph, e.state), e.rect);
    return picture;
}

}  // namespace vemora::skin::gen
