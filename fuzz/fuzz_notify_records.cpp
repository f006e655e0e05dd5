// Change-record buffers as the system (or a broken driver) might fill them.
#include <cstddef>
#include <cstdint>

#include "app/notify_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const vemora::ChangeRecord& record :
         vemora::ProcessNotifications(reinterpret_cast<const std::byte*>(data), size)) {
        if (record.name.size() > size * 2) __builtin_trap();  // a name never outgrows its bytes
    }
    return 0;
}
