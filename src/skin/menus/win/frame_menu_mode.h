// The skinned frame's side of its menus: the system menu shown through the menu engine,
// menu mode (the keyboard routed to the open menu), its end, the menu-closing check that
// runs first in the frame's message handler, and Alt / F10. The frame keeps its state and
// buttons; it hands this object its messages and learns of the menu through the callbacks.
#pragma once

#include <windows.h>

#include <functional>

#include "skin/menus/system_menu_items.h"
#include "skin/menus/win/hosted_skin_menu.h"
#include "skin/menus/win/menu_mode.h"

namespace vemora::skin {

class FrameMenuMode {
  public:
    explicit FrameMenuMode(HWND host);

    // The frame's menu properties.
    TMenuItem* SystemMenu = nullptr;  // none: the internal menu
    bool UseDefaultSysMenu = true;
    const TspSkinData* MenusSkinData = nullptr;  // none: SkinData
    const TspSkinData* SkinData = nullptr;
    // The frame's state, its commands and the skin's strings, read at each showing.
    std::function<SystemMenuContext()> Context;

    std::function<void()> OnSkinMenuOpen;
    std::function<void()> OnSkinMenuClose;
    std::function<void()> OnMainMenuEnter;
    std::function<void()> OnMainMenuExit;
    // Releases the object that opened a menu (a pressed button); run as menu mode ends.
    std::function<void()> ReleasePressedObject;
    // Hides the frame's object hint; run by the menu-closing check.
    std::function<void()> HideObjectHint;

    TMenuItem& GetSystemMenuItems();
    // At a screen point (a right-click on the caption); an empty list opens nothing.
    void ShowSystemMenu(int x, int y);
    // Below the system-menu button, its rectangle in screen coordinates. False when the list
    // is empty and nothing opened.
    bool ShowSystemMenuAt(const Rect& anchor);

    // A skinned popup menu of the form (skin: none for the frame's); a menu open before ends
    // its menu mode first.
    void PopupMenu(const TMenuItem& items, const TspSkinData* skin, const Rect& anchor);

    void EnterMenuMode();
    void EndMenuMode();

    // First in the frame's message handler. True when the message was this object's alone
    // (result set); false lets the frame handle it as usual.
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    bool SkinMenuOpen() const { return skinMenuOpen_; }
    bool MainMenuMode() const { return mainMenuMode_; }
    HostedSkinMenu& Menu() { return menu_; }

  private:
    void Popup(const TMenuItem& items, const Rect& anchor, const TspSkinData* skin = nullptr);
    void MenuClosingCheck();
    void MenuModeKey(int key);
    void KeyMenu();

    HWND host_;
    HostedSkinMenu menu_;
    MenuModeKeyboard keyboard_;
    TMenuItem internalMenu_;
    bool skinMenuOpen_ = false;
    bool mainMenuMode_ = false;
};

}  // namespace vemora::skin
