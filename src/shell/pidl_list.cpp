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

void TRzPidlList::SetSorted(bool sorted) {
    if (sorted && !sorted_) {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [this](const Entry& a, const Entry& b) { return Compare(a.list, b.list) < 0; });
    }
    sorted_ = sorted;
}

}  // namespace vemora::shell
