// When a control's hint shows and hides: after the hint pause over a control, for the hide
// pause; moving on to another control soon after shows its hint after the short pause.
// Driven by pointer events and one timer; time comes in only through the timer.
#pragma once

namespace vemora::skin {

struct HintTiming {
    int pauseMs = 500;
    int shortPauseMs = 100;
    int hidePauseMs = 5000;
};

class HintSchedule {
  public:
    using Control = const void*;

    static constexpr int kKeepTimer = -1;
    // What the hint window does now, and the timer's next delay (0: stop it; kKeepTimer:
    // leave it running as it is).
    struct Step {
        enum Kind { kNothing, kShow, kHide } kind = kNothing;
        int timerMs = 0;
        friend bool operator==(const Step&, const Step&) = default;
    };

    explicit HintSchedule(HintTiming timing = {}) : timing_(timing) {}

    // The pointer is over a control with a hint (repeated moves over it change nothing).
    Step Enter(Control control);
    // The pointer left the control, or a button was pressed on it.
    Step Leave();
    Step TimerFired();

    // The control whose hint is showing, or null.
    Control Showing() const { return state_ == kShown ? control_ : nullptr; }
    Control Current() const { return control_; }

  private:
    enum State { kIdle, kWaiting, kShown, kExpired, kCooling };

    HintTiming timing_;
    State state_ = kIdle;
    Control control_ = nullptr;
};

}  // namespace vemora::skin
