#include "shell/id_list.h"

#include <gtest/gtest.h>

#include "shell/id_list_array.h"
#include "shell/memory_namespace.h"
#include "shell/pidl_list.h"
#include "shell/shell_ops.h"

namespace vemora::shell {
namespace {

IdList Items(std::initializer_list<std::uint8_t> payloadBytes) {
    std::vector<std::vector<std::uint8_t>> payloads;
    for (std::uint8_t b : payloadBytes) payloads.push_back({b, b});
    return IdList::FromItems(payloads);
}

TEST(IdList, LengthCopyAndConcat) {
    EXPECT_EQ(IdListLength(IdList()), 0u);
    EXPECT_EQ(IdListLength(IdList::Empty()), 2u);
    EXPECT_EQ(IdListLength(Items({1, 2})), 2u * 4 + 2);
    EXPECT_EQ(CopyIdList(IdList()), IdList::Empty());
    const IdList x = Items({7, 8});
    EXPECT_EQ(ConcatIdLists(IdList::Empty(), x), x);
    EXPECT_EQ(ConcatIdLists(IdList(), x), x);
    EXPECT_EQ(ConcatIdLists(x, IdList()), x);
    EXPECT_EQ(ConcatIdLists(Items({1}), Items({2, 3})), Items({1, 2, 3}));
}

TEST(IdList, FromBytesRefusesDamagedChains) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        bool valid;
    };
    const Case cases[] = {
        {{0, 0}, true},
        {{4, 0, 9, 9, 0, 0}, true},
        {{}, false},
        {{0}, false},
        {{4, 0, 9, 9}, false},        // no terminator
        {{9, 0, 1, 1, 0, 0}, false},  // count beyond the end
        {{1, 0, 0, 0}, false},        // count smaller than itself
        {{0, 0, 5}, false},           // bytes after the terminator
    };
    for (const auto& c : cases) EXPECT_EQ(IdList::FromBytes(c.bytes).has_value(), c.valid);
}

TEST(IdListArray, CountsItemsAndSplits) {
    const IdList computerDriveFolder = Items({1, 2, 3});
    const TRzIdListArray a(computerDriveFolder);
    EXPECT_EQ(a.Count(), 3);
    EXPECT_EQ(a.WithoutLast(1), Items({1, 2}));
    EXPECT_EQ(a.WithoutLast(0), computerDriveFolder);
    EXPECT_EQ(a.WithoutLast(3), IdList::Empty());
    EXPECT_EQ(a.SingleItem(2), Items({3}));
    EXPECT_TRUE(a.SingleItem(3).IsNull());
    EXPECT_TRUE(a.SingleItem(-1).IsNull());

    const IdList empty = IdList::Empty(), none;
    EXPECT_EQ(TRzIdListArray(empty).Count(), 0);
    EXPECT_EQ(TRzIdListArray(empty).SingleItem(0), IdList::Empty());
    EXPECT_TRUE(TRzIdListArray(empty).SingleItem(1).IsNull());
    EXPECT_EQ(TRzIdListArray(none).Count(), 0);
    EXPECT_TRUE(TRzIdListArray(none).SingleItem(0).IsNull());
    EXPECT_TRUE(TRzIdListArray(none).WithoutLast(0).IsNull());
}

TEST(CompareIdLists, NoListAndEmptyListComeFirst) {
    MemoryNamespace ns;
    auto& a = ns.Add(ns.Root(), "a");
    auto& b = ns.Add(ns.Root(), "b");
    struct Case {
        IdList x, y;
        int expected;
    };
    const Case cases[] = {
        {IdList(), IdList(), 0},
        {IdList(), IdList::Empty(), -1},
        {IdList::Empty(), IdList::Empty(), 0},
        {IdList::Empty(), ns.AbsoluteOf(a), -1},
        {ns.AbsoluteOf(a), ns.AbsoluteOf(a), 0},
        {ns.AbsoluteOf(a), ns.AbsoluteOf(b), -1},
        {ns.AbsoluteOf(b), ns.AbsoluteOf(a), 1},
    };
    for (const auto& c : cases) EXPECT_EQ(CompareIdLists(ns, c.x, c.y), c.expected);
}

class PidlListTest : public testing::Test {
  protected:
    // Items whose namespace order is the reverse of their ids' byte order.
    PidlListTest() {
        for (const char* name : {"d", "c", "b", "a"}) items.push_back(ns.AbsoluteOf(ns.Add(ns.Root(), name)));
        list.SetCompareFolder(ns.Desktop());
    }
    MemoryNamespace ns;
    std::vector<IdList> items;  // d, c, b, a
    TRzPidlList list;
};

TEST_F(PidlListTest, SortedListOrdersByTheFolderAndFindsByBinarySearch) {
    for (const auto& item : items) list.Add(item);
    EXPECT_EQ(list.IndexOf(items[0]), 0);  // unsorted: in order of adding
    list.SetSorted(true);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.EntryIdList(i), items[3 - i]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.IndexOf(items[i]), 3 - i);
    EXPECT_EQ(list.IndexOf(IdList::Empty()), -1);
    const IdList late = ns.AbsoluteOf(ns.Add(ns.Root(), "bb"));
    EXPECT_EQ(list.Add(late), 2);  // between b and c
}

TEST_F(PidlListTest, DuplicatePolicies) {
    list.SetSorted(true);
    for (const auto& item : items) list.Add(item);
    struct Case {
        TRzDuplicates policy;
        int countAfter;
        bool throws;
    };
    for (const Case c : {Case{TRzDuplicates::dupIgnore, 4, false}, Case{TRzDuplicates::dupAccept, 5, false},
                         Case{TRzDuplicates::dupError, 4, true}}) {
        TRzPidlList copy;
        copy.SetCompareFolder(ns.Desktop());
        copy.SetSorted(true);
        for (const auto& item : items) copy.Add(item);
        copy.SetDuplicates(c.policy);
        if (c.throws) {
            EXPECT_THROW(
                {
                    try {
                        copy.Add(items[1]);
                    } catch (const std::runtime_error& e) {
                        EXPECT_STREQ(e.what(), "TRzPidlList: Duplicate PIDL");
                        throw;
                    }
                },
                std::runtime_error);
        } else {
            EXPECT_EQ(copy.Add(items[1]), 2);
        }
        EXPECT_EQ(copy.Count(), c.countAfter);
    }
}

TEST_F(PidlListTest, MatchingTakesEachEqualEntryOnceThenRemovesTheTakenAtOnce) {
    list.SetDuplicates(TRzDuplicates::dupAccept);
    for (bool sorted : {false, true}) {
        list.Clear();
        list.SetSorted(sorted);
        for (int i : {0, 2, 1, 2, 3}) list.Add(items[i]);  // d, b, c, b, a: b twice
        std::vector<bool> taken(list.Count());
        std::vector<int> found;
        for (int i : {2, 2, 2, 3}) {
            const int at = list.IndexOfFree(items[i], taken);
            found.push_back(at < 0 ? -1 : list.EntryIdList(at) == items[i]);
            if (at >= 0) taken[at] = true;
        }
        EXPECT_EQ(found, (std::vector<int>{1, 1, -1, 1}))
            << "sorted " << sorted << ": b twice, not a third time";
        list.DeleteTaken(taken);
        ASSERT_EQ(list.Count(), 2) << sorted;
        EXPECT_EQ(list.IndexOf(items[0]) >= 0 && list.IndexOf(items[1]) >= 0, true) << "d and c are left";
    }
}

TEST(PidlList, WithoutFolderComparesBytes) {
    TRzPidlList list;
    list.SetSorted(true);
    list.Add(Items({5}));
    list.Add(Items({1, 1}));
    list.Add(Items({1}));
    EXPECT_EQ(list.EntryIdList(0), Items({1}));  // a prefix sorts first: equal bytes, shorter
    EXPECT_EQ(list.EntryIdList(1), Items({1, 1}));
    EXPECT_EQ(list.EntryIdList(2), Items({5}));
}

}  // namespace
}  // namespace vemora::shell
