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

}  // namespace
}  // namespace vemora
