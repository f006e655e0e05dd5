// Painting of the frame: the skinned border composed off screen and drawn strip by strip
// with the client area clipped out, single objects, the built-in frame and the background.
#include <algorithm>
#include <cstring>

#include "skin/draw/copy_rect.h"
#include "skin/draw/marks.h"
#include "skin/draw/win/gdi_draw.h"
#include "skin/frame/win/skin_frame_window.h"
#include "win/text.h"

namespace vemora::skin {
namespace {

PixelColor SysPixel(int index) {
    return PixelFromColorRef(GetSysColor(index));
}

// The window's device context with the client rectangle (window coordinates) clipped out.
class FrameDc {
  public:
    FrameDc(HWND hwnd, const Rect& client) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {
        if (dc_ && !IsEmptyRect(client))
            ExcludeClipRect(dc_, client.left, client.top, client.right, client.bottom);
    }
    ~FrameDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    FrameDc(const FrameDc&) = delete;
    FrameDc& operator=(const FrameDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

class SelectedFont {
  public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    ~SelectedFont() { SelectObject(dc_, previous_); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

win::UniqueFont CreateSkinFont(const SkinFont& font) {
    const std::wstring name = win::Widen(win::FromAnsi(font.Name));
    return win::UniqueFont(CreateFontW(font.Height, 0, 0, 0, font.Style.bold ? FW_BOLD : FW_NORMAL,
                                       font.Style.italic, font.Style.underline, font.Style.strikeOut,
                                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                       DEFAULT_QUALITY, DEFAULT_PITCH, name.c_str()));
}

TextMeasure MeasureOn(HDC dc) {
    return [dc](std::string_view text) {
        const std::wstring wide = win::Widen(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
}

int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

void TextAt(HDC dc, Point at, const std::string& text) {
    const std::wstring wide = win::Widen(text);
    TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
}

DibSection SectionOf(const Image24& image) {
    DibSection section(image.Width(), image.Height());
    if (!section.IsEmpty()) {
        Image24 view = section.View();
        std::memcpy(view.Bits(), image.Bits(), image.ByteSize());
    }
    return section;
}

}  // namespace

void SkinFrameWindow::DrawCaptionTexts(DibSection& top) {
    const bool active = IsFormActive();
    for (auto& object : form_.Objects()) {
        TspSkinCaptionObject* caption = AsCaption(object.get());
        if (!caption || !caption->Visible || !form_.InCurrentSet(*caption)) continue;
        if (caption->ObjectRect.bottom > form_.Geometry().NewClientRect.top) continue;
        const TspDataSkinCaption& r = caption->Record();
        captionFont_ = CreateSkinFont(r.Font);
        const HDC dc = top.Dc();
        SelectedFont font(dc, captionFont_.get());
        const auto placed = PlaceCaptionText(*caption, caption->Text, MeasureOn(dc), LineHeight(dc));
        if (!placed) continue;
        SetBkMode(dc, TRANSPARENT);
        if (r.Shadow) {
            SetTextColor(dc, static_cast<COLORREF>(active ? r.ActiveShadowColor : r.ShadowColor));
            TextAt(dc, {placed->at.x + 1, placed->at.y + 1}, placed->text);
        }
        SetTextColor(dc, static_cast<COLORREF>(active ? r.ActiveFontColor : r.FontColor));
        TextAt(dc, placed->at, placed->text);
        GdiFlush();
    }
}

void SkinFrameWindow::PaintSkinFrame() {
    if (!form_.CanPaintSkin()) return;
    BorderStrips strips = form_.ComposeFrame();
    const FrameGeometry& g = form_.Geometry();
    DibSection top = SectionOf(strips.top);
    if (!top.IsEmpty()) DrawCaptionTexts(top);
    FrameDc dc(host_, g.NewClientRect);
    if (!dc.get()) return;
    const int topHeight = strips.top.Height();
    if (!top.IsEmpty()) top.Draw(dc.get(), 0, 0);
    if (!strips.left.IsEmpty()) DrawImage(dc.get(), strips.left, 0, topHeight);
    if (!strips.right.IsEmpty()) DrawImage(dc.get(), strips.right, g.width - strips.right.Width(), topHeight);
    if (!strips.bottom.IsEmpty()) DrawImage(dc.get(), strips.bottom, 0, g.height - strips.bottom.Height());
}

void SkinFrameWindow::RepaintObject(TspActiveSkinObject& object) {
    if (!host_) return;
    if (AsCaption(&object) || !form_.SkinApplied()) {
        RepaintFrame();  // its text lies on the composed border
        return;
    }
    const Rect& r = object.ObjectRect;
    if (IsEmptyRect(r)) return;
    Image24 image(RectWidth(r), RectHeight(r));
    ObjectCanvas canvas{image, {r.left, r.top}};
    form_.DrawObject(object, canvas);
    FrameDc dc(host_, form_.Geometry().NewClientRect);
    if (dc.get()) DrawImage(dc.get(), image, r.left, r.top);
}

void SkinFrameWindow::DrawDefaultButton(ObjectCanvas& canvas, const TspSkinStdButtonObject& button) {
    const Rect r{button.ObjectRect.left - canvas.origin.x, button.ObjectRect.top - canvas.origin.y,
                 button.ObjectRect.right - canvas.origin.x, button.ObjectRect.bottom - canvas.origin.y};
    const int w = RectWidth(r), h = RectHeight(r);
    if (w < 1 || h < 1) return;
    Image24 look(w, h);
    const bool pressed = button.Down() && button.MouseIn;
    if (button.MouseIn) {
        look.Fill(PixelFromColorRef(RGB(0, 0, 128)));
        Image24 fill(w - 2 > 0 ? w - 2 : 0, h - 2 > 0 ? h - 2 : 0);
        fill.Fill(PixelFromColorRef(pressed ? RGB(133, 146, 181) : RGB(182, 189, 210)));
        CopyRect(look, {1, 1, w - 1, h - 1}, fill, {0, 0, fill.Width(), fill.Height()});
    } else {
        look.Fill(SysPixel(COLOR_BTNFACE));
    }
    const PixelColor glyph = SysPixel(button.Enabled ? COLOR_BTNTEXT : COLOR_BTNSHADOW);
    const int x = pressed ? w / 2 - 4 : w / 2 - 5, y = pressed ? h / 2 - 3 : h / 2 - 4;
    const bool restore = button.ShowsRestoreLook();
    switch (button.Command) {
        case SkinCommand::cmClose:
            DrawCloseGlyph(look, x, y, glyph);
            break;
        case SkinCommand::cmMaximize:
        case SkinCommand::cmMinimize:
            if (restore) {
                DrawRestoreGlyph(look, x, y, glyph);
            } else if (button.Command == SkinCommand::cmMaximize) {
                DrawMaximizeGlyph(look, x, y, glyph);
            } else {
                DrawMinimizeGlyph(look, x, y, glyph);
            }
            break;
        case SkinCommand::cmSysMenu:
            if (form_.ShowIcon()) {
                CopyRect(canvas.image, r, look, {0, 0, w, h});
                DrawSmallIcon(canvas, {button.ObjectRect.left, button.ObjectRect.top});
                return;
            }
            DrawSysMenuGlyph(look, x, y, glyph);
            break;
        case SkinCommand::cmRollUp:
            if (restore) {
                DrawTriangleDownGlyph(look, x, y, glyph);
            } else {
                DrawTriangleUpGlyph(look, x, y, glyph);
            }
            break;
        case SkinCommand::cmMinimizeToTray:
            DrawTrayGlyph(look, x, y, glyph);
            break;
        default:
            break;
    }
    CopyRect(canvas.image, r, look, {0, 0, w, h});
}

void SkinFrameWindow::PaintDefaultFrame() {
    const Rect caption = form_.BuiltInLayout();
    const Rect b = WindowBounds();
    const int w = RectWidth(b), height = RectHeight(b);
    const BuiltInFrameMetrics m = BuiltInMetrics(IsToolWindow());
    const int h = m.captionHeight;
    if (w - 6 < 1 || h < 1) return;
    DibSection bar(w - 6, h);
    if (bar.IsEmpty()) return;
    Image24 view = bar.View();
    view.Fill(SysPixel(COLOR_BTNFACE));
    const int left = caption.left - 3, right = caption.right - 3;
    for (int i = 0, y = 2; i < h - 5 && h - 4 > 1; ++i, ++y) {
        const PixelColor color = SysPixel(i % 2 == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        for (int x = std::max(0, left + 2); x < std::min(view.Width(), right - 3); ++x)
            view.SetPixel(x, y, color);
    }
    const bool active = IsFormActive();
    {
        const HDC dc = bar.Dc();
        SelectedFont font(dc, active ? defCaptionFont_.get() : defInactiveCaptionFont_.get());
        const auto placed = PlaceBuiltInCaptionText(caption, h, CaptionText(), MeasureOn(dc), LineHeight(dc));
        if (placed) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            SetTextColor(dc, GetSysColor(active ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
            const RECT area{placed->textRect.left, placed->textRect.top, placed->textRect.right,
                            placed->textRect.bottom};
            const std::wstring wide = win::Widen(placed->text);
            ExtTextOutW(dc, placed->at.x, placed->at.y, ETO_OPAQUE, &area, wide.c_str(),
                        static_cast<int>(wide.size()), nullptr);
        }
        GdiFlush();
    }
    Image24 canvasImage = bar.View();
    ObjectCanvas canvas{canvasImage, {3, 3}};
    for (auto& object : form_.Objects()) {
        if (object->Visible) object->Draw(canvas, true);
    }
    FrameDc dc(host_, {3, h + 3, w - 3, height - 3});
    if (!dc.get()) return;
    bar.Draw(dc.get(), 3, 3);
    const struct {
        int topLeft, bottomRight;
    } frames[] = {{COLOR_3DLIGHT, COLOR_3DDKSHADOW},
                  {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
                  {COLOR_BTNFACE, COLOR_BTNFACE}};
    for (int i = 0; i < 3; ++i) {
        const auto line = [&](int x0, int y0, int x1, int y1, int color) {
            const RECT r{x0, y0, x1, y1};
            FillRect(dc.get(), &r, GetSysColorBrush(color));
        };
        line(i, i, w - i, i + 1, frames[i].topLeft);
        line(i, i, i + 1, height - i, frames[i].topLeft);
        line(i, height - i - 1, w - i, height - i, frames[i].bottomRight);
        line(w - i - 1, i, w - i, height - i, frames[i].bottomRight);
    }
}

void SkinFrameWindow::PaintClientBackground(HDC dc) {
    RECT client{};
    GetClientRect(host_, &client);
    const TspSkinData* skin = form_.SkinData();
    const bool skinned = form_.SkinApplied() && skin;
    const Image24* source = nullptr;
    Rect from;
    if (skinned && skin->FormInfo.BGPictureIndex >= 0 &&
        skin->FormInfo.BGPictureIndex < static_cast<int>(skin->ActivePictures.size())) {
        source = &skin->ActivePictures[skin->FormInfo.BGPictureIndex];
        from = {0, 0, source->Width(), source->Height()};
    } else if (skinned && !IsEmptyRect(skin->FormInfo.ClientRect)) {
        source = &skin->Picture;
        from = skin->FormInfo.ClientRect;
    }
    if (!source || source->IsEmpty() || IsEmptyRect(from)) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    if (client.right < 1 || client.bottom < 1) return;
    Image24 tile(RectWidth(from), RectHeight(from));
    CopyRect(tile, {0, 0, tile.Width(), tile.Height()}, *source, from);
    const DibSection section = SectionOf(tile);
    for (int y = 0; y <= client.bottom / tile.Height(); ++y) {
        for (int x = 0; x <= client.right / tile.Width(); ++x)
            section.Draw(dc, x * tile.Width(), y * tile.Height());
    }
}

HICON SkinFrameWindow::SmallIcon() {
    if (smallIcon_) return smallIcon_.get();
    HICON icon = reinterpret_cast<HICON>(SendMessageW(host_, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(host_, GCLP_HICON));
    if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
    const Point size = SmallIconSize();
    smallIcon_.reset(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size.x, size.y, LR_COPYFROMRESOURCE)));
    return smallIcon_.get();
}

Point SkinFrameWindow::SmallIconSize() const {
    int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    if (w == 0) w = GetSystemMetrics(SM_CXSIZE);
    if (h == 0) h = GetSystemMetrics(SM_CYSIZE);
    return {w, h};
}

void SkinFrameWindow::DrawSmallIcon(ObjectCanvas& canvas, Point at) {
    const HICON icon = SmallIcon();
    const Point size = SmallIconSize();
    if (!icon) return;
    // The icon is drawn over what the canvas already holds, through a section of its size.
    DibSection section(size.x, size.y);
    if (section.IsEmpty()) return;
    const Rect place{at.x - canvas.origin.x, at.y - canvas.origin.y, at.x - canvas.origin.x + size.x,
                     at.y - canvas.origin.y + size.y};
    Image24 view = section.View();
    CopyRect(view, {0, 0, size.x, size.y}, canvas.image, place);
    DrawIconEx(section.Dc(), 0, 0, icon, size.x, size.y, 0, nullptr, DI_NORMAL);
    GdiFlush();
    CopyRect(canvas.image, place, section.View(), {0, 0, size.x, size.y});
}

}  // namespace vemora::skin
