#include "skin/controls/win/skin_panel.h"

#include "skin/draw/copy_rect.h"
#include "win/window.h"

namespace vemora::skin {
namespace {

void DrawBorder(HDC dc, int w, int h, TspSkinBorderStyle style) {
    if (style == TspSkinBorderStyle::bvNone) return;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF topLeft = shadow, bottomRight = shadow;
    if (style == TspSkinBorderStyle::bvRaised) topLeft = light;
    if (style == TspSkinBorderStyle::bvLowered) bottomRight = light;
    win::UniqueBrush a(CreateSolidBrush(topLeft)), b(CreateSolidBrush(bottomRight));
    const RECT top{0, 0, w, 1}, left{0, 0, 1, h}, bottom{0, h - 1, w, h}, right{w - 1, 0, w, h};
    FillRect(dc, &top, a.get());
    FillRect(dc, &left, a.get());
    FillRect(dc, &bottom, b.get());
    FillRect(dc, &right, b.get());
}

}  // namespace

bool TspSkinPanel::Create(HWND parent, int x, int y, int w, int h) {
    return CreateSkinned(L"TspSkinPanel", "", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, x, y, w,
                         h, parent);
}

Rect TspSkinPanel::ClientRectForChildren() {
    skin_.LoadSkinRecord();
    if (skin_.Skinned()) skin_.FitSkinSize(Width(), Height());
    const auto* record = skin_.RecordAs<TspDataSkinPanelControl>();
    const bool background = record && record->BGPictureIndex >= 0 &&
                            record->BGPictureIndex < int(skin_.SkinData->ActivePictures.size());
    return PanelClientRect(skin_, {Width(), Height()}, BorderStyle, false, 22, background);
}

void TspSkinPanel::PaintSkinImage(DibSection& image) {
    const auto* record = skin_.RecordAs<TspDataSkinPanelControl>();
    Image24 view = image.View();
    const Rect whole{0, 0, image.Width(), image.Height()};
    if (record && record->BGPictureIndex >= 0 &&
        record->BGPictureIndex < int(skin_.SkinData->ActivePictures.size())) {
        const Image24& tile = skin_.SkinData->ActivePictures[record->BGPictureIndex];
        TileRect(view, whole, tile, {0, 0, tile.Width(), tile.Height()});
        return;
    }
    if (BorderStyle == TspSkinBorderStyle::bvNone && skin_.StretchKind() == 1) {
        const Rect& s = skin_.Geometry().skinRect;
        const Rect& cl = skin_.Geometry().client;
        TileRect(view, whole, skin_.Picture(),
                 {s.left + cl.left, s.top + cl.top, s.left + cl.right, s.top + cl.bottom});
        return;
    }
    const Image24 picture = skin_.BuildSkinImage(skin_.Geometry().skinRect);
    CopyRect(view, {0, 0, picture.Width(), picture.Height()}, picture,
             {0, 0, picture.Width(), picture.Height()});
}

void TspSkinPanel::PaintDefaultImage(DibSection& image) {
    TspSkinControl::PaintDefaultImage(image);
    DrawBorder(image.Dc(), image.Width(), image.Height(), BorderStyle);
}

LRESULT TspSkinPanel::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (win::ReflectToControl(msg, wp, lp, result)) return result;
    if (msg == WM_SIZE) {
        const LRESULT r = TspSkinControl::SubclassMessage(msg, wp, lp);
        AlignChildren();
        return r;
    }
    return TspSkinControl::SubclassMessage(msg, wp, lp);
}

bool TspSkinLabel::Create(HWND parent, int x, int y, int w, int h, std::string_view caption) {
    return CreateSkinned(L"TspSkinLabel", caption, 0, 0, x, y, w, h, parent);
}

int TspSkinLabel::TextWidth() {
    const std::string text = Text();
    if (text.empty() || !hwnd()) return 0;
    skin_.LoadSkinRecord();
    const auto* record = skin_.RecordAs<TspDataSkinLabelControl>();
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    SelectObject(dc.get(), record ? TextFont(record->Font) : DefaultHFont());
    return MeasureText(dc.get(), text).width;
}

Size TspSkinLabel::FitBounds(Size, Size requested) {
    skin_.LoadSkinRecord();
    if (skin_.Skinned() && skin_.StretchKind() == 0) autoSize_ = false;
    const bool grow = autoSize_;
    Size size = FitLabelSize(skin_, requested, UseSkinSize, grow, grow ? TextWidth() : 0);
    if (!skin_.Skinned() && grow) {
        const int excess = CaptionWidthExcess(skin_, size.width, TextWidth());
        if (excess > 0) size.width += excess;
    }
    return size;
}

void TspSkinLabel::AdjustWidth() {
    if (!hwnd()) return;
    skin_.LoadSkinRecord();
    if (skin_.Skinned()) skin_.FitSkinSize(Width(), Height());
    const int excess = CaptionWidthExcess(skin_, Width(), TextWidth());
    if (excess != 0) {
        // Shrinking too: the label takes exactly its caption's width.
        const bool autoSize = autoSize_;
        autoSize_ = false;
        ResizeTo({Width() + excess, Height()});
        autoSize_ = autoSize;
    }
}

void TspSkinLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize) AdjustWidth();
}

void TspSkinLabel::DrawCaption(DibSection& image, const Rect& r) {
    const auto* record = skin_.RecordAs<TspDataSkinLabelControl>();
    HDC dc = image.Dc();
    COLORREF color = Enabled() ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT);
    if (record) {
        SelectObject(dc, TextFont(record->Font));
        color = ColorOf(record->FontColor);
    } else {
        SelectObject(dc, DefaultHFont());
    }
    const std::string text = Text();
    if (text.empty()) return;
    const Size size = MeasureText(dc, text);
    const Point at = AlignTextIn(r, size, Alignment);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    DrawTextLine(dc, text, {at.x, at.y, at.x + size.width, at.y + size.height}, color, DT_LEFT | DT_NOCLIP);
    RestoreDC(dc, saved);
}

void TspSkinLabel::PaintSkinImage(DibSection& image) {
    Image24 view = image.View();
    if (UseSkinSize || skin_.StretchKind() == 1) {
        const Image24 picture = skin_.BuildSkinImage(skin_.Geometry().skinRect);
        CopyRect(view, {0, 0, picture.Width(), picture.Height()}, picture,
                 {0, 0, picture.Width(), picture.Height()});
        DrawCaption(image, skin_.Fitted().target.client);
        return;
    }
    const CustomSkinGeometry& g = skin_.Geometry();
    const Image24 strip =
        TileStripH(g.lt.x, g.SkinWidth() - g.rt.x, skin_.Picture(), g.skinRect, image.Width());
    CopyRect(view, {0, 0, image.Width(), image.Height()}, strip, {0, 0, strip.Width(), strip.Height()});
    Rect text = skin_.Fitted().target.client;
    text.bottom += image.Height() - g.SkinHeight();
    DrawCaption(image, text);
}

void TspSkinLabel::PaintDefaultImage(DibSection& image) {
    TspSkinControl::PaintDefaultImage(image);
    DrawBorder(image.Dc(), image.Width(), image.Height(), BorderStyle);
    DrawCaption(image, {2, 2, image.Width() - 2, image.Height() - 2});
}

LRESULT TspSkinLabel::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETTEXT) {
        const LRESULT result = TspSkinControl::SubclassMessage(msg, wp, lp);
        if (autoSize_) AdjustWidth();
        return result;
    }
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;  // a label takes no clicks from the controls under it
    return TspSkinControl::SubclassMessage(msg, wp, lp);
}

void TspSkinStatusPanel::PaintSkinImage(DibSection& image) {
    Image24 view = image.View();
    const Image24 picture = skin_.BuildSkinImage(skin_.Geometry().skinRect);
    CopyRect(view, {0, 0, picture.Width(), picture.Height()}, picture,
             {0, 0, picture.Width(), picture.Height()});
    DrawCaption(image, skin_.Fitted().target.client);
}

void TspSkinStatusPanel::PaintDefaultImage(DibSection& image) {
    TspSkinControl::PaintDefaultImage(image);
    DrawBorder(image.Dc(), image.Width(), image.Height(), BorderStyle);
    DrawCaption(image, {3, 3, image.Width() - 3, image.Height() - 3});
}

bool TspSkinStatusBar::Create(HWND parent) {
    RECT client{};
    GetClientRect(parent, &client);
    constexpr int kDefaultHeight = 21;
    skin_.DefaultHeight = kDefaultHeight;
    if (!TspSkinPanel::Create(parent, 0, client.bottom - kDefaultHeight, client.right, kDefaultHeight)) {
        return false;
    }
    if (!panel_.Create(hwnd(), 0, 0, client.right, kDefaultHeight, "")) return false;
    panel_.BorderStyle = TspSkinBorderStyle::bvNone;
    AlignChildren();
    return true;
}

void TspSkinStatusBar::SetSkinData(const TspSkinData* data) {
    panel_.SetSkinData(data);
    TspSkinPanel::SetSkinData(data);
    AlignChildren();
}

void TspSkinStatusBar::AlignChildren() {
    if (!panel_.hwnd()) return;
    const Rect r = ClientRectForChildren();
    MoveWindow(panel_.hwnd(), r.left, r.top, RectWidth(r), RectHeight(r), TRUE);
}

}  // namespace vemora::skin
