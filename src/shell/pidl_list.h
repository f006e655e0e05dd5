// A list of (id list, node) entries with optional sorting and binary search; the tree's
// refresh merge matches old children against a new enumeration with it.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "shell/id_list.h"
#include "shell/shell_namespace.h"

namespace vemora::shell {

enum class TRzDuplicates { dupIgnore, dupAccept, dupError };

class TRzPidlList {
  public:
    // Compares with the folder's order when set, otherwise by bytes.
    void SetCompareFolder(std::shared_ptr<ShellFolder> folder) { folder_ = std::move(folder); }
    void SetDuplicates(TRzDuplicates policy) { duplicates_ = policy; }

    int Add(IdList list) { return AddEntry(std::move(list), nullptr); }
    virtual int AddEntry(IdList list, void* node);  // throws on a duplicate with dupError
    virtual ~TRzPidlList() = default;
    int IndexOf(const IdList& list) const;  // -1 when absent
    void Delete(int index);
    // For matching two lists in one pass: the first entry equal to list that is not yet taken
    // (-1 when none), and the removal of every taken entry at once.
    int IndexOfFree(const IdList& list, const std::vector<bool>& taken) const;
    void DeleteTaken(const std::vector<bool>& taken);
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    int Capacity() const { return static_cast<int>(entries_.capacity()); }
    void SetCapacity(int capacity) { entries_.reserve(capacity); }
    const IdList& EntryIdList(int index) const { return entries_[index].list; }
    void* EntryNode(int index) const { return entries_[index].node; }
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

  private:
    struct Entry {
        IdList list;
        void* node;
    };
    int Compare(const IdList& a, const IdList& b) const;
    bool Search(const IdList& key, int& position) const;

    std::vector<Entry> entries_;
    std::shared_ptr<ShellFolder> folder_;
    bool sorted_ = false;
    TRzDuplicates duplicates_ = TRzDuplicates::dupError;
};

}  // namespace vemora::shell
