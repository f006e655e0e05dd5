// The skinned page control's geometry apart from Windows: the tab row's height, each tab's
// picture, the frame around the pages, the page background tile, the display rectangle the
// pages get inside the frame, and when the tabs need scroll arrows.
#pragma once

#include <vector>

#include "skin/data/skin_controls.h"
#include "skin/draw/geometry.h"
#include "skin/draw/image.h"

namespace vemora::skin {

enum class TabPosition { tpTop, tpBottom, tpLeft, tpRight };

// The tab row's height: TabHeight when > 0, else the record's tab height, else the default.
int TabItemHeight(const TspDataSkinTabControl* record, int tabHeight, int defaultItemHeight);

// The record's tab rectangle for a state, with its fallbacks.
Rect TabSourceRect(const TspDataSkinTabControl& record, bool mouseOver, bool selected, bool focused);
SkinColor TabFontColor(const TspDataSkinTabControl& record, bool mouseOver, bool selected, bool focused);

// A tab `width` wide: fixed ends of the record's offsets, the middle tiled; stretched to
// tabHeight when that is > 0.
Image24 BuildTabImage(const TspDataSkinTabControl& record, const Image24& picture, const Rect& source,
                      int width, int tabHeight);

// The frame around the pages drawn into `frame` of the target (the inside is left alone), and
// the tab band beside it tiled with the record's band picture.
void DrawPageFrame(Image24& target, const Rect& frame, const TspDataSkinTabControl& record,
                   const Image24& picture);
void DrawTabBand(Image24& target, const Rect& frame, TabPosition position,
                 const TspDataSkinTabControl& record, const Image24& picture);

// The frame rectangle around a page display rectangle.
Rect PageFrameRect(const Rect& display, const TspDataSkinTabControl& record);

// The part of the picture a page tiles over its background (the frame's inside).
Rect PageTileRect(const TspDataSkinTabControl& record);

// The display rectangle after the platform's own answer `adjusted`, for a client of size cw × ch.
Rect AdjustDisplayRect(const Rect& adjusted, int cw, int ch, TabPosition position,
                       const TspDataSkinTabControl* record);

// How many visible tabs lie beyond the right limit or at or left of 0; 0 means no arrows.
int TabsOutOfView(const std::vector<Rect>& tabs, int controlWidth, int upDownWidth);

}  // namespace vemora::skin
