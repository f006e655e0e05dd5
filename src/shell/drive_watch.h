// Which drive roots the tree's dynamic refresh watches, and for which changes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vemora::shell {

// The system's drive types.
enum DriveType : int {
    kDriveUnknown,
    kDriveNoRoot,
    kDriveRemovable,
    kDriveFixed,
    kDriveRemote,
    kDriveCdRom,
    kDriveRamDisk
};

// Roots ("C:\") of the drives in the logical-drive mask (A: is bit 0) that are fixed, RAM
// disks, or remote and connected; removable and optical drives are never watched (a watch
// would keep them spinning, or ask for a medium).
std::vector<std::string> DriveRootsToWatch(std::uint32_t driveMask,
                                           const std::function<int(const std::string& root)>& driveType,
                                           const std::function<bool(char letter)>& connected);

// The change classes a watch reports: directory names, and file names when files are shown.
inline constexpr std::uint32_t WatchFilter(bool includeNonFolders) {
    return 0x2u | (includeNonFolders ? 0x1u : 0u);
}

}  // namespace vemora::shell
