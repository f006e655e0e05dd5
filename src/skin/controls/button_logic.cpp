#include "skin/controls/button_logic.h"

#include <algorithm>

namespace vemora::skin {

ButtonContentPlacement LayoutButtonContent(const Rect& r, Size glyph, Size text, TspButtonLayout layout,
                                           int margin, int spacing) {
    const int gw = glyph.width, gh = glyph.height, tw = text.width, th = text.height;
    const int cx = r.left + RectWidth(r) / 2;
    const int cy = r.top + RectHeight(r) / 2;
    Point g, t;
    if (margin == -1) {
        const int m = (gw + tw + spacing) / 2;
        const int h = (th + gh + spacing) / 2;
        switch (layout) {
            case TspButtonLayout::blGlyphLeft:
                g = {cx - m, cy - gh / 2}, t = {cx + m - tw, cy - th / 2};
                break;
            case TspButtonLayout::blGlyphRight:
                t = {cx - m, cy - th / 2}, g = {cx + m - gw, cy - gh / 2};
                break;
            case TspButtonLayout::blGlyphTop:
                g = {cx - gw / 2, cy - h}, t = {cx - tw / 2, cy + h - th};
                break;
            case TspButtonLayout::blGlyphBottom:
                g = {cx - gw / 2, cy + h - gh}, t = {cx - tw / 2, cy - h};
                break;
        }
    } else {
        switch (layout) {
            case TspButtonLayout::blGlyphLeft:
                g = {r.left + margin, cy - gh / 2}, t = {r.left + margin + gw + spacing, cy - th / 2};
                break;
            case TspButtonLayout::blGlyphRight:
                g = {r.right - gw - margin, cy - gh / 2}, t = {g.x - spacing - tw, cy - th / 2};
                break;
            case TspButtonLayout::blGlyphTop:
                g = {cx - gw / 2, r.top + margin}, t = {cx - tw / 2, g.y + gh + spacing};
                break;
            case TspButtonLayout::blGlyphBottom:
                g = {cx - gw / 2, r.bottom - gh - margin}, t = {cx - tw / 2, g.y - spacing - th};
                break;
        }
    }
    return {g, {t.x, t.y, t.x + tw + 2, t.y + th}};
}

int ButtonGlyphFrame(int numGlyphs, bool enabled, bool down, bool active) {
    if (down && active && numGlyphs > 2) return 3;
    if (active && numGlyphs > 3) return 4;
    if (enabled || numGlyphs < 2) return 1;
    return 2;
}

void TspSkinButtonState::SetGroupIndex(int index) {
    groupIndex_ = index;
    if (index != 0) canFocused_ = false;
}

void TspSkinButtonState::SetDown(bool down) {
    down_ = down;
    if (morphing) {
        morphFactor_ = 1;
        if (down) {
            host_.StopMorphTimer(), morphRunning_ = false;
        } else {
            StartMorph();
        }
    }
    host_.Repaint();
    if (groupIndex_ != 0 && down_ && !AllowAllUp && Siblings) {
        for (TspSkinButtonState* other : Siblings()) {
            if (other != this && other->groupIndex_ == groupIndex_ && other->down_) other->SetDown(false);
        }
    }
}

void TspSkinButtonState::ButtonClick() {
    if (canFocused_) host_.SetModalResult(ModalResult);
    if (OnClick) OnClick();
}

void TspSkinButtonState::MouseDown() {
    pressed_ = true;
    if (!down_) {
        mouseIn_ = true;
        SetDown(true);
        if (RepeatMode && groupIndex_ == 0) {
            host_.StartRepeatTimer(RepeatInterval), repeating_ = true;
        } else if (groupIndex_ != 0) {
            ButtonClick();
        }
        wasDown_ = false;
    } else if (groupIndex_ != 0) {
        wasDown_ = true;
    }
}

void TspSkinButtonState::MouseUp() {
    pressed_ = false;
    if (groupIndex_ == 0) {
        if (repeating_) host_.StopRepeatTimer(), repeating_ = false;
        if (mouseIn_) {
            SetDown(false);
            ButtonClick();
        } else {
            down_ = false;  // popped up off the button: no click
        }
    } else if (down_ && AllowAllUp && wasDown_ && mouseIn_) {
        SetDown(false);
        ButtonClick();
    }
}

bool TspSkinButtonState::LooksHot() const {
    return (groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && (!focused || down_));
}

void TspSkinButtonState::MouseEnter() {
    mouseIn_ = true;
    if (LooksHot()) {
        if (down_) {
            if (morphing) morphFactor_ = 1;
            host_.Repaint();
        } else {
            StartMorph();
        }
    }
    if (down_ && pressed_ && RepeatMode && groupIndex_ == 0) {
        host_.StartRepeatTimer(RepeatInterval), repeating_ = true;
    }
}

void TspSkinButtonState::MouseLeave() {
    // The default button keeps its active look while the focus is on another kind of control.
    if (!(default_ && canFocused_ && activeDefault_ && !focused)) mouseIn_ = false;
    if (LooksHot()) StartMorph();
    if (down_ && RepeatMode && repeating_ && groupIndex_ == 0) host_.StopRepeatTimer(), repeating_ = false;
}

void TspSkinButtonState::StartMorph() {
    if (!morphing) {
        host_.Repaint();
        return;
    }
    if (!morphRunning_) host_.StartMorphTimer(), morphRunning_ = true;
}

void TspSkinButtonState::MorphTick() {
    const bool hot = mouseIn_ || focused;
    if (hot && morphFactor_ < 1) {
        morphFactor_ = std::min(1.0, morphFactor_ + 0.2);
    } else if (!hot && morphFactor_ > 0) {
        morphFactor_ = std::max(0.0, morphFactor_ - 0.2);
    } else {
        morphFactor_ = hot ? 1 : 0;
        host_.StopMorphTimer(), morphRunning_ = false;
    }
    host_.Repaint();
}

void TspSkinButtonState::SpaceDown() {
    if (!canFocused_ || !enabled) return;
    SetDown(true);
    if (RepeatMode) ButtonClick();
}

void TspSkinButtonState::SpaceUp() {
    if (!canFocused_ || !enabled || !down_) return;
    SetDown(false);
    ButtonClick();
}

void TspSkinButtonState::EnterKey() {
    if (canFocused_ && enabled) ButtonClick();
}

void TspSkinButtonState::FocusChanged(bool nowFocused) {
    focused = nowFocused;
    if (!nowFocused) {
        if (repeating_) host_.StopRepeatTimer(), repeating_ = false;
        if (groupIndex_ == 0 && down_) down_ = false;
    }
    if (canFocused_) StartMorph();
}

void TspSkinButtonState::SetDefault(bool isDefault) {
    default_ = isDefault;
    activeDefault_ = isDefault;
}

void TspSkinButtonState::FormFocusChanged(bool toSkinButton, bool toThis) {
    activeDefault_ = toSkinButton ? toThis : default_;
    if (!default_ || !canFocused_ || toThis) return;
    if (toSkinButton) {
        mouseIn_ = false;  // another button answers Enter now
        StartMorph();
    } else {
        mouseIn_ = true;
        if (morphing) morphFactor_ = 1;
        host_.Repaint();
    }
}

void TspSkinButtonState::EnabledChanged(bool nowEnabled) {
    enabled = nowEnabled;
    if (morphing) host_.StopMorphTimer(), morphRunning_ = false, morphFactor_ = 0;
    mouseIn_ = false;
    host_.Repaint();
}

void TspSkinButtonState::SkinChanged(bool nowMorphing) {
    host_.StopMorphTimer(), morphRunning_ = false;
    morphing = nowMorphing;
    morphFactor_ = morphing && (focused || mouseIn_) ? 1 : 0;
}

ButtonLook TspSkinButtonState::Look(bool hasDisabledPicture) const {
    const bool focusedLook = focused && canFocused_;
    if (morphing && morphFactor_ > 0 && morphFactor_ < 1 && enabled)
        return {ButtonPicture::kMorph, false, true};
    if (!enabled && hasDisabledPicture) return {ButtonPicture::kDisabled, false, false};
    if (down_ && (mouseIn_ || (focusedLook && !pressed_) || groupIndex_ != 0)) {
        return {ButtonPicture::kDown, true, true};
    }
    if (focusedLook || mouseIn_) return {ButtonPicture::kActive, false, true};
    if (morphing && morphFactor_ == 1) return {ButtonPicture::kActive, false, true};
    return {ButtonPicture::kNormal, false, false};
}

}  // namespace vemora::skin
