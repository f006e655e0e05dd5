#include "shell/drive_watch.h"

namespace vemora::shell {

std::vector<std::string> DriveRootsToWatch(std::uint32_t driveMask,
                                           const std::function<int(const std::string&)>& driveType,
                                           const std::function<bool(char)>& connected) {
    std::vector<std::string> roots;
    for (int bit = 0; bit < 26; ++bit) {
        if (!(driveMask & (1u << bit))) continue;
        std::string root = "?:\\";
        root[0] = static_cast<char>('A' + bit);
        const int type = driveType(root);
        if (type == kDriveFixed || type == kDriveRamDisk || (type == kDriveRemote && connected(root[0]))) {
            roots.push_back(root);
        }
    }
    return roots;
}

}  // namespace vemora::shell
