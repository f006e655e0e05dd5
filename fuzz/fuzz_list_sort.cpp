// The texts of an opened log, sorted by a header click, come out exactly as a stable sort by
// the list's comparison orders them, in both directions. Keys are the input's lines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <vector>

#include "shell/list_sort.h"

using vemora::shell::SortDirection;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> keys;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        keys.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    for (const SortDirection direction : {SortDirection::kAscending, SortDirection::kDescending}) {
        vemora::shell::RowOrder order;
        order.Sort(
            keys.size(), [&](size_t row) { return keys[row]; }, direction);
        std::vector<size_t> expected(keys.size());
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](size_t a, size_t b) {
            const vemora::shell::ListItemTexts ia{keys[a], {}}, ib{keys[b], {}};
            const int c = vemora::shell::AscendingCompare(&ia, &ib, 0);
            return direction == SortDirection::kAscending ? c < 0 : c > 0;
        });
        for (size_t i = 0; i < keys.size(); ++i) {
            if (order.StoreIndex(i) != expected[i]) __builtin_trap();
        }
    }
    return 0;
}
