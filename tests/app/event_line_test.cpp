#include "app/event_line.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

const EventRow kCreated{0, "2026/3/7 14:05:09", "文件", "新建", "a.txt"};
const EventRow kOverflow{kNoImage, "2026/3/7 14:05:10", "目录", "", ""};

TEST(FormatEventLine, FiveFieldsSeparatedByQuestionMarks) {
    EXPECT_EQ(FormatEventLine(kCreated), "0?2026/3/7 14:05:09?文件?新建?a.txt");
    EXPECT_EQ(FormatEventLine(kOverflow), "-1?2026/3/7 14:05:10?目录??");
    EXPECT_EQ(FormatEventLine({4, "2026/3/7", "文件", "更名为", "sub\\b.txt"}),
              "4?2026/3/7?文件?更名为?sub\\b.txt");
}

TEST(ParseEventLine, ReadsWhatFormatWrites) {
    for (const EventRow& row : {kCreated, kOverflow, EventRow{12, "t", "目录", "删除", "x?y"}}) {
        EXPECT_EQ(ParseEventLine(FormatEventLine(row)), row) << FormatEventLine(row);
    }
}

TEST(ParseEventLine, Fields) {
    const struct {
        const char* line;
        std::optional<EventRow> row;
    } cases[] = {
        {"3?t?目录?更名?a?b?c", EventRow{3, "t", "目录", "更名", "a?b?c"}},  // name keeps further separators
        {"2?t?文件?修改", EventRow{2, "t", "文件", "", "修改"}},  // too few separators: the field is empty
        {"1", EventRow{1, "", "", "", ""}},
        {"-1????", EventRow{kNoImage, "", "", "", ""}},
        {"", std::nullopt},
        {"?t?文件?新建?a", std::nullopt},
        {"x?t?文件?新建?a", std::nullopt},
        {"1x?t?文件?新建?a", std::nullopt},
        {"99999999999?t", std::nullopt},
        {"+1?t", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseEventLine(c.line), c.row) << c.line;
}

TEST(ParseEventLines, LineEndsEmptyLinesAndErrors) {
    const struct {
        std::string text;
        size_t rows;
        int errorLine;
    } cases[] = {
        {"0?a?b?c?d\r\n1?a?b?c?d\r\n2?a?b?c?d\r\n", 3, 0},
        {"0?a?b?c?d\n1?a?b?c?d\r2?a?b?c?d", 3, 0},
        {"0?a?b?c?d\r\n1?a?b?c?d\r\n\r\n3?a?b?c?d\r\n", 3, 0},  // empty third line is skipped
        {"-1?a?b?c?d\r\n", 1, 0},
        {"0?a?b?c?d\r\n1?a?b?c?d\r\nbroken\r\n3?a?b?c?d\r\n", 2, 3},
        {"\r\n\r\nbroken", 0, 3},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        const ParsedEvents parsed = ParseEventLines(c.text);
        EXPECT_EQ(parsed.rows.size(), c.rows) << testing::PrintToString(c.text);
        EXPECT_EQ(parsed.errorLine, c.errorLine) << testing::PrintToString(c.text);
    }
    EXPECT_EQ(ParseEventLines("0?a?b?c?d\nbad line\n").errorText, "bad line");
}

// A large file arrives in pieces that end anywhere: between the CR and LF of a line end, in
// the middle of a field, or right after a bad line.
TEST(EventLineReader, AnySplitGivesWhatTheWholeTextGives) {
    const std::string texts[] = {
        "0?a?b?c?d\r\n1?a?b?c?d\r\n2?a?b?c?d\r\n",
        "0?a?b?c?d\n1?a?b?c?d\r2?a?b?c?d",
        "0?a?b?c?d\r\r\n\n1?a?b?c?d?e\r\n",
        "0?a?b?c?d\r\nbroken\r\n3?a?b?c?d\r\n",
        "\r\n\r\nbroken",
    };
    const auto parse = [](const std::vector<std::string_view>& pieces) {
        ParsedEvents parsed;
        EventLineReader reader([&](const EventRowView& row) {
            parsed.rows.push_back({row.image, std::string(row.time), std::string(row.type),
                                   std::string(row.action), std::string(row.name)});
        });
        bool more = true;
        for (std::string_view piece : pieces) more = more && reader.Feed(piece);
        if (more) reader.Finish();
        parsed.errorLine = reader.errorLine();
        parsed.errorText = reader.errorText();
        return parsed;
    };
    for (const std::string& text : texts) {
        const ParsedEvents whole = ParseEventLines(text);
        std::vector<std::string_view> bytes;
        for (size_t i = 0; i < text.size(); ++i) bytes.push_back(std::string_view(text).substr(i, 1));
        std::vector<std::vector<std::string_view>> splits = {bytes};
        for (size_t at = 0; at <= text.size(); ++at) {
            splits.push_back({std::string_view(text).substr(0, at), std::string_view(text).substr(at)});
        }
        for (const auto& pieces : splits) {
            const ParsedEvents split = parse(pieces);
            const std::string trace = testing::PrintToString(text) + " in " + std::to_string(pieces.size());
            EXPECT_EQ(split.rows, whole.rows) << trace;
            EXPECT_EQ(split.errorLine, whole.errorLine) << trace;
            EXPECT_EQ(split.errorText, whole.errorText) << trace;
        }
    }
}

}  // namespace
}  // namespace vemora
