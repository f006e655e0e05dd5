// Decoding of one batch of directory-change records as the system writes them:
// { u32 next-entry offset, u32 action, u32 name length in bytes, UTF-16LE name }...
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vemora {

// Action codes of the change records.
enum : uint32_t {
    kActionAdded = 1,
    kActionRemoved = 2,
    kActionModified = 3,
    kActionRenamedOld = 4,
    kActionRenamedNew = 5,
};

// "ADDED", "DELETED", "MODIFIED", "RENAME...", "RENAMED"; "" for any other code.
const char* ActionName(uint32_t code);

struct ChangeRecord {
    std::string action;  // ActionName of the record's code
    std::string name;    // relative name, UTF-8 (exact, see core/utf.h)
};

// Walks a completed batch. An empty batch is the system's report that changes were lost
// (the buffer overflowed); it decodes as one record with an empty action and name, the row
// the list shows for it. Records that run past the end of the data end the walk.
std::vector<ChangeRecord> ProcessNotifications(const std::byte* data, size_t size);

}  // namespace vemora
