#include "app/event_paths.h"

#include "core/date_format.h"

namespace vemora {

std::string JoinWatchedPath(std::string_view watchedPath, std::string_view name) {
    std::string full(watchedPath);
    if (full.empty() || full.back() != '\\') full += '\\';
    full += name;
    return full;
}

bool IsOwnLogRecord(std::string_view fullPath, std::string_view logFileName) {
    return !logFileName.empty() && fullPath.substr(0, logFileName.size()) == logFileName;
}

std::string LogDirectory(std::string_view appDir) {
    return std::string(appDir) + "Log";
}

std::string DailyLogPath(std::string_view appDir, const LocalTime& now) {
    return LogDirectory(appDir) + "\\" + FormatDateTime("yyyyMMdd", now) + ".log";
}

}  // namespace vemora
