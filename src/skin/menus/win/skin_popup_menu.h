// A popup menu of the program's own that shows itself through the skinned frame of its form:
// the frame's engine draws it and the frame's menu mode takes the keyboard while it is open.
#pragma once

#include <functional>

#include "skin/menus/menu_item.h"
#include "skin/menus/win/frame_menu_mode.h"

namespace vemora::skin {

class TspSkinPopupMenu {
  public:
    // frame: the menu side of the skinned frame on the menu's form; none shows nothing.
    explicit TspSkinPopupMenu(FrameMenuMode* frame) : frame_(frame) {}

    TMenuItem Items;
    const TspSkinData* SkinData = nullptr;  // none: the frame's menu skin
    std::function<void()> OnPopup;

    // At a screen point; a menu the frame has open closes first.
    void Popup(int x, int y);

  private:
    FrameMenuMode* frame_;
};

}  // namespace vemora::skin
