// The pixels of a menu window: the window picture or the built-in frame, each visible item
// from the menu item object or in the built-in look, and the scroll markers.
#include <algorithm>

#include "skin/draw/copy_rect.h"
#include "skin/draw/marks.h"
#include "skin/draw/nine_area.h"
#include "skin/draw/win/dib_section.h"
#include "skin/draw/win/gdi_draw.h"
#include "skin/menus/win/popup_window.h"
#include "win/text.h"

namespace vemora::skin {
namespace {

constexpr COLORREF kBuiltInHotFrame = 0x800000;  // navy
constexpr COLORREF kBuiltInHotFill = 0xD2BDB6;
constexpr int kBuiltInGlyphColumn = 19;
constexpr int kBuiltInWindowGlyphColumn = 22;  // no image list

PixelColor SysPixel(int index) {
    return PixelFromColorRef(GetSysColor(index));
}

void FillRectPixels(Image24& image, const Rect& r, PixelColor color) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, image.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, image.Width()); ++x)
            image.SetPixel(x, y, color);
}

void FrameRectPixels(Image24& image, const Rect& r, PixelColor color) {
    FillRectPixels(image, {r.left, r.top, r.right, r.top + 1}, color);
    FillRectPixels(image, {r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillRectPixels(image, {r.left, r.top, r.left + 1, r.bottom}, color);
    FillRectPixels(image, {r.right - 1, r.top, r.right, r.bottom}, color);
}

// The frame's own items carry the glyph of their command.
bool DrawFrameGlyph(Image24& image, const std::string& name, int x, int y, PixelColor color) {
    if (name == "DSF_CLOSE" || name == "TRAY_DSF_CLOSE")
        DrawCloseGlyph(image, x, y, color);
    else if (name == "DSF_MINITEM")
        DrawMinimizeGlyph(image, x, y, color);
    else if (name == "DSF_MAXITEM")
        DrawMaximizeGlyph(image, x, y, color);
    else if (name == "DSF_RESTORE" || name == "TRAY_DSF_RESTORE")
        DrawRestoreGlyph(image, x, y, color);
    else if (name == "DSF_ROLLUP")
        DrawTriangleUpGlyph(image, x, y, color);
    else if (name == "DSF_MINTOTRAY")
        DrawTrayGlyph(image, x, y, color);
    else
        return false;
    return true;
}

void DrawGlyph(Image24& image, const TMenuItem& item, int x, int middle, PixelColor color, int checkX) {
    if (DrawFrameGlyph(image, item.Name, x, middle - 4, color) || !item.Checked) return;
    if (item.RadioItem)
        FillShape(image, RadioDotShape(checkX, middle - 3), color);
    else
        DrawCheckMark(image, checkX, middle - 4, color);
}

void DrawSubmenuArrow(Image24& image, int x, int y, PixelColor color) {
    for (int i = 0; i < 4; ++i) FillShape(image, LineShape({x + i, y + i}, {x + i, y + 7 - i}), color);
}

// What GDI draws after the pixels: the texts of one item.
struct ItemText {
    std::string caption;
    std::string shortcut;
    Rect captionRect;  // left edge and vertical extent
    int shortcutRight = 0;
    COLORREF color = 0;
};

ItemText SkinnedItem(Image24& image, const PopupLevel& level, const TspSkinMenuItem& entry) {
    const TspDataSkinMenuItem& o = *level.skin.item;
    const Image24& picture = level.skinData->ActivePictures[size_t(o.ActivePictureIndex)];
    const Rect& r = entry.rect;
    const int width = RectWidth(r);
    const bool divider = entry.item->IsLine();
    const bool active = entry.hot || entry.open;
    const Image24 strip =
        divider ? TileStripH(o.DividerLeftOffset, o.DividerRightOffset, picture, o.DividerRect, width)
                : TileStripH(o.ItemLeftOffset, o.ItemRightOffset, picture,
                             active ? o.ActiveSkinRect : o.SkinRect, width);
    CopyRect(image, r, strip, {0, 0, strip.Width(), strip.Height()});
    if (divider) return {};
    const Rect t{r.left + o.TextRect.left, r.top + o.TextRect.top,
                 r.left + o.TextRect.right + width - RectWidth(o.SkinRect), r.top + o.TextRect.bottom};
    const SkinColor color = active                ? o.ActiveFontColor
                            : entry.item->Enabled ? o.FontColor
                                                  : o.UnEnabledFontColor;
    const PixelColor pixel = PixelFromColorRef(uint32_t(color));
    const int middle = (t.top + t.bottom) / 2;
    DrawGlyph(image, *entry.item, t.left + 2, middle, pixel, t.left + 2);
    if (entry.HasChildren()) DrawSubmenuArrow(image, t.right - 7, middle - 4, pixel);
    return {entry.item->Caption,
            entry.item->ShortCutText,
            {t.left + level.glyphWidth, t.top, t.right, t.bottom},
            t.right - 16,
            COLORREF(color)};
}

ItemText BuiltInItem(Image24& image, const TspSkinMenuItem& entry) {
    const Rect& r = entry.rect;
    const bool divider = entry.item->IsLine();
    const int g = kBuiltInGlyphColumn;
    if ((entry.hot || entry.open) && !divider) {
        FillRectPixels(image, r, PixelFromColorRef(kBuiltInHotFill));
        FrameRectPixels(image, r, PixelFromColorRef(kBuiltInHotFrame));
    } else {
        FillRectPixels(image, {r.left, r.top, r.left + g, r.bottom}, SysPixel(COLOR_BTNFACE));
        FillRectPixels(image, {r.left + g, r.top, r.right, r.bottom}, SysPixel(COLOR_WINDOW));
    }
    if (divider) {
        const int y = r.top + RectHeight(r) / 2;
        FillRectPixels(image, {r.left + g, y, r.right, y + 1}, SysPixel(COLOR_BTNSHADOW));
        return {};
    }
    const Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    const COLORREF color =
        entry.item->Enabled || entry.hot ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_BTNSHADOW);
    const int middle = (inner.top + inner.bottom) / 2;
    DrawGlyph(image, *entry.item, inner.left + 2, middle, PixelFromColorRef(color), inner.left + 3);
    if (entry.HasChildren()) DrawSubmenuArrow(image, inner.right - 7, middle - 4, PixelFromColorRef(color));
    return {entry.item->Caption,
            entry.item->ShortCutText,
            {inner.left + g, inner.top, inner.right, inner.bottom},
            inner.right - 19,
            color};
}

void WindowImage(Image24& image, const PopupLevel& level) {
    const int w = level.size.width;
    const int h = level.size.height;
    if (const TspDataSkinPopupWindow* window = level.skin.window) {
        const Image24& picture = level.skinData->ActivePictures[size_t(window->WindowPictureIndex)];
        const Image24 composed = BuildStretchNineAreaImage(
            PopupSourcePoints(level.skin), level.size.points, picture,
            {0, 0, picture.Width(), picture.Height()}, w, h, level.ScrollMode(),
            {window->LeftStretch, window->TopStretch, window->RightStretch, window->BottomStretch});
        CopyRect(image, {0, 0, w, h}, composed, {0, 0, w, h});
        return;
    }
    FillRectPixels(image, {0, 0, w, h}, SysPixel(COLOR_WINDOW));
    FillRectPixels(image, {0, 0, kBuiltInWindowGlyphColumn, h}, SysPixel(COLOR_BTNFACE));
    FrameRectPixels(image, {0, 0, w, h}, SysPixel(COLOR_BTNSHADOW));
    FrameRectPixels(image, {1, 1, w - 1, h - 1}, SysPixel(COLOR_WINDOW));
}

void ScrollMarkers(Image24& image, const PopupLevel& level) {
    PixelColor normal = SysPixel(COLOR_BTNSHADOW);
    PixelColor active = SysPixel(COLOR_BTNTEXT);
    if (const TspDataSkinPopupWindow* window = level.skin.window) {
        normal = PixelFromColorRef(uint32_t(window->ScrollMarkerColor));
        active = PixelFromColorRef(uint32_t(window->ScrollMarkerActiveColor));
    }
    DrawArrowMark(image, level.TopBand(), level.scrollCode == 1 ? active : normal, int(ArrowDirection::kUp));
    DrawArrowMark(image, level.BottomBand(), level.scrollCode == 2 ? active : normal,
                  int(ArrowDirection::kDown));
}

void DrawItemText(HDC dc, const ItemText& text) {
    SetTextColor(dc, text.color);
    std::wstring caption = win::Widen(text.caption);
    RECT r{text.captionRect.left, text.captionRect.top, text.captionRect.right, text.captionRect.bottom};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (text.shortcut.empty()) return;
    std::wstring shortcut = win::Widen(text.shortcut);
    r.right = text.shortcutRight;
    DrawTextW(dc, shortcut.c_str(), int(shortcut.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

}  // namespace

void PaintPopupLevel(HDC dc, const PopupLevel& level, MenuFonts& fonts) {
    DibSection dib(level.size.width, level.size.height);
    if (dib.IsEmpty()) return;
    Image24 image = dib.View();
    WindowImage(image, level);
    std::vector<ItemText> texts;
    for (const TspSkinMenuItem& entry : level.items) {
        if (!entry.visible || IsEmptyRect(entry.rect)) continue;
        texts.push_back(level.skin.item ? SkinnedItem(image, level, entry) : BuiltInItem(image, entry));
    }
    if (level.ScrollMode()) ScrollMarkers(image, level);

    // Text goes on top of the finished pixels, through GDI on the same section.
    HDC memory = dib.Dc();
    const HGDIOBJ oldFont = SelectObject(memory, fonts.Get(level.font));
    SetBkMode(memory, TRANSPARENT);
    for (const ItemText& text : texts) {
        if (!text.caption.empty()) DrawItemText(memory, text);
    }
    SelectObject(memory, oldFont);
    dib.Draw(dc, 0, 0);
}

}  // namespace vemora::skin
