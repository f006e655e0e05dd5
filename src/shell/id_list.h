// Item id lists: the shell's chain of opaque items naming a place. Each item starts with
// a 16-bit little-endian byte count that includes the count itself; a zero count ends the
// chain. The empty list (terminator only) is the desktop; "no list" is distinct from it.
//
// IdList owns its bytes, so every list the tree keeps is freed by its destructor; the
// Windows adapter copies the shell's lists in and hands ours out as pointers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vemora::shell {

class IdList {
  public:
    IdList() = default;  // no list
    static IdList Empty();
    // A list copied from bytes that end with a terminator; a truncated or overlong chain
    // gives no list (the stored form and the shell are outside data).
    static std::optional<IdList> FromBytes(std::span<const std::uint8_t> bytes);
    // A list built from item payloads (each gets its count prefix).
    static IdList FromItems(const std::vector<std::vector<std::uint8_t>>& payloads);
    // The shell's own list: walks the counts up to the terminator (trusted memory).
    static IdList FromRaw(const void* pidl);

    bool IsNull() const { return bytes_.empty(); }
    bool IsEmpty() const { return bytes_.size() == 2; }  // the desktop
    bool HasItems() const { return bytes_.size() > 2; }
    const std::uint8_t* data() const { return bytes_.empty() ? nullptr : bytes_.data(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    int ItemCount() const;
    IdList Item(int index) const;  // one-item list; no list when out of range
    IdList Parent() const;         // without the last item; no list for no list or the empty list
    IdList Last() const;           // the last item; no list when there is none

    friend bool operator==(const IdList&, const IdList&) = default;

  private:
    std::vector<std::uint8_t> bytes_;  // empty for no list, otherwise items plus terminator
};

std::size_t IdListLength(const IdList& list);                     // 0 for no list
IdList CopyIdList(const IdList& list);                            // no list gives the empty list
IdList ConcatIdLists(const IdList& first, const IdList& second);  // no list counts as empty

// The byte order of two lists over the shorter length: the first differing byte decides,
// otherwise the difference of the lengths.
int CompareIdListBytes(const IdList& a, const IdList& b);

}  // namespace vemora::shell
