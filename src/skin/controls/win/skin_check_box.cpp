#include "skin/controls/win/skin_check_box.h"

#include "skin/controls/win/parent_background.h"
#include "skin/draw/copy_rect.h"
#include "skin/draw/glyph_frame.h"
#include "skin/draw/marks.h"

namespace vemora::skin {

TspSkinCheckRadioBox::TspSkinCheckRadioBox() : TspSkinControl("checkbox") {
    state_.Repaint = [this] { Repaint(); };
    state_.OnClick = [this] {
        if (OnClick) OnClick();
    };
    state_.Siblings = [this] {
        std::vector<TspSkinCheckRadioState*> boxes;
        for (HWND child = GetWindow(GetParent(hwnd()), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (auto* box = dynamic_cast<TspSkinCheckRadioBox*>(win::Control::FromHwnd(child))) {
                boxes.push_back(&box->state_);
            }
        }
        return boxes;
    };
}

bool TspSkinCheckRadioBox::Create(HWND parent, int x, int y, int w, int h, std::string_view caption) {
    return CreateSkinned(L"TspSkinCheckRadioBox", caption, WS_TABSTOP, 0, x, y, w, h, parent);
}

void TspSkinCheckRadioBox::ApplySkinChange() {
    // The flat look keeps its size and has no region.
    skin_.LoadSkinRecord();
    if (!Flat) return TspSkinControl::ApplySkinChange();
    Repaint();
}

Size TspSkinCheckRadioBox::FitBounds(Size current, Size requested) {
    return Flat ? requested : TspSkinControl::FitBounds(current, requested);
}

void TspSkinCheckRadioBox::DrawCaption(DibSection& image, Rect caption, COLORREF color) {
    HDC dc = image.Dc();
    const std::string text = Text();
    if (!text.empty()) DrawTextLine(dc, text, caption, color, DT_LEFT | DT_VCENTER);
    if (GetFocus() == hwnd() && state_.CanFocused && !text.empty()) {
        const RECT focus{caption.left - 2, caption.top - 1, caption.right + 3, caption.bottom + 1};
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

Rect TspSkinCheckRadioBox::CheckPictureRect(const TspDataSkinCheckRadioControl& r) const {
    const bool checked = state_.Checked();
    const auto orElse = [](const Rect& rect, const Rect& fallback) {
        return IsEmptyRect(rect) ? fallback : rect;
    };
    if (!Enabled()) {
        return checked ? orElse(r.UnEnabledCheckImageRect, r.CheckImageRect)
                       : orElse(r.UnEnabledUnCheckImageRect, r.UnCheckImageRect);
    }
    if (state_.MouseIn()) {
        return checked ? orElse(r.ActiveCheckImageRect, r.CheckImageRect)
                       : orElse(r.ActiveUnCheckImageRect, r.UnCheckImageRect);
    }
    return checked ? r.CheckImageRect : r.UnCheckImageRect;
}

void TspSkinCheckRadioBox::DrawCheckPicture(DibSection& image, const Rect& source, int x, int y) {
    Image24 mark(RectWidth(source), RectHeight(source));
    CopyRect(mark, {0, 0, mark.Width(), mark.Height()}, skin_.Picture(), source);
    GdiFlush();
    Image24 view = image.View();
    DrawGlyphFrame(view, x, y, mark, 1, 1);  // its bottom-left colour is transparent
}

void TspSkinCheckRadioBox::PaintNonFlat(DibSection& image, const TspDataSkinCheckRadioControl& record) {
    // The record's frame picture, active while the mouse is over the box or it has the focus.
    const bool active = state_.MouseIn() || GetFocus() == hwnd();
    const Rect from =
        active && !IsEmptyRect(record.ActiveSkinRect) ? record.ActiveSkinRect : skin_.Geometry().skinRect;
    DrawImage(image.Dc(), skin_.BuildSkinImage(from), 0, 0);
    const NonFlatCheckPlacement place = FitNonFlatCheck(record, image.Width());
    DrawCheckPicture(image, CheckPictureRect(record), place.check.left,
                     place.check.top + RectHeight(place.check) / 2 - RectHeight(record.CheckImageRect) / 2);
    HDC dc = image.Dc();
    SelectObject(dc, TextFont(record.Font));
    const COLORREF color = !Enabled() ? ColorOf(record.UnEnabledFontColor)
                           : active   ? ColorOf(record.ActiveFontColor)
                                      : ColorOf(record.FontColor);
    const std::string text = Text();
    if (!text.empty()) DrawTextLine(dc, text, place.text, color, DT_LEFT | DT_VCENTER);
}

void TspSkinCheckRadioBox::PaintSkinImage(DibSection& image) {
    const auto* record = skin_.RecordAs<TspDataSkinCheckRadioControl>();
    if (!record) return PaintDefaultImage(image);
    if (!Flat) return PaintNonFlat(image, *record);
    CopyParentBackgroundForCheck(hwnd(), image.Dc());
    state_.enabled = Enabled();
    const Rect source = CheckPictureRect(*record);
    HDC dc = image.Dc();
    HFONT font = TextFont(record->Font);
    SelectObject(dc, font);
    const std::string text = Text();
    const Size caption = text.empty() ? Size{} : MeasureText(dc, text);
    const Size check{RectWidth(record->CheckImageRect), RectHeight(record->CheckImageRect)};
    const FlatCheckPlacement place = LayoutFlatCheck({image.Width(), image.Height()}, check, caption, true);
    DrawCheckPicture(image, source, place.check.x, place.check.y);
    DrawCaption(image, place.caption,
                Enabled() ? ColorOf(record->FrameFontColor) : ColorOf(record->UnEnabledFontColor));
}

void TspSkinCheckRadioBox::PaintDefaultImage(DibSection& image) {
    HDC dc = image.Dc();
    if (Flat) {
        CopyParentBackgroundForCheck(hwnd(), dc);
    } else {
        TspSkinControl::PaintDefaultImage(image);
    }
    const int h = image.Height();
    const RECT square{3, h / 2 - 7, 17, h / 2 + 7};
    win::UniqueBrush frame(CreateSolidBrush(state_.MouseIn() ? 0x800000 : GetSysColor(COLOR_BTNSHADOW)));
    FrameRect(dc, &square, frame.get());
    const COLORREF markColor = Enabled() ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW);
    if (state_.Checked()) {
        GdiFlush();
        Image24 view = image.View();
        FillShape(view, state_.Radio ? RadioDotShape(7, h / 2 - 3) : CheckMarkShape(7, h / 2 - 4),
                  PixelFromColorRef(markColor));
    }
    HFONT font = DefaultHFont();
    SelectObject(dc, font);
    const std::string text = Text();
    const Size caption = text.empty() ? Size{} : MeasureText(dc, text);
    const FlatCheckPlacement place = LayoutFlatCheck({image.Width(), h}, {}, caption, false);
    DrawCaption(image, place.caption, Enabled() ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_BTNSHADOW));
}

LRESULT TspSkinCheckRadioBox::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (state_.CanFocused && GetFocus() != hwnd()) {
                SetFocus(hwnd());
                if (GetFocus() != hwnd()) return 0;
            }
            SetCapture(hwnd());
            state_.MouseDown();
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == hwnd()) ReleaseCapture();
            state_.enabled = Enabled();
            state_.MouseUp(true);
            return 0;
        case WM_KEYUP:
            state_.enabled = Enabled();
            if (wp == VK_SPACE && GetFocus() == hwnd()) state_.SpaceUp();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON;
        case BM_GETCHECK:
            return state_.Checked() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            SetChecked(wp == BST_CHECKED);
            return 0;
        case BM_CLICK:
            // As the user's click (or the caption's accelerator): the box takes the focus.
            if (!Enabled()) return 0;
            if (state_.CanFocused && GetFocus() != hwnd()) SetFocus(hwnd());
            Toggle();
            return 0;
        case BM_GETSTATE:
            return (state_.Checked() ? BST_CHECKED : 0) | (GetFocus() == hwnd() ? BST_FOCUS : 0) |
                   (state_.MouseIn() ? BST_HOT : 0);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Repaint();
            break;
        case WM_ENABLE:
            state_.enabled = wp != 0;
            if (!wp) state_.MouseLeave();
            break;
        case WM_MOVE:
            Repaint();  // the parent's background under it changed
            break;
        default:
            break;
    }
    return TspSkinControl::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora::skin
