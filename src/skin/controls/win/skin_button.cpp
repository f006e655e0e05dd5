#include "skin/controls/win/skin_button.h"

#include <windowsx.h>

#include "skin/draw/effects.h"
#include "skin/draw/glyph_frame.h"
#include "win/window.h"

namespace vemora::skin {
namespace {

constexpr COLORREF kNavy = 0x800000;
constexpr COLORREF kDownFill = 0xB59285;
constexpr COLORREF kHotFill = 0xD2BDB6;

constexpr UINT_PTR kDialogKeysSubclass = 0x564B44;

BOOL CALLBACK CollectButton(HWND child, LPARAM lp) {
    if (auto* b = dynamic_cast<TspSkinButton*>(win::Control::FromHwnd(child))) {
        reinterpret_cast<std::vector<TspSkinButton*>*>(lp)->push_back(b);
    }
    return TRUE;
}

std::vector<TspSkinButton*> ButtonsIn(HWND root) {
    std::vector<TspSkinButton*> buttons;
    EnumChildWindows(root, &CollectButton, reinterpret_cast<LPARAM>(&buttons));
    return buttons;
}

bool IsSkinButton(HWND window) {
    return dynamic_cast<TspSkinButton*>(win::Control::FromHwnd(window)) != nullptr;
}

bool ModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

void FrameAndFill(HDC dc, const RECT& r, COLORREF frame, COLORREF fill) {
    win::UniqueBrush frameBrush(CreateSolidBrush(frame));
    win::UniqueBrush fillBrush(CreateSolidBrush(fill));
    FillRect(dc, &r, fillBrush.get());
    FrameRect(dc, &r, frameBrush.get());
}

}  // namespace

bool TspSkinButton::Create(HWND parent, int x, int y, int w, int h, std::string_view caption) {
    state_.OnClick = [this] {
        if (OnClick) OnClick();
    };
    state_.Siblings = [this] {
        std::vector<TspSkinButtonState*> buttons;
        for (HWND child = GetWindow(GetParent(hwnd()), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (auto* button = dynamic_cast<TspSkinButton*>(win::Control::FromHwnd(child))) {
                buttons.push_back(&button->state_);
            }
        }
        return buttons;
    };
    if (!CreateSkinned(L"TspSkinButton", caption, WS_TABSTOP, 0, x, y, w, h, parent)) return false;
    if (Default() || Cancel()) WatchDialogKeys();
    return true;
}

void TspSkinButton::SetDefault(bool isDefault) {
    state_.SetDefault(isDefault);
    if (!hwnd()) return;
    if (isDefault) WatchDialogKeys();
    const HWND focus = GetFocus();
    FormFocusMoved(Root(), focus && IsChild(Root(), focus) ? focus : nullptr);
    Repaint();
}

void TspSkinButton::SetCancel(bool cancel) {
    state_.Cancel = cancel;
    if (hwnd() && cancel) WatchDialogKeys();
}

void TspSkinButton::WatchDialogKeys() {
    // The form hears Enter and Escape from IsDialogMessage as IDOK and IDCANCEL commands; a
    // subclass of its own (any number of buttons share it) turns them into clicks.
    SetWindowSubclass(Root(), &TspSkinButton::DialogKeysProc, kDialogKeysSubclass, 0);
}

LRESULT CALLBACK TspSkinButton::DialogKeysProc(HWND root, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(root, &TspSkinButton::DialogKeysProc, kDialogKeysSubclass);
    } else if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED &&
               (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) &&
               (!lp || IsSkinButton(reinterpret_cast<HWND>(lp)))) {
        const bool enter = LOWORD(wp) == IDOK;
        const bool modifier = ModifierHeld();
        for (TspSkinButton* b : ButtonsIn(root)) {
            if (!IsWindowVisible(b->hwnd())) continue;
            b->state_.enabled = b->Enabled();
            if (enter ? b->state_.TakesEnter() : b->state_.TakesEscape(modifier)) {
                return win::Guarded(
                    root, [&] { return b->state_.ButtonClick(), LRESULT(0); }, [] { return LRESULT(0); });
            }
        }
    }
    return DefSubclassProc(root, msg, wp, lp);
}

void TspSkinButton::FormFocusMoved(HWND root, HWND focus) {
    const bool toButton = focus && IsSkinButton(focus);
    for (TspSkinButton* b : ButtonsIn(root)) b->state_.FormFocusChanged(toButton, b->hwnd() == focus);
}

void TspSkinButton::SetGlyph(Image24 strip, int numGlyphs) {
    glyph_ = std::move(strip);
    numGlyphs_ = std::clamp(numGlyphs, 1, 4);
    Repaint();
}

void TspSkinButton::SetMargin(int margin) {
    if (margin == margin_ || margin < -1) return;
    margin_ = margin;
    Repaint();
}

void TspSkinButton::Click() {
    if (Enabled()) state_.ButtonClick();
}

bool TspSkinButton::Morphing() {
    const auto* record = skin_.RecordAs<TspDataSkinButtonControl>();
    return record && record->Morphing;
}

void TspSkinButton::ApplySkinChange() {
    TspSkinControl::ApplySkinChange();
    state_.SkinChanged(Morphing());
}

void TspSkinButton::DrawContent(DibSection& image, const Rect& r, bool down, bool active, HFONT font,
                                COLORREF color) {
    HDC dc = image.Dc();
    SelectObject(dc, font);
    const std::string caption = Text();
    const Size text = caption.empty() ? Size{} : MeasureText(dc, caption);
    const std::optional<Rect> frame = GlyphFrameRect(glyph_, numGlyphs_, 1);
    const Size glyph = frame ? Size{RectWidth(*frame), RectHeight(*frame)} : Size{};
    ButtonContentPlacement place = LayoutButtonContent(r, glyph, text, Layout, margin_, Spacing);
    if (down && active) {
        place.glyph = {place.glyph.x + 1, place.glyph.y + 1};
        place.caption = {place.caption.left + 1, place.caption.top + 1, place.caption.right + 1,
                         place.caption.bottom + 1};
    }
    if (!caption.empty()) DrawTextLine(dc, caption, place.caption, color, DT_CENTER);
    if (frame) {
        Image24 view = image.View();  // pixels, not TransparentBlt: msimg32 is no DLL of ours
        DrawGlyphFrame(view, place.glyph.x, place.glyph.y, glyph_, numGlyphs_,
                       ButtonGlyphFrame(numGlyphs_, Enabled(), down, active));
    }
}

void TspSkinButton::PaintSkinImage(DibSection& image) {
    const auto* record = skin_.RecordAs<TspDataSkinButtonControl>();
    if (!record) return PaintDefaultImage(image);
    state_.enabled = Enabled();
    state_.focused = GetFocus() == hwnd();
    state_.morphing = record->Morphing;
    const Rect normal = skin_.Geometry().skinRect;
    const Rect active = IsEmptyRect(record->ActiveSkinRect) ? normal : record->ActiveSkinRect;
    const Rect downRect = IsEmptyRect(record->DownSkinRect) ? active : record->DownSkinRect;
    const ButtonLook look = state_.Look(!IsEmptyRect(record->DisabledSkinRect));
    Image24 picture;
    switch (look.picture) {
        case ButtonPicture::kMorph: {
            picture = skin_.BuildSkinImage(normal);
            const Image24 hot = skin_.BuildSkinImage(active);
            ApplyMorph(picture, hot, record->MorphKind, state_.MorphFactor());
            break;
        }
        case ButtonPicture::kActive:
            picture = skin_.BuildSkinImage(active);
            break;
        case ButtonPicture::kDown:
            picture = skin_.BuildSkinImage(downRect);
            break;
        case ButtonPicture::kDisabled:
            picture = skin_.BuildSkinImage(record->DisabledSkinRect);
            break;
        case ButtonPicture::kNormal:
            picture = skin_.BuildSkinImage(normal);
            break;
    }
    DrawImage(image.Dc(), picture, 0, 0);
    COLORREF color = ColorOf(record->FontColor);
    if (!Enabled()) {
        color = ColorOf(record->DisabledFontColor);
    } else if (look.down && look.active) {
        color = ColorOf(record->DownFontColor);
    } else if (look.active) {
        color = ColorOf(record->ActiveFontColor);
    }
    DrawContent(image, skin_.Fitted().target.client, look.down, look.active, TextFont(record->Font), color);
}

void TspSkinButton::PaintDefaultImage(DibSection& image) {
    state_.enabled = Enabled();
    state_.focused = GetFocus() == hwnd();
    const RECT r{0, 0, image.Width(), image.Height()};
    const bool focused = state_.focused && state_.CanFocused();
    const bool down =
        state_.Down() && (state_.MouseIn() || (focused && !state_.Pressed()) || state_.GroupIndex() != 0);
    if (down) {
        FrameAndFill(image.Dc(), r, kNavy, kDownFill);
    } else if (focused || state_.MouseIn()) {
        FrameAndFill(image.Dc(), r, kNavy, kHotFill);
    } else {
        FrameAndFill(image.Dc(), r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNFACE));
    }
    const COLORREF color = Enabled() ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_BTNSHADOW);
    // The built-in look always shows glyph frame 1.
    const int numGlyphs = numGlyphs_;
    numGlyphs_ = 1;
    DrawContent(image, {0, 0, image.Width(), image.Height()}, down, down, DefaultHFont(), color);
    numGlyphs_ = numGlyphs;
}

LRESULT TspSkinButton::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (state_.CanFocused() && GetFocus() != hwnd()) {
                SetFocus(hwnd());
                if (GetFocus() != hwnd()) return 0;  // the focus did not arrive: the press is swallowed
            }
            SetCapture(hwnd());
            state_.MouseDown();
            return 0;
        case WM_LBUTTONUP:
            // The release decides first: giving the capture back would read as losing it.
            if (state_.Pressed()) state_.MouseUp();
            if (GetCapture() == hwnd()) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            if (state_.Pressed() && reinterpret_cast<HWND>(lp) != hwnd()) {
                state_.MouseLeave();
                state_.MouseUp();
            }
            break;
        case WM_TIMER:
            if (wp == kRepeatTimer) state_.RepeatTick();
            if (wp == kMorphTimer) state_.MorphTick();
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_SPACE && (!(lp & (1 << 30)) || state_.RepeatMode)) state_.SpaceDown();
            if (wp == VK_RETURN) state_.EnterKey();
            return 0;
        case WM_KEYUP:
            if (wp == VK_SPACE) state_.SpaceUp();
            return 0;
        case WM_GETDLGCODE: {
            const auto* key = reinterpret_cast<const MSG*>(lp);
            LRESULT code = DLGC_BUTTON | (state_.ActiveDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
            return code;
        }
        case BM_CLICK:
            // As the user's click (or the caption's accelerator): the button takes the focus.
            if (Enabled() && state_.CanFocused() && GetFocus() != hwnd()) SetFocus(hwnd());
            Click();
            return 0;
        case BM_GETSTATE:
            return (state_.Down() ? BST_PUSHED : 0) | (GetFocus() == hwnd() ? BST_FOCUS : 0) |
                   (state_.MouseIn() ? BST_HOT : 0);
        case BM_GETCHECK:
            return state_.GroupIndex() != 0 && state_.Down() ? BST_CHECKED : BST_UNCHECKED;
        case WM_SETFOCUS:
            state_.FocusChanged(true);
            FormFocusMoved(Root(), hwnd());
            break;
        case WM_KILLFOCUS: {
            state_.FocusChanged(false);
            // To another button: its own WM_SETFOCUS tells the form.
            const HWND next = reinterpret_cast<HWND>(wp);
            if (next && IsChild(Root(), next) && !IsSkinButton(next)) FormFocusMoved(Root(), next);
            break;
        }
        case WM_ENABLE: {
            const LRESULT result = TspSkinControl::SubclassMessage(msg, wp, lp);
            state_.EnabledChanged(wp != 0);
            return result;
        }
        default:
            break;
    }
    return TspSkinControl::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora::skin
