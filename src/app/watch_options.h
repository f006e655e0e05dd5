// The eight event boxes of the watch: which change classes each one adds to the filter.
#pragma once

#include <cstdint>
#include <span>

namespace vemora {

struct EventBox {
    const char* name;  // control name
    int tag;           // its setting number
    const char* caption;
    uint32_t filterBit;  // FILE_NOTIFY_CHANGE_*
};

// In the order their bits are added to the filter.
inline constexpr EventBox kEventBoxes[] = {
    {"ckMonitorFileName", 1, "文件的创建/改名/删除", 0x1},
    {"ckMonitorDirName", 3, "目录的创建/改名/删除", 0x2},
    {"ckMonitorAttributes", 5, "文件或目录的属性更改", 0x4},
    {"ckMonitorSize", 7, "文件大小更改", 0x8},
    {"ckMonitorLastWrite", 4, "文件或目录最后修改日期改变", 0x10},
    {"ckMonitorLastAccess", 8, "文件或目录的最后访问日期更改", 0x20},
    {"ckMonitorCreationDate", 2, "文件或目录的创建日期更改", 0x40},
    {"ckMonitorSecurity", 6, "文件或目录的安全属性更改", 0x100},
};
inline constexpr int kEventBoxCount = static_cast<int>(std::size(kEventBoxes));

// checked[i] belongs to kEventBoxes[i].
inline uint32_t BuildNotifyFilter(std::span<const bool, kEventBoxCount> checked) {
    uint32_t filter = 0;
    for (int i = 0; i < kEventBoxCount; ++i) {
        if (checked[i]) filter |= kEventBoxes[i].filterBit;
    }
    return filter;
}

}  // namespace vemora
