// The parts of the notify-icon record that need no Win32: which record the shell takes, how
// much tip fits, which fields are valid, and how the animation steps.
#pragma once

#include <cstddef>
#include <string_view>

namespace vemora {

struct TrayRecordLayout {
    bool full;           // the version 5 record (NOTIFYICONDATAW_V2_SIZE) rather than the first one
    size_t tipCapacity;  // UTF-16 units before the terminating zero
};
TrayRecordLayout RecordLayoutFor(int shellMajorVersion);

// How many leading units of text fit in capacity units. A surrogate pair is never split: half
// a character would show as a box at the end of the tip.
template <typename Unit>
size_t TipLength(std::basic_string_view<Unit> text, size_t capacity) {
    static_assert(sizeof(Unit) == 2, "UTF-16 code units");
    if (text.size() <= capacity) return text.size();
    if (capacity == 0) return 0;
    const auto before = static_cast<char16_t>(text[capacity - 1]);
    const auto after = static_cast<char16_t>(text[capacity]);
    const bool splitsPair = before >= 0xD800 && before <= 0xDBFF && after >= 0xDC00 && after <= 0xDFFF;
    return splitsPair ? capacity - 1 : capacity;
}

// NIF_MESSAGE | NIF_ICON, and NIF_TIP while there is a tip.
unsigned TrayIconFlags(bool hasTip);

// The image after index in a list of count images, back to the first after the last; an index
// outside a shrunk list starts over. Without images the index stays.
int NextAnimationFrame(int index, int count);

}  // namespace vemora
