#include "shell/list_sort.h"

#include <algorithm>
#include <cstring>

namespace vemora::shell {
namespace {

inline unsigned char Fold(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

std::string_view TextOf(const ListItemTexts& item, int column) {
    if (column == 0) return item.caption;
    const size_t sub = static_cast<size_t>(column) - 1;
    return sub < item.subItems.size() ? item.subItems[sub] : std::string_view{};
}

// A sort key. The keys are sorted eight folded bytes at a time, as one big-endian number
// each: first the bytes after what all keys share (a date, a folder), then, within a run
// of keys equal so far, the next eight. The text itself is read only to build the numbers.
struct Key {
    uint64_t prefix;
    uint32_t rank;  // the key's size while it ends within the prefix, else one beyond it
    uint32_t row;
    const char* data;
    uint32_t size;
};

size_t CommonFoldedPrefix(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    while (i < n && Fold(static_cast<unsigned char>(a[i])) == Fold(static_cast<unsigned char>(b[i]))) ++i;
    return i;
}

// Keys equal in their folded bytes up to depth + 8 (zero bytes past their end) differ by
// the prefix rule while one ends within those bytes: the rank orders them by size.
void SetPrefix(Key& key, size_t depth) {
    uint64_t prefix = 0;
    for (size_t i = depth; i < depth + 8; ++i) {
        const unsigned char c = i < key.size ? Fold(static_cast<unsigned char>(key.data[i])) : 0;
        prefix = prefix << 8 | c;
    }
    key.prefix = prefix;
    key.rank = static_cast<uint32_t>(std::min<size_t>(key.size, depth + 9));
}

// The row breaks ties, so the result is that of a stable sort of the rows in arrival order.
template <bool kDescending>
bool KeyLess(const Key& a, const Key& b) {
    if (a.prefix != b.prefix) return kDescending ? a.prefix > b.prefix : a.prefix < b.prefix;
    if (a.rank != b.rank) return kDescending ? a.rank > b.rank : a.rank < b.rank;
    return a.row < b.row;
}

// Sorts keys that are equal in their first depth folded bytes by the list's comparison.
template <bool kDescending>
void SortKeys(Key* begin, Key* end, size_t depth) {
    struct Range {
        Key* begin;
        Key* end;
        size_t depth;
    };
    std::vector<Range> pending{{begin, end, depth}};
    while (!pending.empty()) {
        Range range = pending.back();
        pending.pop_back();
        size_t common = range.begin->size;
        for (const Key* key = range.begin; key != range.end && common > range.depth; ++key) {
            common = CommonFoldedPrefix({range.begin->data, common}, {key->data, key->size});
        }
        common = std::max(common, range.depth);
        for (Key* key = range.begin; key != range.end; ++key) SetPrefix(*key, common);
        std::sort(range.begin, range.end, KeyLess<kDescending>);
        // Runs still equal whose keys go on past the prefix are sorted by their next bytes.
        for (Key* run = range.begin; run != range.end;) {
            Key* runEnd = run + 1;
            while (runEnd != range.end && runEnd->prefix == run->prefix && runEnd->rank == run->rank)
                ++runEnd;
            if (runEnd - run > 1 && run->size > common + 8) pending.push_back({run, runEnd, common + 8});
            run = runEnd;
        }
    }
}

}  // namespace

int CompareListText(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = Fold(static_cast<unsigned char>(a[i]));
        const int cb = Fold(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca - cb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int AscendingCompare(const ListItemTexts* a, const ListItemTexts* b, int column) {
    if (!a || !b || column < 0) return 0;
    const std::string_view first = TextOf(*a, column);
    const std::string_view second = TextOf(*b, column);
    const int c = CompareListText(first, second);
    if (c > 0 && second.empty()) return -1;
    if (c < 0 && first.empty()) return 1;
    return c;
}

int DescendingCompare(const ListItemTexts* a, const ListItemTexts* b, int column) {
    return -AscendingCompare(a, b, column);
}

HeaderSortToggle::Step HeaderSortToggle::Click(int column) {
    if (column == lastSorted_) {
        lastSorted_ = -1;
        return {column, SortDirection::kDescending};
    }
    lastSorted_ = column;
    return {column, SortDirection::kAscending};
}

void RowOrder::Sort(size_t rowCount, const std::function<std::string_view(size_t)>& keyOf,
                    SortDirection direction) {
    std::vector<Key> keys;
    std::vector<uint32_t> empties;
    keys.reserve(rowCount);
    for (size_t row = 0; row < rowCount; ++row) {
        const std::string_view text = keyOf(row);
        if (text.empty()) {
            empties.push_back(static_cast<uint32_t>(row));
        } else {
            keys.push_back(
                {0, 0, static_cast<uint32_t>(row), text.data(), static_cast<uint32_t>(text.size())});
        }
    }
    if (!keys.empty()) {
        if (direction == SortDirection::kAscending) {
            SortKeys<false>(keys.data(), keys.data() + keys.size(), 0);
        } else {
            SortKeys<true>(keys.data(), keys.data() + keys.size(), 0);
        }
    }

    sorted_.clear();
    sorted_.reserve(rowCount);
    const auto appendKeys = [&] {
        for (const Key& key : keys) sorted_.push_back(key.row);
    };
    if (direction == SortDirection::kAscending) {
        appendKeys();
        sorted_.insert(sorted_.end(), empties.begin(), empties.end());
    } else {
        sorted_.insert(sorted_.end(), empties.begin(), empties.end());
        appendKeys();
    }
}

void RowOrder::DropFront(size_t count) {
    if (count == 0) return;
    const auto gone =
        std::remove_if(sorted_.begin(), sorted_.end(), [&](uint32_t row) { return row < count; });
    sorted_.erase(gone, sorted_.end());
    for (uint32_t& row : sorted_) row -= static_cast<uint32_t>(count);
}

size_t RowOrder::ShownIndex(size_t storeIndex) const {
    if (storeIndex >= sorted_.size()) return storeIndex;
    return static_cast<size_t>(std::find(sorted_.begin(), sorted_.end(), storeIndex) - sorted_.begin());
}

}  // namespace vemora::shell
