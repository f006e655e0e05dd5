// The daily-log lines of one recorded batch, gathered in order so that each daily file gets
// one append instead of one per line. The bytes, their order and the file each line lands in
// stay those of writing line by line.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vemora {

class DailyLogBatch {
  public:
    struct Piece {
        std::string path;   // the daily file
        std::string bytes;  // its lines, in the order they were added
    };

    void Add(std::string_view path, std::string_view line);
    bool empty() const { return pieces_.empty(); }
    std::vector<Piece> Take() { return std::exchange(pieces_, {}); }

  private:
    std::vector<Piece> pieces_;  // one per run of lines for the same file
};

}  // namespace vemora
