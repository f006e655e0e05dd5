#include "shell/shell_keys.h"

#include <array>
#include <cctype>
#include <string>

namespace vemora::shell {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool Equal(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWith(a, b);
}

// Virtual-key codes of the named keys.
std::uint8_t KeyOf(std::string_view name) {
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<std::uint8_t>(c);
        return 0;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return 0;
            n = n * 10 + (c - '0');
        }
        return n >= 1 && n <= 24 ? static_cast<std::uint8_t>(0x6F + n) : 0;
    }
    struct Named {
        std::string_view name;
        std::uint8_t key;
    };
    static constexpr Named kNamed[] = {
        {"BkSp", 0x08}, {"Tab", 0x09},   {"Enter", 0x0D}, {"Esc", 0x1B},  {"Space", 0x20},
        {"PgUp", 0x21}, {"PgDn", 0x22},  {"End", 0x23},   {"Home", 0x24}, {"Left", 0x25},
        {"Up", 0x26},   {"Right", 0x27}, {"Down", 0x28},  {"Ins", 0x2D},  {"Del", 0x2E},
    };
    for (const auto& n : kNamed) {
        if (Equal(name, n.name)) return n.key;
    }
    return 0;
}

}  // namespace

ShortCut TextToShortCut(std::string_view text) {
    ShortCut modifiers = 0;
    for (;;) {
        if (StartsWith(text, "Shift+")) {
            modifiers |= kScShift;
            text.remove_prefix(6);
        } else if (StartsWith(text, "Ctrl+")) {
            modifiers |= kScCtrl;
            text.remove_prefix(5);
        } else if (StartsWith(text, "^") && text.size() > 1) {
            modifiers |= kScCtrl;
            text.remove_prefix(1);
        } else if (StartsWith(text, "Alt+")) {
            modifiers |= kScAlt;
            text.remove_prefix(4);
        } else {
            break;
        }
    }
    if (text.empty()) return 0;
    const std::uint8_t key = KeyOf(text);
    return key ? static_cast<ShortCut>(modifiers | key) : 0;
}

TreeKeyAction DefaultKeyAction(ShortCut pressed) {
    // Parsed on first use, as the texts would come from the string resources.
    static const std::array<ShortCut, 7> table = [] {
        std::array<ShortCut, 7> keys{};
        const char* texts[] = {"Ctrl+A", "Del", "Ctrl+C", "Ctrl+X", "Ctrl+V", "F5", "F2"};
        for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = TextToShortCut(texts[i]);
        return keys;
    }();
    struct Entry {
        int index;
        TreeKeyAction action;
    };
    static constexpr Entry kOrder[] = {
        {6, TreeKeyAction::kRename}, {5, TreeKeyAction::kRefresh}, {3, TreeKeyAction::kCut},
        {2, TreeKeyAction::kCopy},   {4, TreeKeyAction::kPaste},   {1, TreeKeyAction::kDelete},
    };
    for (const auto& e : kOrder) {
        if (pressed == table[e.index]) return e.action;
    }
    if (static_cast<ShortCut>(pressed & ~kScShift) == table[1]) return TreeKeyAction::kDelete;
    return TreeKeyAction::kNone;
}

}  // namespace vemora::shell
