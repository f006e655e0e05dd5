#include "skin/controls/updown_logic.h"

#include <algorithm>

namespace vemora::skin {
namespace {
constexpr int kFirstWaitMs = 500;
constexpr int kRepeatMs = 100;
constexpr int kReturnRepeatMs = 50;  // back onto the held button
}  // namespace

UpDownButtons UpDownButtonRects(const TspDataSkinUpDownControl* record, bool useSkinSize, bool horizontal,
                                int width, int height) {
    if (record && useSkinSize) return {record->UpButtonRect, record->DownButtonRect};
    if (horizontal) return {{width / 2, 0, width, height}, {0, 0, width / 2, height}};
    return {{0, 0, width, height / 2}, {0, height / 2, width, height}};
}

UpDownButton UpDownButtonAt(const UpDownButtons& buttons, Point p) {
    // The platform's point test: right and bottom edges outside.
    const auto in = [&](const Rect& r) {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    };
    if (in(buttons.up)) return UpDownButton::kUp;
    if (in(buttons.down)) return UpDownButton::kDown;
    return UpDownButton::kNone;
}

Rect UpDownStateRect(const TspDataSkinUpDownControl& r, UpDownButton button, bool pressed, bool hot) {
    if (button == UpDownButton::kNone || !hot) return {};
    const bool up = button == UpDownButton::kUp;
    const Rect& active = up ? r.ActiveUpButtonRect : r.ActiveDownButtonRect;
    if (!pressed) return active;
    const Rect& down = up ? r.DownUpButtonRect : r.DownDownButtonRect;
    return IsEmptyRect(down) ? active : down;
}

void TspSkinUpDownState::SetPosition(int position) {
    if (position < min_ || position > max_) return;
    position_ = position;
    host_.Repaint();
    if (OnChange) OnChange();
}

void TspSkinUpDownState::SetMin(int min) {
    min_ = min;
    position_ = std::max(position_, min_);
}

void TspSkinUpDownState::SetMax(int max) {
    max_ = max;
    position_ = std::min(position_, max_);
}

void TspSkinUpDownState::Step(UpDownButton button) {
    SetPosition(position_ + (button == UpDownButton::kUp ? Increment : -Increment));
}

void TspSkinUpDownState::MouseDown(UpDownButton over) {
    if (over == UpDownButton::kNone) return;
    pressed_ = hot_ = over;
    stepping_ = false;
    if (Increment != 0) host_.StartTimer(kFirstWaitMs), timerRunning_ = true;
    host_.Repaint();
}

void TspSkinUpDownState::MouseMove(UpDownButton over) {
    if (over == hot_) return;
    hot_ = over;
    if (pressed_ != UpDownButton::kNone && Increment != 0) {
        if (over != pressed_ && timerRunning_) {
            host_.StopTimer(), timerRunning_ = false;
        } else if (over == pressed_ && !timerRunning_) {
            stepping_ = true;
            host_.StartTimer(kReturnRepeatMs), timerRunning_ = true;
        }
    }
    host_.Repaint();
}

void TspSkinUpDownState::MouseUp(UpDownButton over) {
    const UpDownButton pressed = pressed_;
    pressed_ = UpDownButton::kNone;
    if (timerRunning_) host_.StopTimer(), timerRunning_ = false;
    host_.Repaint();
    // Released off the button it went down on: nothing, as for a push button.
    if (pressed == UpDownButton::kNone || over != pressed) return;
    Step(pressed);
    const auto& clicked = pressed == UpDownButton::kUp ? OnUpButtonClick : OnDownButtonClick;
    if (clicked) clicked();
}

void TspSkinUpDownState::TimerTick() {
    if (pressed_ == UpDownButton::kNone) return;
    if (!stepping_) {
        stepping_ = true;
        host_.StartTimer(kRepeatMs);
        return;
    }
    Step(pressed_);
}

}  // namespace vemora::skin
