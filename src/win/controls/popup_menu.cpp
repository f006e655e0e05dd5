#include "win/controls/popup_menu.h"

#include <algorithm>
#include <cassert>

#include "win/controls/image_strip.h"
#include "win/text.h"

namespace vemora::win {

PopupMenu::Item& PopupMenu::Add(Item item) {
    items_.push_back(std::move(item));
    return items_.back();
}

PopupMenu::Item& PopupMenu::Find(std::string_view name) {
    const auto item =
        std::find_if(items_.begin(), items_.end(), [&](const Item& i) { return i.name == name; });
    assert(item != items_.end() && "menu items are found by the names the program gave them");
    return *item;
}

void PopupMenu::Show(HWND owner, POINT screen) {
    if (onPopup) onPopup();
    UniqueMenu menu(CreatePopupMenu());
    std::vector<std::wstring> captions;
    captions.reserve(items_.size());
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.caption == "-") {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            captions.emplace_back();
            continue;
        }
        captions.push_back(Widen(item.caption));
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | (images_ && item.image >= 0 ? MIIM_BITMAP : 0);
        info.wID = static_cast<UINT>(i + 1);
        info.dwTypeData = captions.back().data();
        info.fState = item.enabled ? MFS_ENABLED : MFS_DISABLED;
        if (images_ && item.image >= 0) info.hbmpItem = images_->MenuBitmap(item.image);
        InsertMenuItemW(menu.get(), static_cast<UINT>(i), TRUE, &info);
    }
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen >= 1 && chosen <= items_.size() && items_[chosen - 1].onClick) items_[chosen - 1].onClick();
}

}  // namespace vemora::win
