#include "skin/menus/system_menu_items.h"

namespace vemora::skin {
namespace {

struct StandardItem {
    std::string_view name;
    std::string_view key;
    std::string_view caption;
};

constexpr StandardItem kStandardItems[] = {
    {"DSF_MINITEM", "MI_MINCAPTION", "最小化(&N)"},
    {"DSF_MAXITEM", "MI_MAXCAPTION", "最大化(&X)"},
    {"DSF_RESTORE", "MI_RESTORECAPTION", "恢复(&R)"},
    {"DSF_ROLLUP", "MI_ROLLUPCAPTION", "卷起(&L)"},
    {"DSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "最小化到系统托盘区(&T)"},
    {"DSF_CLOSE", "MI_CLOSECAPTION", "关闭(&C)"},
};

enum Standard { kMin, kMax, kRestore, kRollUp, kMinToTray, kClose };

bool Shown(Standard which, const SystemMenuFrame& f) {
    switch (which) {
        case kMin:
            return f.biMinimize && f.frameState != kFrameMinimized;
        case kMax:
            return f.biMaximize && f.frameState != kFrameMaximized;
        case kRestore:
            return f.frameState != kFrameNormal || f.rollUpState;
        case kRollUp:
            return f.biRollUp && !f.rollUpState && f.frameState != kFrameMinimized;
        case kMinToTray:
            return f.biMinimizeToTray;
        case kClose:
            return true;
    }
    return false;
}

std::function<void()> ActionOf(Standard which, const SystemMenuContext& context) {
    const SystemMenuFrame f = context.frame;
    const SystemMenuCommands c = context.commands;
    const auto call = [](const auto& fn, auto... args) {
        if (fn) fn(args...);
    };
    switch (which) {
        case kMin:
            return [f, c, call] {
                if (f.alwaysMinimizeToTray)
                    call(c.minimizeToTray);
                else
                    call(c.setFrameState, int(kFrameMinimized));
            };
        case kMax:
            return [c, call] { call(c.setFrameState, int(kFrameMaximized)); };
        case kRestore:
            // A rolled-up window unrolls first; a maximized one that is not rolled up
            // returns to its normal size whatever RollUpInMaximized says.
            return [f, c, call] {
                if (f.rollUpState && (f.frameState == kFrameNormal || f.rollUpInMaximized)) {
                    call(c.setRollUpState, false);
                } else {
                    call(c.setFrameState, int(kFrameNormal));
                }
            };
        case kRollUp:
            return [c, call] { call(c.setRollUpState, true); };
        case kMinToTray:
            return [c, call] { call(c.minimizeToTray); };
        case kClose:
            return [c, call] { call(c.close); };
    }
    return {};
}

void InsertStandard(TMenuItem& menu, int index, Standard which, const SystemMenuContext& context) {
    if (!Shown(which, context.frame)) return;
    const StandardItem& standard = kStandardItems[which];
    TMenuItem& item = menu.Insert(index, SystemMenuCaption(standard.name, context), ActionOf(which, context));
    item.Name = std::string(standard.name);
    if (which == kClose) item.ShortCutText = context.frame.mdiChild ? "Ctrl+F4" : "Alt+F4";
}

}  // namespace

bool IsStandardSystemMenuItem(std::string_view name) {
    for (const StandardItem& item : kStandardItems) {
        if (item.name == name) return true;
    }
    return false;
}

std::string SystemMenuCaption(std::string_view name, const SystemMenuContext& context) {
    for (const StandardItem& item : kStandardItems) {
        if (item.name != name) continue;
        if (context.strings) {
            const std::string text = context.strings->GetResStr(item.key);
            if (!text.empty()) return context.decode ? context.decode(text) : text;
        }
        return std::string(item.caption);
    }
    return {};
}

TMenuItem& GetSystemMenuItems(TMenuItem* systemMenu, bool useDefaultSysMenu, TMenuItem& internalMenu,
                              const SystemMenuContext& context) {
    if (systemMenu) {
        if (!useDefaultSysMenu) return *systemMenu;
        for (int i = systemMenu->Count() - 1; i >= 0; --i) {
            if (IsStandardSystemMenuItem((*systemMenu)[i].Name)) systemMenu->Delete(i);
        }
        for (Standard which : {kMinToTray, kRollUp, kMax, kRestore, kMin}) {
            InsertStandard(*systemMenu, 0, which, context);
        }
        InsertStandard(*systemMenu, systemMenu->Count(), kClose, context);
        return *systemMenu;
    }
    internalMenu.Clear();
    for (Standard which : {kMin, kMax, kRestore, kRollUp, kMinToTray}) {
        InsertStandard(internalMenu, internalMenu.Count(), which, context);
    }
    if (internalMenu.Count() > 0) internalMenu.Add("-");
    InsertStandard(internalMenu, internalMenu.Count(), kClose, context);
    return internalMenu;
}

}  // namespace vemora::skin
