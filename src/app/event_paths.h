// Paths the event recorder and the daily log derive from the watched directory and the clock.
#pragma once

#include <string>
#include <string_view>

#include "core/local_time.h"

namespace vemora {

// The watched path, one backslash, the relative name (no second backslash when the path
// already ends with one).
std::string JoinWatchedPath(std::string_view watchedPath, std::string_view name);

// True when the entry is the program's own daily log: its full path starts with the log's
// path, byte for byte. An empty log path matches nothing.
bool IsOwnLogRecord(std::string_view fullPath, std::string_view logFileName);

// appDir + "Log\" + yyyyMMdd + ".log"; appDir ends with a backslash.
std::string DailyLogPath(std::string_view appDir, const LocalTime& now);
std::string LogDirectory(std::string_view appDir);

}  // namespace vemora
