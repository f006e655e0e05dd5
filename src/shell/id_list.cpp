#include "shell/id_list.h"

#include <algorithm>
#include <cstring>

namespace vemora::shell {
namespace {

std::uint16_t CountAt(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Offsets of each item's start, in order.
std::vector<std::size_t> ItemOffsets(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::size_t> offsets;
    if (bytes.empty()) return offsets;
    for (std::size_t at = 0; CountAt(&bytes[at]) != 0; at += CountAt(&bytes[at])) offsets.push_back(at);
    return offsets;
}

IdList ListOf(const std::uint8_t* begin, std::size_t length) {
    std::vector<std::uint8_t> bytes(begin, begin + length);
    bytes.push_back(0);
    bytes.push_back(0);
    return *IdList::FromBytes(bytes);
}

}  // namespace

IdList IdList::Empty() {
    IdList list;
    list.bytes_ = {0, 0};
    return list;
}

std::optional<IdList> IdList::FromBytes(std::span<const std::uint8_t> bytes) {
    std::size_t at = 0;
    for (;;) {
        if (bytes.size() - at < 2) return std::nullopt;
        const std::uint16_t count = CountAt(&bytes[at]);
        if (count == 0) break;
        if (count < 2 || count > bytes.size() - at) return std::nullopt;
        at += count;
    }
    if (at + 2 != bytes.size()) return std::nullopt;
    IdList list;
    list.bytes_.assign(bytes.begin(), bytes.end());
    return list;
}

IdList IdList::FromItems(const std::vector<std::vector<std::uint8_t>>& payloads) {
    IdList list = Empty();
    list.bytes_.clear();
    for (const auto& payload : payloads) {
        const std::size_t count = payload.size() + 2;
        list.bytes_.push_back(static_cast<std::uint8_t>(count & 0xFF));
        list.bytes_.push_back(static_cast<std::uint8_t>(count >> 8));
        list.bytes_.insert(list.bytes_.end(), payload.begin(), payload.end());
    }
    list.bytes_.push_back(0);
    list.bytes_.push_back(0);
    return list;
}

IdList IdList::FromRaw(const void* pidl) {
    if (!pidl) return {};
    const auto* p = static_cast<const std::uint8_t*>(pidl);
    std::size_t length = 0;
    while (CountAt(p + length) != 0) length += CountAt(p + length);
    return ListOf(p, length);
}

int IdList::ItemCount() const {
    return static_cast<int>(ItemOffsets(bytes_).size());
}

IdList IdList::Item(int index) const {
    const auto offsets = ItemOffsets(bytes_);
    if (index < 0 || index >= static_cast<int>(offsets.size())) return {};
    const std::size_t at = offsets[index];
    return ListOf(&bytes_[at], CountAt(&bytes_[at]));
}

IdList IdList::Parent() const {
    const auto offsets = ItemOffsets(bytes_);
    if (offsets.empty()) return {};
    return ListOf(bytes_.data(), offsets.back());
}

IdList IdList::Last() const {
    const auto offsets = ItemOffsets(bytes_);
    if (offsets.empty()) return {};
    return Item(static_cast<int>(offsets.size()) - 1);
}

std::size_t IdListLength(const IdList& list) {
    return list.bytes().size();
}

IdList CopyIdList(const IdList& list) {
    return list.IsNull() ? IdList::Empty() : list;
}

IdList ConcatIdLists(const IdList& first, const IdList& second) {
    const IdList a = CopyIdList(first);
    const IdList b = CopyIdList(second);
    std::vector<std::uint8_t> bytes(a.bytes().begin(), a.bytes().end() - 2);
    bytes.insert(bytes.end(), b.bytes().begin(), b.bytes().end());
    return *IdList::FromBytes(bytes);
}

int CompareIdListBytes(const IdList& a, const IdList& b) {
    const std::size_t la = IdListLength(a), lb = IdListLength(b);
    const std::size_t n = std::min(la, lb);
    for (std::size_t i = 0; i < n; ++i) {
        if (a.data()[i] != b.data()[i]) return int(a.data()[i]) - int(b.data()[i]);
    }
    return static_cast<int>(la) - static_cast<int>(lb);
}

}  // namespace vemora::shell
