#include "app/event_store.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

TEST(EventStore, KeepsRowsInOrderAcrossChunks) {
    EventStore store;
    const std::string bigName(700 * 1024, 'n');  // two of these cannot share a chunk
    const EventRow rows[] = {
        {0, "t0", "文件", "新建", "a.txt"},
        {kNoImage, "t1", "目录", "", ""},
        {2, "t2", "文件", "修改", bigName},
        {3, "t3", "目录", "更名", bigName + "x"},
        {4, "t4", "文件", "更名为", std::string(3 << 20, 'h')},  // larger than a chunk
        {1, "t5", "目录", "删除", "last"},
    };
    for (const EventRow& row : rows) store.Append(row);
    ASSERT_EQ(store.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(store.Row(i), rows[i]) << i;
        EXPECT_EQ(store.Image(i), rows[i].image);
    }
    EXPECT_EQ(store.Text(5, EventStore::kName), "last");
}

TEST(EventStore, ViewsStayValidWhileAppending) {
    EventStore store;
    store.Append({0, "time", "文件", "新建", "first"});
    const std::string_view first = store.Text(0, EventStore::kName);
    for (int i = 0; i < 100000; ++i)
        store.Append({0, "2026/3/7 14:05:09", "文件", "新建", "file" + std::to_string(i)});
    EXPECT_EQ(first, "first");
    EXPECT_EQ(store.Text(100000, EventStore::kName), "file99999");
}

TEST(EventStore, ClearEmpties) {
    EventStore store;
    store.Append({0, "t", "文件", "新建", "a"});
    store.Clear();
    EXPECT_TRUE(store.empty());
    store.Append({1, "t", "目录", "删除", "b"});
    EXPECT_EQ(store.Row(0), (EventRow{1, "t", "目录", "删除", "b"}));
}

// Dropping the oldest rows: the rest move up, their texts stay where they were (views of
// kept rows stay valid), and a chunk is given back once its last row has gone.
TEST(EventStore, DropFrontKeepsTheNewestRows) {
    struct Case {
        const char* what;
        size_t rows, rowBytes, drop;
    };
    const Case cases[] = {
        {"none", 10, 10, 0},
        {"one", 10, 10, 1},
        {"within the first chunk", 1000, 100, 999},
        {"across chunks", 5000, 1000, 3000},  // 1 MB chunks: about a thousand rows each
        {"every row", 5000, 1000, 5000},
        {"more than there are", 10, 10, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EventStore store;
        const auto name = [&](size_t i) { return std::to_string(i) + std::string(c.rowBytes, 'n'); };
        for (size_t i = 0; i < c.rows; ++i) store.Append({int(i % 5), "t", "文件", "新建", name(i)});
        const std::string_view last = store.Text(c.rows - 1, EventStore::kName);
        const size_t heldBefore = store.HeldBytes();
        store.DropFront(c.drop);
        const size_t kept = c.rows - std::min(c.drop, c.rows);
        ASSERT_EQ(store.size(), kept);
        EXPECT_EQ(store.DroppedCount(), c.rows - kept);
        for (size_t i = 0; i < kept; ++i) {
            ASSERT_EQ(store.Text(i, EventStore::kName), name(c.rows - kept + i)) << i;
            ASSERT_EQ(store.Image(i), int((c.rows - kept + i) % 5)) << i;
        }
        if (kept > 0) {
            EXPECT_EQ(last.data(), store.Text(kept - 1, EventStore::kName).data());
        }
        // At most the text of one chunk stays held for the rows that went.
        const size_t droppedText = (c.rows - kept) * (c.rowBytes + 14);
        EXPECT_LE(store.HeldBytes() + droppedText, heldBefore + (1 << 20));
        store.Append({0, "t", "文件", "新建", "next"});
        EXPECT_EQ(store.Text(kept, EventStore::kName), "next");
        store.Clear();
        EXPECT_EQ(store.DroppedCount(), 0u);
    }
}

}  // namespace
}  // namespace vemora
