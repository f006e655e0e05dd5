#include "skin/menus/popup_layout.h"

#include <algorithm>

namespace vemora::skin {

int PopupItemHeight(const PopupSkin& skin, int defaultHeight, bool divider) {
    if (skin.item) return RectHeight(divider ? skin.item->DividerRect : skin.item->SkinRect);
    return divider ? 4 : defaultHeight;
}

int PopupFrameHeight(const PopupSkin& skin) {
    return skin.window ? skin.pictureHeight - RectHeight(skin.window->ItemsRect) : 6;
}

NineAreaPoints PopupSourcePoints(const PopupSkin& skin) {
    if (!skin.window) return {};
    const TspDataSkinPopupWindow& w = *skin.window;
    return {w.LeftTopPoint, w.RightTopPoint, w.LeftBottomPoint, w.RightBottomPoint, w.ItemsRect};
}

namespace {

void SetSizeGeometry(PopupSize& size, const PopupSkin& skin) {
    if (!skin.window) {
        size.itemsRect = {3, 3, size.width - 3, size.height - 3};
        return;
    }
    const NineAreaPoints source = PopupSourcePoints(skin);
    const int dw = size.width - skin.pictureWidth;
    const int dh = size.height - skin.pictureHeight;
    size.points.lt = source.lt;
    size.points.rt = {source.rt.x + dw, source.rt.y};
    size.points.lb = {source.lb.x, source.lb.y + dh};
    size.points.rb = {source.rb.x + dw, source.rb.y + dh};
    size.points.client = source.client;
    size.points.client.right += dw;
    size.points.client.bottom += dh;
    size.itemsRect = size.points.client;
}

}  // namespace

PopupSize FitPopupSize(const std::vector<PopupItemMetrics>& items, const PopupSkin& skin, int defaultHeight,
                       int maxItems, int glyphWidth, int workAreaHeight) {
    PopupSize size;
    int widest = 0;
    int total = 0;
    for (const PopupItemMetrics& item : items) {
        widest = std::max(widest, item.textWidth);
        total += PopupItemHeight(skin, defaultHeight, item.divider);
    }
    const int content = widest + glyphWidth + 16;
    if (skin.window) {
        const Rect text = skin.item ? skin.item->TextRect : Rect{};
        const int skinWidth = skin.item ? RectWidth(skin.item->SkinRect) : 0;
        size.width = content + text.left + (skinWidth - text.right) +
                     (skin.pictureWidth - RectWidth(skin.window->ItemsRect));
    } else {
        size.width = content + 10;
    }
    const int frame = PopupFrameHeight(skin);
    if (maxItems > 0 && maxItems < int(items.size())) {
        size.height = maxItems * PopupItemHeight(skin, defaultHeight, false) + frame + 2 * kScrollBandHeight;
        size.scrollMode = size.maxItemsMode = true;
    } else {
        size.height = total + frame;
    }
    if (size.height > workAreaHeight) {
        size.height = workAreaHeight;
        size.scrollMode = true;
    }
    SetSizeGeometry(size, skin);
    return size;
}

int LayOutPopupRows(std::vector<PopupRow>& rows, const std::vector<int>& heights, const Rect& itemsRect,
                    bool scrollMode, int firstVisible) {
    rows.assign(heights.size(), PopupRow{});
    const int band = scrollMode ? kScrollBandHeight : 0;
    const int bottom = itemsRect.bottom - band;
    int y = itemsRect.top + band;
    int count = 0;
    for (size_t i = size_t(std::max(firstVisible, 0)); i < heights.size(); ++i) {
        if (y + heights[i] > bottom) break;
        rows[i] = {{itemsRect.left, y, itemsRect.right, y + heights[i]}, true};
        y += heights[i];
        ++count;
    }
    return count;
}

int LastPageFirstIndex(const std::vector<int>& heights, const Rect& itemsRect) {
    int room = RectHeight(itemsRect) - 2 * kScrollBandHeight;
    int k = 0;
    for (size_t i = heights.size(); i-- > 0;) {
        if (heights[i] > room) break;
        room -= heights[i];
        ++k;
    }
    return int(heights.size()) - std::max(k, 1);
}

PopupPlacement PlacePopup(const PopupPlaceRequest& r) {
    const Rect& a = r.anchor;
    const Rect& w = r.workArea;
    const bool upperHalf = a.top < w.top + RectHeight(w) / 2;
    PopupPlacement p;
    int& y = p.position.y;
    if (r.scrollMode && !r.maxItemsMode) {
        y = w.top;
    } else if (r.submenu) {
        if (a.top + r.height - r.itemsTop <= w.bottom)
            y = a.top - r.itemsTop;
        else if (upperHalf)
            y = w.bottom - r.height;
        else
            y = std::max(a.bottom + r.itemsTop - r.height, w.top);
    } else if (r.upward) {
        if (a.top - r.height >= w.top) {
            y = a.top - r.height;
        } else if (upperHalf) {
            if (a.bottom + r.height <= w.bottom) {
                y = a.bottom;
            } else {
                y = w.bottom - r.height;
                p.shifted = true;
            }
        } else {
            y = w.top;
            p.shifted = true;
        }
    } else if (a.bottom + r.height <= w.bottom) {
        y = a.bottom;
    } else {
        y = upperHalf ? w.bottom - r.height : std::max(a.top - r.height, w.top);
        p.shifted = true;
    }
    int& x = p.position.x;
    if (r.firstLevel && !(r.scrollMode && !r.maxItemsMode) && !p.shifted) {
        x = a.left;
        if (x + r.width > w.right) x = w.right - r.width;
        if (a.left < w.left) x = w.left;
    } else {
        x = a.right + 1 + r.width <= w.right ? a.right + 1 : a.left - r.width - 1;
    }
    return p;
}

}  // namespace vemora::skin
