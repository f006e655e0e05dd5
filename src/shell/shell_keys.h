// The shell tree's default command keys: the shortcut texts parsed into key codes once, and
// the order in which a pressed key is matched against them.
#pragma once

#include <cstdint>
#include <string_view>

namespace vemora::shell {

// A key with its modifiers: the virtual-key code in the low byte, and these bits.
using ShortCut = std::uint16_t;
inline constexpr ShortCut kScShift = 0x2000, kScCtrl = 0x4000, kScAlt = 0x8000;

// "Shift+", "Ctrl+" (or "^") and "Alt+" prefixes, then a key name ("A", "F5", "Del", ...),
// ignoring case; 0 for a text that names no key.
ShortCut TextToShortCut(std::string_view text);

enum class TreeKeyAction { kNone, kDelete, kCopy, kCut, kPaste, kRefresh, kRename };

// The action a pressed key runs; Shift+Del counts as Del. kNone leaves the key to the view.
TreeKeyAction DefaultKeyAction(ShortCut pressed);

}  // namespace vemora::shell
