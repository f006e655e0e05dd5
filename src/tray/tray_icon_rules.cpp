#include "tray/tray_icon_rules.h"

namespace vemora {

TrayRecordLayout RecordLayoutFor(int shellMajorVersion) {
    // Shells before version 5 read only the first record, whose tip holds 64 units.
    if (shellMajorVersion > 4) return {true, 127};
    return {false, 63};
}

unsigned TrayIconFlags(bool hasTip) {
    constexpr unsigned kMessage = 0x1, kIcon = 0x2, kTip = 0x4;
    return kMessage | kIcon | (hasTip ? kTip : 0);
}

int NextAnimationFrame(int index, int count) {
    if (count <= 0) return index;
    return index < 0 || index >= count - 1 ? 0 : index + 1;
}

}  // namespace vemora
