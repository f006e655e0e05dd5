// The skinned up-down's rules apart from Windows: its two buttons' places, the picture each
// state overdraws, the Position range, and how a held button turns into steps.
#pragma once

#include <functional>

#include "skin/data/skin_controls.h"
#include "skin/draw/geometry.h"

namespace vemora::skin {

enum class UpDownButton { kNone, kUp, kDown };

struct UpDownButtons {
    Rect up;
    Rect down;
};

// The record's button rectangles when it applies and the control takes the skin's size;
// otherwise the halves: down left and up right (horizontal), up top and down bottom (vertical).
UpDownButtons UpDownButtonRects(const TspDataSkinUpDownControl* record, bool useSkinSize, bool horizontal,
                                int width, int height);
UpDownButton UpDownButtonAt(const UpDownButtons& buttons, Point p);

// The picture a button's state draws over the normal look, or an empty rectangle for none.
Rect UpDownStateRect(const TspDataSkinUpDownControl& record, UpDownButton button, bool pressed, bool hot);

// What the window does for the up-down: one timer, restarted with a new period.
class UpDownHost {
  public:
    virtual ~UpDownHost() = default;
    virtual void StartTimer(int periodMs) = 0;
    virtual void StopTimer() = 0;
    virtual void Repaint() = 0;
};

class TspSkinUpDownState {
  public:
    explicit TspSkinUpDownState(UpDownHost& host) : host_(host) {}

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Outside Min..Max is ignored; otherwise stored and OnChange fires, changed or not.
    void SetPosition(int position);
    // Pull Position inside the new bound without firing OnChange.
    void SetMin(int min);
    void SetMax(int max);
    int Increment = 1;

    std::function<void()> OnChange;
    std::function<void()> OnUpButtonClick;
    std::function<void()> OnDownButtonClick;

    // `over`: the button under the pointer.
    void MouseDown(UpDownButton over);
    void MouseMove(UpDownButton over);
    void MouseUp(UpDownButton over);
    void MouseLeave() { MouseMove(UpDownButton::kNone); }
    void TimerTick();

    UpDownButton Pressed() const { return pressed_; }
    UpDownButton Hot() const { return hot_; }

  private:
    void Step(UpDownButton button);

    UpDownHost& host_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    UpDownButton pressed_ = UpDownButton::kNone;
    UpDownButton hot_ = UpDownButton::kNone;
    bool timerRunning_ = false;
    bool stepping_ = false;  // past the first, longer wait
};

}  // namespace vemora::skin
