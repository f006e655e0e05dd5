#include "skin/controls/win/skin_updown.h"

#include <windowsx.h>

#include "skin/draw/copy_rect.h"
#include "skin/draw/marks.h"

namespace vemora::skin {

bool TspSkinUpDown::Create(HWND parent, int x, int y, int w, int h) {
    return CreateSkinned(L"TspSkinUpDown", "", 0, 0, x, y, w, h, parent);
}

Size TspSkinUpDown::FitBounds(Size current, Size requested) {
    return UseSkinSize ? TspSkinControl::FitBounds(current, requested) : requested;
}

UpDownButtons TspSkinUpDown::Buttons() {
    skin_.LoadSkinRecord();
    return UpDownButtonRects(skin_.RecordAs<TspDataSkinUpDownControl>(), UseSkinSize, horizontal_, Width(),
                             Height());
}

void TspSkinUpDown::PaintSkinImage(DibSection& image) {
    const auto* record = skin_.RecordAs<TspDataSkinUpDownControl>();
    if (!record || !UseSkinSize) return PaintDefaultImage(image);
    Image24 view = image.View();
    const Image24 normal = skin_.BuildSkinImage(skin_.Geometry().skinRect);
    CopyRect(view, {0, 0, normal.Width(), normal.Height()}, normal, {0, 0, normal.Width(), normal.Height()});
    const UpDownButtons buttons = Buttons();
    for (const auto& [button, place] :
         {std::pair{UpDownButton::kUp, buttons.up}, {UpDownButton::kDown, buttons.down}}) {
        const Rect source =
            UpDownStateRect(*record, button, state_.Pressed() == button, state_.Hot() == button);
        if (!IsEmptyRect(source)) CopyRect(view, place, skin_.Picture(), source);  // stretched to fit
    }
}

void TspSkinUpDown::PaintDefaultImage(DibSection& image) {
    HDC dc = image.Dc();
    const UpDownButtons buttons = Buttons();
    for (const auto& [button, place] :
         {std::pair{UpDownButton::kUp, buttons.up}, {UpDownButton::kDown, buttons.down}}) {
        const bool hot = state_.Hot() == button, pressed = hot && state_.Pressed() == button;
        const COLORREF frame = hot ? 0x800000 : GetSysColor(COLOR_BTNSHADOW);
        const COLORREF fill = pressed ? 0xB59285 : hot ? 0xD2BDB6 : GetSysColor(COLOR_BTNFACE);
        const RECT r{place.left, place.top, place.right, place.bottom};
        win::UniqueBrush fillBrush(CreateSolidBrush(fill)), frameBrush(CreateSolidBrush(frame));
        FillRect(dc, &r, fillBrush.get());
        FrameRect(dc, &r, frameBrush.get());
        const ArrowDirection direction = button == UpDownButton::kUp
                                             ? (horizontal_ ? ArrowDirection::kRight : ArrowDirection::kUp)
                                             : (horizontal_ ? ArrowDirection::kLeft : ArrowDirection::kDown);
        GdiFlush();
        Image24 view = image.View();
        DrawArrowMark(view, place, 0, int(direction));
    }
}

UpDownButton TspSkinUpDown::ButtonAt(LPARAM lp) {
    return UpDownButtonAt(Buttons(), {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
}

LRESULT TspSkinUpDown::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(hwnd());
            state_.MouseDown(ButtonAt(lp));
            return 0;
        case WM_MOUSEMOVE:
            state_.MouseMove(ButtonAt(lp));
            break;
        case WM_LBUTTONUP:
            // The release decides first: giving the capture back would read as losing it.
            state_.MouseUp(ButtonAt(lp));
            if (GetCapture() == hwnd()) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            if (state_.Pressed() != UpDownButton::kNone && reinterpret_cast<HWND>(lp) != hwnd()) {
                state_.MouseUp(UpDownButton::kNone);
            }
            break;
        case WM_TIMER:
            if (wp == kStepTimer) state_.TimerTick();
            return 0;
        default:
            break;
    }
    return TspSkinControl::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora::skin
