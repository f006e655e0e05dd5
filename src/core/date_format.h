// Date and time formatting with the system's locale patterns ("yyyy/M/d", "H:mm:ss",
// "tt hh:mm:ss", ...). Literal text may be quoted with single quotes.
#pragma once

#include <string>
#include <string_view>

#include "core/local_time.h"

namespace vemora {

struct DateTimeFormats {
    std::string shortDate = "yyyy/M/d";
    std::string longTime = "H:mm:ss";
    std::string am = "AM";
    std::string pm = "PM";
};

std::string FormatDateTime(std::string_view pattern, const LocalTime& t, const DateTimeFormats& formats = {});

// The time text of an event row and log line: short date, a space and the long time;
// at exactly midnight only the date.
std::string TimeText(const LocalTime& t, const DateTimeFormats& formats);

}  // namespace vemora
