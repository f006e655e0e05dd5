// The skin's colours. Every picture draws from these, so the frame, the controls and the
// menus read as one family: cool light greys, one blue accent, one red for closing.
#pragma once

#include "canvas.h"

namespace vemora::skin::gen {

// Surfaces. Controls are drawn against these, so their smoothed corners blend into them.
inline constexpr Rgb kClientBg = Hex(0xF3F5F8);  // form client area, panels, labels
inline constexpr Rgb kPageBg = Hex(0xFBFCFD);    // inside the page control
inline constexpr Rgb kWhite = Hex(0xFFFFFF);
inline constexpr Rgb kKey = Hex(0xFF00FF);  // the colour drawn transparently by the controls

// Text, and symbols drawn in its colour (the description's font colours match).
inline constexpr Rgb kText = Hex(0x1F2733);

// Control outlines by state.
inline constexpr Rgb kBorder = Hex(0xA9B2BF);
inline constexpr Rgb kBorderHot = Hex(0x6E9BD8);
inline constexpr Rgb kBorderDown = Hex(0x4F7FC0);
inline constexpr Rgb kBorderDisabled = Hex(0xCDD2D9);
inline constexpr Rgb kSeparator = Hex(0xC8CED7);

// Control faces by state, top and bottom of their gradients.
inline constexpr Rgb kFaceTop = Hex(0xFFFFFF);
inline constexpr Rgb kFaceBottom = Hex(0xEBEEF2);
inline constexpr Rgb kHotTop = Hex(0xF7FAFE);
inline constexpr Rgb kHotBottom = Hex(0xDFEAF9);
inline constexpr Rgb kDownTop = Hex(0xCFDDF2);
inline constexpr Rgb kDownBottom = Hex(0xE0E9F6);
inline constexpr Rgb kDisabledTone = Hex(0xF5F6F8);

// The accent: checked boxes, selected tabs, progress.
inline constexpr Rgb kAccent = Hex(0x2F74D0);
inline constexpr Rgb kAccentLight = Hex(0x4C8DE2);
inline constexpr Rgb kAccentDark = Hex(0x2560B4);
inline constexpr Rgb kSelection = Hex(0xDCE8F8);
inline constexpr Rgb kSelectionBorder = Hex(0xA7C3EC);

// Glyphs on buttons and arrows.
inline constexpr Rgb kGlyph = Hex(0x3A4350);
inline constexpr Rgb kGlyphDisabled = Hex(0xA7AEB8);

// Close button.
inline constexpr Rgb kCloseTop = Hex(0xE5564B);
inline constexpr Rgb kCloseBottom = Hex(0xCB3A30);
inline constexpr Rgb kClosePressedTop = Hex(0xB3332A);
inline constexpr Rgb kClosePressedBottom = Hex(0x9C2A22);
inline constexpr Rgb kCloseBorder = Hex(0x9E2C25);

// The window frame, active and inactive.
struct FrameColors {
    Rgb captionTop;    // first caption row under the outline
    Rgb body;          // caption bottom and the borders
    Rgb outline;       // outermost pixel ring
    Rgb highlight;     // ring just inside the outline
    Rgb inset;         // line around the client area
    Rgb buttonBorder;  // caption button cluster
    Rgb buttonTop;     // caption button face
    Rgb buttonBottom;
    Rgb glyph;  // caption button symbols
};

inline constexpr FrameColors kActiveFrame{Hex(0xFCFDFE), Hex(0xE3E7ED), Hex(0x7F8896),
                                          Hex(0xFFFFFF), Hex(0xBCC3CD), Hex(0x97A0AD),
                                          Hex(0xFAFBFD), Hex(0xE4E8EE), Hex(0x343C48)};
inline constexpr FrameColors kInactiveFrame{Hex(0xF8F9FA), Hex(0xEDEFF2), Hex(0xA9AFB8),
                                            Hex(0xFFFFFF), Hex(0xD2D6DC), Hex(0xC4C9D0),
                                            Hex(0xF8F9FA), Hex(0xEEF0F3), Hex(0xA2A9B3)};

// The frame picture's geometry the caption buttons are drawn to match.
inline constexpr int kFrameWidth = 378;
inline constexpr int kFrameHeight = 169;
inline constexpr int kCaptionBottom = 26;  // the client inset line's row; the gradient ends above it

// Colour of the caption at frame row y (0 is the outline row).
inline Rgb CaptionRow(const FrameColors& f, int y) {
    return VerticalGradient(1, kCaptionBottom, f.captionTop, f.body)(0, y);
}

}  // namespace vemora::skin::gen
