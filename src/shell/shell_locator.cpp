#include "shell/shell_locator.h"

#include "shell/shell_ops.h"

namespace vemora::shell {

void TRzShellLocator::SetSpecialFolder(std::uint8_t csidl) {
    kind_ = Kind::SpecialFolder;
    special_ = csidl;
    list_ = {};
    resolved_ = false;
    Changed();
}

const IdList& TRzShellLocator::ItemIdList() {
    if (kind_ == Kind::SpecialFolder && !resolved_) {
        resolved_ = true;
        IdList resolved;
        if (Succeeded(ns_->SpecialFolderLocation(special_, resolved))) list_ = std::move(resolved);
    }
    return list_;
}

void TRzShellLocator::SetItemIdList(const IdList& list) {
    bool changed = kind_ == Kind::SpecialFolder;
    if (!list_.IsNull()) {
        const int c = CompareIdLists(*ns_, list_, list);
        changed = changed || (c != 0 && c != kIncomparable);
    } else {
        changed = changed || list.HasItems();
    }
    kind_ = Kind::IdList;
    // The desktop is stored as no list.
    list_ = list.HasItems() ? list : IdList{};
    special_ = kNoSpecialFolder;
    resolved_ = false;
    if (changed) Changed();
}

std::string TRzShellLocator::FileSystemPath() {
    return PathFromIdList(*ns_, ItemIdList());
}

void TRzShellLocator::SetFileSystemPath(const std::string& path) {
    IdList parsed;
    if (!Succeeded(IdListFromPath(*ns_, path, parsed))) parsed = {};
    SetItemIdList(parsed);
}

bool TRzShellLocator::SameLocation(TRzShellLocator& other) {
    if (kind_ != other.kind_) return false;
    if (this == &other) return true;
    if (kind_ == Kind::SpecialFolder) return special_ == other.special_;
    return CompareIdLists(*ns_, list_, other.list_) == 0;
}

void TRzShellLocator::CopyFrom(TRzShellLocator* other) {
    if (!other) {
        if (list_.IsNull()) return;
        list_ = {};
        kind_ = Kind::IdList;
        Changed();
        return;
    }
    if (SameLocation(*other)) return;
    kind_ = other->kind_;
    resolved_ = false;
    if (kind_ == Kind::SpecialFolder) {
        special_ = other->special_;
        list_ = {};
    } else {
        special_ = kNoSpecialFolder;
        // A copied desktop is the empty list, which every reader treats as the desktop.
        list_ = CopyIdList(other->list_);
    }
    Changed();
}

std::vector<std::uint8_t> TRzShellLocator::Write() const {
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(kind_)};
    if (kind_ != Kind::IdList) {
        out.push_back(special_);
        return out;
    }
    const auto n = static_cast<std::uint32_t>(IdListLength(list_));
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(n >> shift));
    out.insert(out.end(), list_.bytes().begin(), list_.bytes().end());
    return out;
}

bool TRzShellLocator::Read(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return false;
    if (bytes[0] != 0) {
        if (bytes.size() < 2) return false;
        SetSpecialFolder(bytes[1]);
        return true;
    }
    if (bytes.size() < 5) return false;
    const std::uint32_t n = bytes[1] | (bytes[2] << 8) | (bytes[3] << 16) | (std::uint32_t(bytes[4]) << 24);
    if (n == 0) {
        SetSpecialFolder(0);
        return true;
    }
    if (n > bytes.size() - 5) return false;
    const auto list = IdList::FromBytes(bytes.subspan(5, n));
    if (!list) return false;
    kind_ = Kind::IdList;
    special_ = kNoSpecialFolder;
    list_ = list->HasItems() ? *list : IdList{};
    resolved_ = false;
    Changed();
    return true;
}

}  // namespace vemora::shell
