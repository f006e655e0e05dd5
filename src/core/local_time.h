// A broken-down local date and time, as the system's clock reports it.
#pragma once

namespace vemora {

struct LocalTime {
    int year = 1900;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;

    bool IsMidnight() const { return hour == 0 && minute == 0 && second == 0; }
};

}  // namespace vemora
