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

// A sort key: the first eight folded bytes as one big-endian number decide most
// comparisons without touching the text.
struct Key {
    uint64_t prefix;
    const char* data;
    uint32_t size;
    uint32_t row;
};

Key MakeKey(std::string_view text, uint32_t row) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i) {
        const unsigned char c = i < text.size() ? Fold(static_cast<unsigned char>(text[i])) : 0;
        prefix = prefix << 8 | c;
    }
    return {prefix, text.data(), static_cast<uint32_t>(text.size()), row};
}

// Less-than of the list's comparison for two non-empty keys; the row breaks ties, so the
// result is that of a stable sort of the rows in arrival order.
template <bool kDescending>
bool KeyLess(const Key& a, const Key& b) {
    if (a.prefix != b.prefix) return kDescending ? a.prefix > b.prefix : a.prefix < b.prefix;
    // Equal prefixes: the first min(8, sizes) bytes are equal after folding.
    const size_t start = std::min<size_t>({8, a.size, b.size});
    const int c = CompareListText(std::string_view(a.data, a.size).substr(start),
                                  std::string_view(b.data, b.size).substr(start));
    if (c != 0) return kDescending ? c > 0 : c < 0;
    return a.row < b.row;
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
            keys.push_back(MakeKey(text, static_cast<uint32_t>(row)));
        }
    }
    if (direction == SortDirection::kAscending) {
        std::sort(keys.begin(), keys.end(), KeyLess<false>);
    } else {
        std::sort(keys.begin(), keys.end(), KeyLess<true>);
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
