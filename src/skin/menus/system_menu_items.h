// The items of a skinned frame's system menu: the standard window commands, shown when the
// frame's state allows them, added to the form's own menu or forming an internal one.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "skin/data/resource_strings.h"
#include "skin/draw/skin_enums.h"
#include "skin/menus/menu_item.h"

namespace vemora::skin {

// What the frame's state and border icons say about the standard items.
struct SystemMenuFrame {
    bool biMinimize = true;
    bool biMaximize = true;
    bool biRollUp = false;
    bool biMinimizeToTray = false;
    int frameState = kFrameNormal;
    bool rollUpState = false;
    bool rollUpInMaximized = false;
    bool alwaysMinimizeToTray = false;
    bool mdiChild = false;
};

// The frame's operations the items run.
struct SystemMenuCommands {
    std::function<void(int)> setFrameState;
    std::function<void(bool)> setRollUpState;
    std::function<void()> minimizeToTray;
    std::function<void()> close;
};

struct SystemMenuContext {
    SystemMenuFrame frame;
    SystemMenuCommands commands;
    // The skin's strings, when it has them; their texts go through decode (the skin's code
    // page to UTF-8; unchanged when not set).
    const TspResourceStrData* strings = nullptr;
    std::function<std::string(std::string_view)> decode;
};

// "DSF_MINITEM" … "DSF_CLOSE".
bool IsStandardSystemMenuItem(std::string_view name);
// The skin's caption for a standard item when present, else the program's own.
std::string SystemMenuCaption(std::string_view name, const SystemMenuContext& context);

// With systemMenu: its items, the standard ones refreshed around the user's when
// useDefaultSysMenu is set. Without: internalMenu rebuilt with the standard items.
TMenuItem& GetSystemMenuItems(TMenuItem* systemMenu, bool useDefaultSysMenu, TMenuItem& internalMenu,
                              const SystemMenuContext& context);

}  // namespace vemora::skin
