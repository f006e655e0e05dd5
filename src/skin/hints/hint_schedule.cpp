#include "skin/hints/hint_schedule.h"

namespace vemora::skin {

HintSchedule::Step HintSchedule::Enter(Control control) {
    if (control == control_) return {Step::kNothing, kKeepTimer};
    control_ = control;
    switch (state_) {
        case kShown:
            state_ = kWaiting;
            return {Step::kHide, timing_.shortPauseMs};
        case kCooling:
        case kExpired:
            state_ = kWaiting;
            return {Step::kNothing, timing_.shortPauseMs};
        case kIdle:
        case kWaiting:
            state_ = kWaiting;
            return {Step::kNothing, timing_.pauseMs};
    }
    return {};
}

HintSchedule::Step HintSchedule::Leave() {
    control_ = nullptr;
    switch (state_) {
        case kShown:
        case kExpired:
            // A hint was up: the next control nearby shows its own at once.
            state_ = kCooling;
            return {Step::kHide, timing_.pauseMs};
        case kCooling:
            return {Step::kNothing, timing_.pauseMs};
        case kWaiting:
        case kIdle:
            state_ = kIdle;
            return {};
    }
    return {};
}

HintSchedule::Step HintSchedule::TimerFired() {
    switch (state_) {
        case kWaiting:
            state_ = kShown;
            return {Step::kShow, timing_.hidePauseMs};
        case kShown:
            // Shown long enough: it stays away until the pointer comes back.
            state_ = kExpired;
            return {Step::kHide, 0};
        case kCooling:
            state_ = kIdle;
            return {};
        case kIdle:
        case kExpired:
            return {};
    }
    return {};
}

}  // namespace vemora::skin
