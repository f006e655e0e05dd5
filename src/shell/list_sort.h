// How the report list orders rows by one column's text when a header is clicked, and the
// order it shows rows held elsewhere in. Texts are the bytes of the ANSI code page.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace vemora::shell {

enum class SortDirection { kAscending, kDescending };

// The list's case-insensitive comparison: only ASCII a-z fold to A-Z; other bytes compare as
// unsigned values, so multi-byte characters order by their byte codes. The first difference
// decides (difference of the bytes); a prefix is smaller (difference of the lengths).
int CompareListText(std::string_view a, std::string_view b);

// The texts of one item as the comparison sees them.
struct ListItemTexts {
    std::string_view caption;                    // column 0
    std::span<const std::string_view> subItems;  // columns 1, 2, ...
};

// The header click's comparison of two items (null: missing) by a column: 0 for a missing
// item or a negative column; empty texts after all others. Descending is its negation.
int AscendingCompare(const ListItemTexts* a, const ListItemTexts* b, int column);
int DescendingCompare(const ListItemTexts* a, const ListItemTexts* b, int column);

// A header click with AlphaSortAll: only a second click on the column sorted last turns
// the order round, and it arms the next click to sort ascending again.
class HeaderSortToggle {
  public:
    struct Step {
        int column;
        SortDirection direction;
        friend bool operator==(const Step&, const Step&) = default;
    };
    Step Click(int column);
    int LastSortedColumn() const { return lastSorted_; }

  private:
    int lastSorted_ = -1;
};

// The order a list shows the rows of a store in: the rows present at the last sort in
// sorted order, then every row appended since, as it arrived. The order names store
// indexes, never copies of the text. Sorting is stable against arrival: equal keys keep
// the order the rows came in, in both directions.
class RowOrder {
  public:
    // Sorts rows 0..rowCount-1 by keyOf(row) (asked once per row; the views must stay
    // valid during the call) with the list's comparison; an empty key sorts last ascending.
    void Sort(size_t rowCount, const std::function<std::string_view(size_t)>& keyOf, SortDirection direction);
    void Reset() { sorted_.clear(); }  // arrival order, as after Clear
    // The store dropped its oldest count rows: the others move up, their order stays.
    void DropFront(size_t count);

    size_t StoreIndex(size_t shown) const { return shown < sorted_.size() ? sorted_[shown] : shown; }
    size_t ShownIndex(size_t storeIndex) const;  // the inverse, by search
    size_t SortedCount() const { return sorted_.size(); }

  private:
    std::vector<uint32_t> sorted_;
};

}  // namespace vemora::shell
