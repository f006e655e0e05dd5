#include "shell/list_sort.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

namespace vemora::shell {
namespace {

using testing::ElementsAreArray;

// GBK bytes: 目录 C4BF C2BC, 文件 CEC4 BCFE, 新建 D0C2 BDA8, 删除 C9BE B3FD.
constexpr char kDirectory[] = "\xC4\xBF\xC2\xBC";
constexpr char kFile[] = "\xCE\xC4\xBC\xFE";

TEST(CompareListText, FoldsAsciiLettersOnlyAndComparesBytesUnsigned) {
    const struct {
        std::string a, b;
        int expected;
    } kCases[] = {
        {"abc", "ABC", 0},
        {"Report.DOC", "report.doc", 0},
        {"a", "B", 'A' - 'B'},
        {"_", "a", '_' - 'A'},          // folding goes to upper case: '_' sorts after the letters
        {"\xE4", "\xC4", 0xE4 - 0xC4},  // ä and Ä of code page 1252 are not folded
        {kDirectory, kFile, 0xC4 - 0xCE},
        {"\xCE\xC4", "\xCE\xC4\xBC\xFE", -2},  // prefix: the difference of the lengths
        {"\x81\x61", "\x81\x41", 0},           // a GBK trail byte in the a-z range folds too
        {"\x80", "\x7F", 1},                   // unsigned, not signed char
        {"abc", "ab", 1},
        {"", "", 0},
        {"", "a", -1},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(CompareListText(c.a, c.b), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareListText(c.b, c.a), -c.expected) << c.b << " vs " << c.a;
    }
}

TEST(AscendingCompare, ColumnsEmptyTextsAndMissingItems) {
    const std::string_view subA[] = {"10:00", kFile, ""};
    const std::string_view subB[] = {"09:00", kDirectory, "新建", "b.txt"};
    const ListItemTexts a{"", subA};
    const ListItemTexts b{"", subB};
    const ListItemTexts captionX{"x", {}};
    const struct {
        const ListItemTexts* first;
        const ListItemTexts* second;
        int column;
        int expected;
    } kCases[] = {
        {&a, &b, 0, 0},                            // captions, both empty
        {&a, &b, 1, '1' - '0'},                    // sub-item 0
        {&a, &b, 2, 0xCE - 0xC4},                  // GBK bytes of the type texts
        {&a, &b, 3, 1},                            // an empty text after a non-empty one
        {&b, &a, 3, -1},          {&a, &b, 4, 1},  // a has no sub-item 3: empty
        {&a, &a, 5, 0},                            // both beyond their sub-items
        {&captionX, &a, 0, -1},                    // a non-empty caption before an empty one
        {&a, &b, -1, 0},          {nullptr, &b, 1, 0}, {&a, nullptr, 1, 0},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(AscendingCompare(c.first, c.second, c.column), c.expected) << "column " << c.column;
        EXPECT_EQ(DescendingCompare(c.first, c.second, c.column), -c.expected) << "column " << c.column;
    }
}

TEST(HeaderSortToggle, OnlyTheLastSortedColumnTurnsRound) {
    using Step = HeaderSortToggle::Step;
    constexpr auto kUp = SortDirection::kAscending;
    constexpr auto kDown = SortDirection::kDescending;
    constexpr int kTime = 1, kType = 2, kAction = 3;
    const struct {
        const char* what;
        std::vector<int> clicks;
        std::vector<Step> expected;
    } kCases[] = {
        {"three clicks on 时间", {kTime, kTime, kTime}, {{kTime, kUp}, {kTime, kDown}, {kTime, kUp}}},
        {"类型, 动作, 类型", {kType, kAction, kType}, {{kType, kUp}, {kAction, kUp}, {kType, kUp}}},
        {"descending, then another column",
         {kType, kType, kAction, kAction},
         {{kType, kUp}, {kType, kDown}, {kAction, kUp}, {kAction, kDown}}},
    };
    for (const auto& c : kCases) {
        HeaderSortToggle toggle;
        std::vector<Step> steps;
        for (int column : c.clicks) steps.push_back(toggle.Click(column));
        EXPECT_EQ(steps, c.expected) << c.what;
    }
}

std::vector<size_t> Shown(const RowOrder& order, size_t rows) {
    std::vector<size_t> shown;
    for (size_t i = 0; i < rows; ++i) shown.push_back(order.StoreIndex(i));
    return shown;
}

TEST(RowOrder, StableInBothDirectionsWithEmptyTextsAtTheEnd) {
    // Rows as they arrived; equal keys (in any letter case) keep this order.
    const std::vector<std::string> keys = {"b", "", "A", "a", kFile, "B", "", kDirectory, "a"};
    const auto keyOf = [&](size_t row) { return std::string_view(keys[row]); };
    const struct {
        SortDirection direction;
        std::vector<size_t> expected;
    } kCases[] = {
        {SortDirection::kAscending, {2, 3, 8, 0, 5, 7, 4, 1, 6}},
        {SortDirection::kDescending, {1, 6, 4, 7, 0, 5, 2, 3, 8}},
    };
    for (const auto& c : kCases) {
        RowOrder order;
        order.Sort(keys.size(), keyOf, c.direction);
        EXPECT_THAT(Shown(order, keys.size()), ElementsAreArray(c.expected));
    }
}

void ExpectSameOrderAsStableSort(const std::vector<std::string>& keys) {
    for (const SortDirection direction : {SortDirection::kAscending, SortDirection::kDescending}) {
        std::vector<size_t> expected(keys.size());
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](size_t a, size_t b) {
            const std::string_view ta[] = {keys[a]}, tb[] = {keys[b]};
            const ListItemTexts ia{"", ta}, ib{"", tb};
            return direction == SortDirection::kAscending ? AscendingCompare(&ia, &ib, 1) < 0
                                                          : DescendingCompare(&ia, &ib, 1) < 0;
        });
        RowOrder order;
        order.Sort(
            keys.size(), [&](size_t row) { return std::string_view(keys[row]); }, direction);
        EXPECT_THAT(Shown(order, keys.size()), ElementsAreArray(expected));
    }
}

// The fast key comparison agrees with the list's comparison on texts that share long
// prefixes (for some or all rows, in any letter case), differ only in case, carry high
// bytes and end at every length around eight.
TEST(RowOrder, AgreesWithAStableSortByTheListComparison) {
    std::mt19937 random(7);
    const char kAlphabet[] = {'a', 'A', 'b', 'B', '_', '0', '\x80', '\xCE', '\xC4', ' '};
    const struct {
        const char* first;
        const char* second;
    } kPrefixes[] = {
        {"2026/12/", ""}, {"Dir\\", "dIR\\"}, {"long/shared/folder/name/", "LONG/shared/folder/"}};
    for (const auto& prefixes : kPrefixes) {
        std::vector<std::string> keys(3000);
        for (std::string& key : keys) {
            key = random() % 2 ? prefixes.first : prefixes.second;
            for (size_t n = random() % 12; n > 0; --n) key += kAlphabet[random() % std::size(kAlphabet)];
        }
        ExpectSameOrderAsStableSort(keys);
    }
}

TEST(RowOrder, RowsAfterASortFollowUnsortedAndDroppingKeepsTheOrder) {
    const std::vector<std::string> keys = {"c", "a", "b", "d"};
    RowOrder order;
    order.Sort(
        keys.size(), [&](size_t row) { return std::string_view(keys[row]); }, SortDirection::kAscending);
    // Two rows arrive after the sort: they follow as they came.
    EXPECT_THAT(Shown(order, 6), ElementsAreArray({1, 2, 0, 3, 4, 5}));
    EXPECT_EQ(order.ShownIndex(0), 2u);
    EXPECT_EQ(order.ShownIndex(5), 5u);

    order.DropFront(2);  // rows "c" and "a" leave the store; the rest move up by two
    EXPECT_THAT(Shown(order, 4), ElementsAreArray({0, 1, 2, 3}));
    order.Sort(
        4, [&](size_t row) { return row == 0 ? std::string_view("z") : std::string_view("y"); },
        SortDirection::kAscending);
    order.DropFront(1);
    EXPECT_THAT(Shown(order, 3), ElementsAreArray({0, 1, 2}));
    order.DropFront(10);  // more than were sorted
    EXPECT_EQ(order.SortedCount(), 0u);

    order.Sort(
        2, [&](size_t row) { return std::string_view(row ? "a" : "b"); }, SortDirection::kAscending);
    order.Reset();
    EXPECT_THAT(Shown(order, 2), ElementsAreArray({0, 1}));
}

}  // namespace
}  // namespace vemora::shell
