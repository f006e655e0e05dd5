#include "app/daily_log_batch.h"

#include <gtest/gtest.h>

#include <map>

namespace vemora {
namespace {

TEST(DailyLogBatch, EachFileGetsTheBytesLineByLineWritingGives) {
    using Lines = std::vector<std::pair<std::string, std::string>>;  // file, line
    const struct {
        const char* what;
        Lines lines;
        size_t appends;
    } cases[] = {
        {"nothing", {}, 0},
        {"one line", {{"20261211.log", "0?a\r\n"}}, 1},
        {"many lines",
         {{"20261211.log", "0?a\r\n"}, {"20261211.log", "1?b\r\n"}, {"20261211.log", "2?c\r\n"}},
         1},
        {"across midnight",
         {{"20261211.log", "0?a\r\n"}, {"20261212.log", "1?b\r\n"}, {"20261212.log", "2?c\r\n"}},
         2},
        {"back and forth", {{"a.log", "0?a\r\n"}, {"b.log", "1?b\r\n"}, {"a.log", "2?c\r\n"}}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::map<std::string, std::string> lineByLine, batched;
        DailyLogBatch batch;
        for (const auto& [file, line] : c.lines) {
            lineByLine[file] += line;
            batch.Add(file, line);
        }
        EXPECT_EQ(batch.empty(), c.lines.empty());
        const std::vector<DailyLogBatch::Piece> pieces = batch.Take();
        for (const DailyLogBatch::Piece& piece : pieces) batched[piece.path] += piece.bytes;
        EXPECT_EQ(pieces.size(), c.appends);
        EXPECT_EQ(batched, lineByLine);
        EXPECT_TRUE(batch.empty()) << "taken";
    }
}

}  // namespace
}  // namespace vemora
