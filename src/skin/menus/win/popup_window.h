// One menu level on the screen: a borderless topmost tool window that never takes the focus.
// It turns the pointer and button into engine events and paints its level off screen.
#pragma once

#include <windows.h>

#include "skin/menus/skin_menu.h"
#include "skin/menus/win/hosted_skin_menu.h"
#include "win/window.h"

namespace vemora::skin {

inline constexpr wchar_t kPopupWindowClass[] = L"TspSkinPopupWindow";

class TspSkinPopupWindow : public PopupView, public win::Window {
  public:
    TspSkinPopupWindow(TspSkinMenu& engine, PopupLevel& level, MenuFonts& fonts);
    ~TspSkinPopupWindow() override;

    void Show(const PopupLevel& level) override;
    void RedrawItem(int index) override;
    void Redraw() override;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    static constexpr UINT_PTR kMouseTimer = 1;
    int LevelIndex() const;  // -1 once the engine has let go of the level
    void PollMouse();
    void Paint(HDC dc);

    TspSkinMenu& engine_;
    PopupLevel& level_;
    MenuFonts& fonts_;
    POINT lastMouse_{-1, -1};
};

// Draws a level into dc at 0, 0 (one blit from an off-screen bitmap).
void PaintPopupLevel(HDC dc, const PopupLevel& level, MenuFonts& fonts);

}  // namespace vemora::skin
