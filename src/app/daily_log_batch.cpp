#include "app/daily_log_batch.h"

namespace vemora {

void DailyLogBatch::Add(std::string_view path, std::string_view line) {
    if (pieces_.empty() || pieces_.back().path != path) pieces_.push_back({std::string(path), {}});
    pieces_.back().bytes += line;
}

}  // namespace vemora
