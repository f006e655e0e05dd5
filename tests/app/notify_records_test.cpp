#include "app/notify_records.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>

namespace vemora {
namespace {

// Builds a batch the way the system lays it out: DWORD-aligned records, the last with
// a zero next-entry offset.
class BatchBuilder {
  public:
    BatchBuilder& Add(uint32_t action, std::u16string_view name) {
        const size_t start = bytes_.size();
        if (lastRecord_ != kNone) Put32(lastRecord_, static_cast<uint32_t>(start - lastRecord_));
        lastRecord_ = start;
        bytes_.resize(start + 12 + name.size() * 2);
        Put32(start, 0);
        Put32(start + 4, action);
        Put32(start + 8, static_cast<uint32_t>(name.size() * 2));
        for (size_t i = 0; i < name.size(); ++i) {
            bytes_[start + 12 + 2 * i] = std::byte(name[i] & 0xFF);
            bytes_[start + 13 + 2 * i] = std::byte(name[i] >> 8);
        }
        bytes_.resize((bytes_.size() + 3) & ~size_t{3});
        return *this;
    }
    std::vector<std::byte>& bytes() { return bytes_; }

  private:
    static constexpr size_t kNone = ~size_t{0};
    void Put32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_[at + i] = std::byte(v >> (8 * i));
    }
    std::vector<std::byte> bytes_;
    size_t lastRecord_ = kNone;
};

std::vector<ChangeRecord> Decode(const std::vector<std::byte>& bytes) {
    return ProcessNotifications(bytes.data(), bytes.size());
}

MATCHER_P2(Record, action, name, "") {
    return arg.action == action && arg.name == name;
}

TEST(ProcessNotifications, MultiRecordBatchInOrder) {
    BatchBuilder batch;
    batch.Add(kActionAdded, u"new.txt").Add(kActionRenamedOld, u"a.doc").Add(kActionRenamedNew, u"报告.doc");
    const auto records = Decode(batch.bytes());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_THAT(records[0], Record("ADDED", "new.txt"));
    EXPECT_THAT(records[1], Record("RENAME...", "a.doc"));
    EXPECT_THAT(records[2], Record("RENAMED", "报告.doc"));
}

TEST(ProcessNotifications, NameFillingWholeWordsIsExact) {
    // "ab" and "abcd" are 4 and 8 bytes: the next record follows with no padding.
    BatchBuilder batch;
    batch.Add(kActionModified, u"ab").Add(kActionRemoved, u"abcd").Add(kActionAdded, u"x");
    const auto records = Decode(batch.bytes());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_THAT(records[0], Record("MODIFIED", "ab"));
    EXPECT_THAT(records[1], Record("DELETED", "abcd"));
    EXPECT_THAT(records[2], Record("ADDED", "x"));
}

TEST(ProcessNotifications, ZeroByteBatchIsOneEmptyRecord) {
    const auto records = ProcessNotifications(nullptr, 0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_THAT(records[0], Record("", ""));
}

TEST(ProcessNotifications, SubdirectoryNameAndUnknownAction) {
    BatchBuilder batch;
    batch.Add(kActionAdded, u"sub\\f.txt").Add(9, u"odd");
    const auto records = Decode(batch.bytes());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_THAT(records[0], Record("ADDED", "sub\\f.txt"));
    EXPECT_THAT(records[1], Record("", "odd"));
}

TEST(ProcessNotifications, HostileBatchesStayInBounds) {
    const struct {
        const char* what;
        void (*corrupt)(std::vector<std::byte>&);
        size_t records;
    } cases[] = {
        {"name longer than the data",
         [](auto& b) {
             b[8] = std::byte(0xFF);
             b[9] = std::byte(0xFF);
         },
         2},
        {"next offset past the end",
         [](auto& b) {
             b[0] = std::byte(0xF0);
             b[1] = std::byte(0xFF);
         },
         1},
        {"truncated header", [](auto& b) { b.resize(7); }, 0},
        {"last name cut short", [](auto& b) { b.resize(b.size() - 1); }, 2},
        {"last header cut short", [](auto& b) { b.resize(40); }, 1},
    };
    for (const auto& c : cases) {
        BatchBuilder batch;
        batch.Add(kActionAdded, u"first.txt").Add(kActionAdded, u"second.txt");
        c.corrupt(batch.bytes());
        const auto records = Decode(batch.bytes());
        EXPECT_EQ(records.size(), c.records) << c.what;
        if (!records.empty()) {
            EXPECT_EQ(records[0].name.substr(0, 9), "first.txt") << c.what;  // a bad length may add padding
        }
    }
}

TEST(ActionName, CodesOutsideTheTableAreEmpty) {
    const std::pair<uint32_t, const char*> cases[] = {{0, ""},         {1, "ADDED"},     {2, "DELETED"},
                                                      {3, "MODIFIED"}, {4, "RENAME..."}, {5, "RENAMED"},
                                                      {6, ""},         {0xFFFFFFFF, ""}};
    for (const auto& [code, name] : cases) EXPECT_STREQ(ActionName(code), name) << code;
}

}  // namespace
}  // namespace vemora
