#include "app/event_paths.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

TEST(JoinWatchedPath, OneBackslash) {
    EXPECT_EQ(JoinWatchedPath("C:\\data", "a.txt"), "C:\\data\\a.txt");
    EXPECT_EQ(JoinWatchedPath("C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(JoinWatchedPath("C:\\data", "sub\\a.txt"), "C:\\data\\sub\\a.txt");
    EXPECT_EQ(JoinWatchedPath("", "a"), "\\a");
}

TEST(IsOwnLogRecord, PrefixByteForByte) {
    const std::string log = "C:\\app\\Log\\20260307.log";
    const struct {
        const char* fullPath;
        const char* logFile;
        bool own;
    } cases[] = {
        {"C:\\app\\Log\\20260307.log", log.c_str(), true},
        {"C:\\app\\Log\\20260307.logx", log.c_str(), true},  // the prefix rule, as the log writer sees it
        {"C:\\app\\Log\\20260306.log", log.c_str(), false},
        {"C:\\app\\Log", log.c_str(), false},                // the directory itself is shown
        {"c:\\app\\log\\20260307.log", log.c_str(), false},  // letter case counts
        {"C:\\app\\Log\\20260307.log", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsOwnLogRecord(c.fullPath, c.logFile), c.own) << c.fullPath;
}

TEST(DailyLogPath, DatedFileInLogDirectory) {
    EXPECT_EQ(DailyLogPath("C:\\app\\", {2026, 3, 7, 23, 59, 59}), "C:\\app\\Log\\20260307.log");
    EXPECT_EQ(DailyLogPath("C:\\app\\", {2026, 11, 28, 0, 0, 0}), "C:\\app\\Log\\20261128.log");
    EXPECT_EQ(LogDirectory("C:\\app\\"), "C:\\app\\Log");
}

}  // namespace
}  // namespace vemora
