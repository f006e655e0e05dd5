#include "skin/menus/win/skin_popup_menu.h"

namespace vemora::skin {

void TspSkinPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup();
    if (frame_) frame_->PopupMenu(Items, SkinData, {x, y, x, y});
}

}  // namespace vemora::skin
