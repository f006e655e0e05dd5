#include "skin/menus/win/frame_menu_mode.h"

namespace vemora::skin {

FrameMenuMode::FrameMenuMode(HWND host) : host_(host), menu_(host) {}

TMenuItem& FrameMenuMode::GetSystemMenuItems() {
    return skin::GetSystemMenuItems(SystemMenu, UseDefaultSysMenu, internalMenu_,
                                    Context ? Context() : SystemMenuContext{});
}

void FrameMenuMode::ShowSystemMenu(int x, int y) {
    ShowSystemMenuAt({x, y, x, y});
}

bool FrameMenuMode::ShowSystemMenuAt(const Rect& anchor) {
    const TMenuItem& items = GetSystemMenuItems();
    if (items.Count() == 0) return false;
    EnterMenuMode();
    Popup(items, anchor);
    return true;
}

void FrameMenuMode::Popup(const TMenuItem& items, const Rect& anchor, const TspSkinData* skin) {
    if (!skin) skin = MenusSkinData ? MenusSkinData : SkinData;
    menu_.Engine().PopupMenuAt(nullptr, skin, false, items, anchor, 0);
}

void FrameMenuMode::PopupMenu(const TMenuItem& items, const TspSkinData* skin, const Rect& anchor) {
    if (menu_.Engine().MenuOpen()) {
        menu_.Engine().CloseFrom(0);
        if (skinMenuOpen_) EndMenuMode();
    }
    // Menu mode without a menu to show would keep every key from the form until Esc.
    if (items.Count() == 0) return;
    EnterMenuMode();
    Popup(items, anchor, skin);
}

void FrameMenuMode::EnterMenuMode() {
    if (!mainMenuMode_) keyboard_.Start([this](int key) { MenuModeKey(key); });
    if (skinMenuOpen_) return;
    skinMenuOpen_ = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen();
}

void FrameMenuMode::EndMenuMode() {
    skinMenuOpen_ = false;
    if (ReleasePressedObject) ReleasePressedObject();
    keyboard_.Stop();
    if (OnSkinMenuClose) OnSkinMenuClose();
    if (mainMenuMode_) {
        mainMenuMode_ = false;
        if (OnMainMenuExit) OnMainMenuExit();
    }
}

void FrameMenuMode::MenuModeKey(int key) {
    menu_.Engine().KeyDown(key);
    if (key == VK_ESCAPE && menu_.Engine().WindowCount() == 0) EndMenuMode();
}

void FrameMenuMode::MenuClosingCheck() {
    if (HideObjectHint) HideObjectHint();
    if (mainMenuMode_ && !skinMenuOpen_) {
        mainMenuMode_ = false;
        if (OnMainMenuExit) OnMainMenuExit();
        return;
    }
    if (menu_.Engine().WindowCount() > 0) {
        menu_.Engine().CloseAll();  // WM_SKINMENU_CLOSED comes back and ends menu mode
        if (skinMenuOpen_) EndMenuMode();
    } else if (skinMenuOpen_) {
        EndMenuMode();
    }
}

void FrameMenuMode::KeyMenu() {
    if (mainMenuMode_) {
        mainMenuMode_ = false;
        if (OnMainMenuExit) OnMainMenuExit();
        return;
    }
    if (menu_.Engine().MenuOpen() || skinMenuOpen_) {
        menu_.Engine().CloseFrom(0);
        EndMenuMode();
    }
    // Keyboard main-menu mode over the frame's main-menu items: a frame without them only says so.
    mainMenuMode_ = true;
    if (OnMainMenuEnter) OnMainMenuEnter();
}

bool FrameMenuMode::OnMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_MOVE:
        case WM_SIZE:
        case WM_ACTIVATE:
        case WM_KILLFOCUS:
        case WM_CANCELMODE:
        case WM_MOUSEACTIVATE:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_PARENTNOTIFY:
            MenuClosingCheck();
            return false;
        case WM_SKINMENU_CLOSED:
            if (skinMenuOpen_) EndMenuMode();
            result = 0;
            return true;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) != SC_KEYMENU) return false;
            KeyMenu();
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace vemora::skin
