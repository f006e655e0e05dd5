#include "core/date_format.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

constexpr LocalTime kAfternoon{2026, 3, 7, 14, 5, 9};
constexpr LocalTime kMidnight{2026, 12, 31, 0, 0, 0};
constexpr LocalTime kOneSecondPast{2026, 12, 31, 0, 0, 1};

TEST(FormatDateTime, Patterns) {
    const struct {
        const char* pattern;
        LocalTime time;
        const char* expected;
    } cases[] = {
        {"yyyy/M/d", kAfternoon, "2026/3/7"},
        {"yyyy-MM-dd", kAfternoon, "2026-03-07"},
        {"yyyyMMdd", kAfternoon, "20260307"},
        {"yy.M.d", kAfternoon, "26.3.7"},
        {"H:mm:ss", kAfternoon, "14:05:09"},
        {"HH:m:s", LocalTime{2026, 1, 1, 7, 5, 9}, "07:5:9"},
        {"tt hh:mm:ss", kAfternoon, "PM 02:05:09"},
        {"h:mm t", LocalTime{2026, 1, 1, 0, 30, 0}, "12:30 A"},
        {"yyyy'年'M'月'd'日'", kAfternoon, "2026年3月7日"},
        {"'It''s' H", kAfternoon, "It's 14"},
        {"'unterminated", kAfternoon, "unterminated"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, c.time), c.expected) << c.pattern;
}

TEST(TimeText, DateSpaceTimeExceptAtMidnight) {
    const DateTimeFormats zh{"yyyy/M/d", "H:mm:ss", "上午", "下午"};
    EXPECT_EQ(TimeText(kAfternoon, zh), "2026/3/7 14:05:09");
    EXPECT_EQ(TimeText(kMidnight, zh), "2026/12/31");
    EXPECT_EQ(TimeText(kOneSecondPast, zh), "2026/12/31 0:00:01");
    const DateTimeFormats us{"M/d/yyyy", "h:mm:ss tt", "AM", "PM"};
    EXPECT_EQ(TimeText(kAfternoon, us), "3/7/2026 2:05:09 PM");
}

}  // namespace
}  // namespace vemora
