#include "core/date_format.h"

#include <cstdio>

namespace vemora {
namespace {

std::string Number(int value, size_t minDigits) {
    std::string digits = std::to_string(value);
    if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const LocalTime& t, const DateTimeFormats& formats) {
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            // Quoted literal text; a doubled quote inside stands for one quote.
            ++i;
            while (i < pattern.size()) {
                if (pattern[i] != '\'') {
                    out += pattern[i++];
                } else if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                    out += '\'';
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
            continue;
        }
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
        switch (c) {
            case 'y':
                out += run <= 2 ? Number(t.year % 100, run) : Number(t.year, 4);
                break;
            case 'M':
                out += Number(t.month, run >= 2 ? 2 : 1);
                break;
            case 'd':
                out += Number(t.day, run >= 2 ? 2 : 1);
                break;
            case 'H':
                out += Number(t.hour, run >= 2 ? 2 : 1);
                break;
            case 'h':
                out += Number(hour12, run >= 2 ? 2 : 1);
                break;
            case 'm':
                out += Number(t.minute, run >= 2 ? 2 : 1);
                break;
            case 's':
                out += Number(t.second, run >= 2 ? 2 : 1);
                break;
            case 't': {
                const std::string& marker = t.hour < 12 ? formats.am : formats.pm;
                out += run == 1 ? marker.substr(0, 1) : marker;
                break;
            }
            default:
                out.append(run, c);
                break;
        }
        i += run;
    }
    return out;
}

std::string TimeText(const LocalTime& t, const DateTimeFormats& formats) {
    std::string text = FormatDateTime(formats.shortDate, t, formats);
    if (!t.IsMidnight()) {
        text += ' ';
        text += FormatDateTime(formats.longTime, t, formats);
    }
    return text;
}

}  // namespace vemora
