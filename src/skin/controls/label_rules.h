// The size and text rules of the panel, label and status panel apart from Windows.
#pragma once

#include "skin/controls/custom_control.h"
#include "skin/data/skin_values.h"
#include "skin/draw/geometry.h"

namespace vemora::skin {

enum class TspSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// The rectangle a panel aligns its children in.
Rect PanelClientRect(const TspSkinCustomControlModel& skin, Size size, TspSkinBorderStyle border,
                     bool captionMode, int defaultCaptionHeight, bool hasBackgroundPicture);

// Where one line of text of the given size goes in r.
Point AlignTextIn(const Rect& r, Size text, TextAlignment alignment);

// How many pixels a label's (or status panel's) caption needs beyond its text area: textWidth
// is measured in the font the label draws with, glyphWidth is 0 without a glyph (a status
// panel adds its frame width + 3).
int CaptionWidthExcess(const TspSkinCustomControlModel& skin, int width, int textWidth, int glyphExtra = 0);

// A label's size rule: the record's rule with UseSkinSize (or a free-size record), else a free
// size with the record's horizontal points; then grown by the caption's excess with AutoSize.
Size FitLabelSize(TspSkinCustomControlModel& skin, Size requested, bool useSkinSize, bool autoSize,
                  int textWidth, int glyphExtra = 0);

}  // namespace vemora::skin
