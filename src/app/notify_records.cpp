#include "app/notify_records.h"

#include <algorithm>
#include <iterator>

#include "core/utf.h"

namespace vemora {
namespace {

constexpr size_t kHeaderSize = 12;

uint32_t ReadU32(const std::byte* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::string DecodeName(const std::byte* p, size_t bytes) {
    std::u16string units(bytes / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] =
            static_cast<char16_t>(static_cast<unsigned>(p[2 * i]) | static_cast<unsigned>(p[2 * i + 1]) << 8);
    }
    return Utf16ToUtf8(units);
}

}  // namespace

const char* ActionName(uint32_t code) {
    static const char* const kNames[] = {"", "ADDED", "DELETED", "MODIFIED", "RENAME...", "RENAMED"};
    return code < std::size(kNames) ? kNames[code] : "";
}

std::vector<ChangeRecord> ProcessNotifications(const std::byte* data, size_t size) {
    std::vector<ChangeRecord> records;
    if (size == 0) {
        records.push_back({ActionName(0), {}});
        return records;
    }
    size_t offset = 0;
    while (size - offset >= kHeaderSize) {
        const std::byte* record = data + offset;
        const uint32_t next = ReadU32(record);
        const uint32_t action = ReadU32(record + 4);
        // A name never reaches into the next record or past the data.
        const size_t extent = next != 0 && next <= size - offset ? next : size - offset;
        const size_t nameBytes =
            extent < kHeaderSize ? 0 : std::min<size_t>(ReadU32(record + 8), extent - kHeaderSize);
        records.push_back({ActionName(action), DecodeName(record + kHeaderSize, nameBytes)});
        if (next == 0 || next > size - offset) break;
        offset += next;
    }
    return records;
}

}  // namespace vemora
