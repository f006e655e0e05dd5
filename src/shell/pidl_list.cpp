#include "shell/pidl_list.h"

#include <algorithm>  // stable_sort: the shell order need not be a strict weak one

#include "shell/shell_ops.h"

namespace vemora::shell {

int TRzPidlList::Compare(const IdList& a, const IdList& b) const {
    if (!folder_) return CompareIdListBytes(a, b);
    int result = 0;
    folder_->CompareIDs(a, b, result);
    return ShortResult(result);
}

bool TRzPidlList::Search(const IdList& key, int& position) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = Compare(entries_[mid].list, key);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != TRzDuplicates::dupAccept) lo = mid;
            }
        }
    }
    position = lo;
    return found;
}

int TRzPidlList::AddEntry(IdList list, void* node) {
    if (!sorted_) {
        entries_.push_back({std::move(list), node});
        return Count() - 1;
    }
    int position = 0;
    if (Search(list, position)) {
        if (duplicates_ == TRzDuplicates::dupIgnore) return position;
        if (duplicates_ == TRzDuplicates::dupError) throw std::runtime_error("TRzPidlList: Duplicate PIDL");
    }
    entries_.insert(entries_.begin() + position, Entry{std::move(list), node});
    return position;
}

int TRzPidlList::IndexOf(const IdList& list) const {
    if (sorted_) {
        int position = 0;
        return Search(list, position) ? position : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (Compare(entries_[i].list, list) == 0) return i;
    }
    return -1;
}

void TRzPidlList::Delete(int index) {
    entries_.erase(entries_.begin() + index);
}

int TRzPidlList::IndexOfFree(const IdList& list, const std::vector<bool>& taken) const {
    if (!sorted_) {
        for (int i = 0; i < Count(); ++i) {
            if (!taken[i] && Compare(entries_[i].list, list) == 0) return i;
        }
        return -1;
    }
    int position = 0;
    if (!Search(list, position)) return -1;
    // Search gives the first of equal entries only when duplicates are accepted.
    while (position > 0 && Compare(entries_[position - 1].list, list) == 0) --position;
    for (; position < Count() && Compare(entries_[position].list, list) == 0; ++position) {
        if (!taken[position]) return position;
    }
    return -1;
}

void TRzPidlList::DeleteTaken(const std::vector<bool>& taken) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (taken[i]) continue;
        if (kept != i) entries_[kept] = std::move(entries_[i]);  // never onto itself: that empties it
        ++kept;
    }
    entries_.resize(kept);
}

void TRzPidlList::SetSorted(bool sorted) {
    if (sorted && !sorted_) {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [this](const Entry& a, const Entry& b) { return Compare(a.list, b.list) < 0; });
    }
    sorted_ = sorted;
}

}  // namespace vemora::shell
