#include "skin/controls/check_logic.h"

#include <algorithm>

namespace vemora::skin {

void TspSkinCheckRadioState::SetChecked(bool checked) {
    checked_ = checked;
    if (Repaint) Repaint();
    if (checked && GroupIndex != 0 && Siblings) {
        for (TspSkinCheckRadioState* other : Siblings()) {
            if (other != this && other->GroupIndex == GroupIndex && other->checked_) other->SetChecked(false);
        }
    }
    if ((!Radio || checked) && OnClick) OnClick();
}

void TspSkinCheckRadioState::Toggle() {
    if (!Radio) {
        SetChecked(!checked_);
    } else if (!checked_) {
        SetChecked(true);
    }
}

void TspSkinCheckRadioState::MouseDown() {
    if (!enabled) return;
    if (!mouseIn_) {
        mouseIn_ = true;
        if (Repaint) Repaint();
    }
}

void TspSkinCheckRadioState::MouseUp(bool leftButton) {
    if (enabled && leftButton && mouseIn_) Toggle();
}

void TspSkinCheckRadioState::MouseEnter() {
    if (!enabled) return;
    mouseIn_ = true;
    if (Repaint) Repaint();
}

void TspSkinCheckRadioState::MouseLeave() {
    mouseIn_ = false;
    if (Repaint) Repaint();
}

void TspSkinCheckRadioState::SpaceUp() {
    if (enabled && CanFocused) Toggle();
}

FlatCheckPlacement LayoutFlatCheck(Size box, Size checkPicture, Size caption, bool skinned) {
    FlatCheckPlacement p;
    int x = 22;
    if (skinned) {
        p.check = {3, box.height / 2 - checkPicture.height / 2};
        x = checkPicture.width + 7;
    } else {
        p.check = {3, box.height / 2 - 7};
    }
    const int y = box.height / 2 - caption.height / 2;
    p.caption = {x, y, std::min(x + caption.width, box.width - 2), y + caption.height};
    return p;
}

NonFlatCheckPlacement FitNonFlatCheck(const TspDataSkinCheckRadioControl& r, int width) {
    const int dW = width - RectWidth(r.SkinRect);
    Rect text = r.TextArea;
    text.right += dW;
    Rect area = r.CheckImageArea;
    if (r.TextArea.right < r.CheckImageArea.right) area.left += dW, area.right += dW;
    const int w = RectWidth(r.CheckImageRect), h = RectHeight(r.CheckImageRect);
    const int left = area.left + RectWidth(area) / 2 - w / 2;
    const int top = area.top + RectHeight(area) / 2 - h / 2;
    return {{left, top, left + w, top + h}, text};
}

}  // namespace vemora::skin
