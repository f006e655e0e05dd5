// The menu engine on a host form: its popup windows, fonts, window timers and the
// WM_SKINMENU_CLOSED notifications.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "skin/menus/skin_menu.h"
#include "win/handles.h"
#include "win/window.h"

namespace vemora::skin {

// Tells a window that opened a menu with the two menu messages.
class WindowMenuOpener : public MenuOpener {
  public:
    explicit WindowMenuOpener(HWND window) : window_(window) {}
    void SkinMenuClosed() override { SendMessageW(window_, WM_SKINMENU_CLOSED, 0, 0); }
    void SkinMenuCommand() override { SendMessageW(window_, WM_SKINMENU_COMMAND, 0, 0); }

  private:
    HWND window_;
};

// The HFONT of a menu font, made once.
class MenuFonts {
  public:
    HFONT Get(const MenuFont& font);

  private:
    struct Entry {
        MenuFont font;
        win::UniqueFont handle;
    };
    std::vector<Entry> fonts_;
};

class HostedSkinMenu : private MenuPlatform {
  public:
    explicit HostedSkinMenu(HWND host);
    ~HostedSkinMenu() override;

    TspSkinMenu& Engine() { return engine_; }
    const TspSkinMenu& Engine() const { return engine_; }
    HWND Host() const { return host_; }
    MenuFonts& Fonts() { return fonts_; }

  private:
    class TimerWindow : public win::Window {
      public:
        explicit TimerWindow(TspSkinMenu& engine);
        using win::Window::hwnd;

      protected:
        LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

      private:
        TspSkinMenu& engine_;
    };

    // MenuPlatform
    std::unique_ptr<PopupView> CreateView(PopupLevel& level) override;
    int TextWidth(const MenuFont& font, std::string_view text) override;
    Rect WorkArea() override;
    void SetTimer(int id, int ms) override;
    void KillTimer(int id) override;
    void HostMenuClosed() override;

    HWND host_;
    MenuFonts fonts_;
    TspSkinMenu engine_{*this};
    TimerWindow timers_{engine_};
};

}  // namespace vemora::skin
