// The geometry of one menu window: item heights, the window size, the item rectangles with
// the scroll bands, and where the window goes against the work area.
#pragma once

#include <vector>

#include "skin/data/frame_info.h"
#include "skin/data/skin_objects.h"
#include "skin/draw/geometry.h"
#include "skin/draw/nine_area.h"

namespace vemora::skin {

// Scroll bands at the top and bottom of a scrolling menu.
inline constexpr int kScrollBandHeight = 10;

// The skin parts a menu window is drawn from; each is absent when the skin lacks it.
struct PopupSkin {
    const TspDataSkinPopupWindow* window = nullptr;  // only with a window picture
    int pictureWidth = 0;
    int pictureHeight = 0;
    const TspDataSkinMenuItem* item = nullptr;
};

struct PopupItemMetrics {
    int textWidth = 0;  // the caption (and shortcut) as measured, + 2
    bool divider = false;
};

struct PopupSize {
    int width = 0;
    int height = 0;
    bool scrollMode = false;
    bool maxItemsMode = false;
    Rect itemsRect;         // for this size
    NineAreaPoints points;  // the window picture's points and items rectangle for this size
};

// With a menu item object: its skinrect height, or dividerrect height for a divider; else
// the default height and 4.
int PopupItemHeight(const PopupSkin& skin, int defaultHeight, bool divider);
// The rows the window frame takes beyond the items rectangle.
int PopupFrameHeight(const PopupSkin& skin);
// The window picture's own points and items rectangle.
NineAreaPoints PopupSourcePoints(const PopupSkin& skin);

// glyphWidth: the glyph column (image width + 5 with an image list, else 16).
PopupSize FitPopupSize(const std::vector<PopupItemMetrics>& items, const PopupSkin& skin, int defaultHeight,
                       int maxItems, int glyphWidth, int workAreaHeight);

struct PopupRow {
    Rect rect;
    bool visible = false;
};
// Lays the rows out from firstVisible; returns how many are visible.
int LayOutPopupRows(std::vector<PopupRow>& rows, const std::vector<int>& heights, const Rect& itemsRect,
                    bool scrollMode, int firstVisible);
// The first visible index of the last page: as many items as fit counting up from the bottom.
int LastPageFirstIndex(const std::vector<int>& heights, const Rect& itemsRect);

struct PopupPlacement {
    Point position;
    bool shifted = false;
};
struct PopupPlaceRequest {
    Rect anchor;
    Rect workArea;
    int width = 0;
    int height = 0;
    int itemsTop = 0;  // top of the items rectangle for this size
    bool submenu = false;
    bool upward = false;
    bool firstLevel = false;
    bool scrollMode = false;
    bool maxItemsMode = false;
};
PopupPlacement PlacePopup(const PopupPlaceRequest& r);

}  // namespace vemora::skin
