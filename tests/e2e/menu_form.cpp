// A test form under the skinned frame with a system menu of its own items, for the
// end-to-end tests of the skinned menus: the tests drive it with the real mouse and keyboard
// and read what happened through the questions of menu_form_messages.h.
//   vemora_menu_form.exe [ITEMS [MAX_ITEMS_IN_WINDOW]]
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "app/win/resource.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win/skin_frame_window.h"
#include "skin/menus/win/popup_window.h"
#include "win/resource_data.h"
#include "win/window.h"

#include "menu_form_messages.h"

namespace vemora::e2e {
namespace {

LPARAM Pack(int x, int y) {
    return MAKELONG(x, y);
}

class MenuTestForm : public win::Window {
  public:
    MenuTestForm(int items, int maxItems) {
        const auto block = win::LoadRcData(GetModuleHandleW(nullptr), IDR_SKIN);
        if (block) stored_.SetCompressedData(*block);
        skinData_.SetCompressedStoredSkin(&stored_);
        for (int i = 0; i < items; ++i) {
            systemMenu_.Add("项目" + std::to_string(i + 1), [this, i] { lastRun_ = i; });
        }
        Create(kMenuFormClass, kMenuFormCaption, WS_OVERLAPPEDWINDOW, 0, 80, 80, 420, 320, nullptr);
        frame_.Attach(hwnd(), true);
        frame_.Menus().SystemMenu = &systemMenu_;
        frame_.Menus().UseDefaultSysMenu = false;
        if (maxItems > 0) frame_.Menus().Menu().Engine().SetMaxMenuItemsInWindow(maxItems);
        frame_.Form().SetSkinData(&skinData_);
        ShowWindow(hwnd(), SW_SHOW);
    }
    ~MenuTestForm() override { frame_.Detach(); }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
            case WM_KEYDOWN:
                ++keys_;
                return 0;
            case kQueryLastRun:
                return lastRun_;
            case kQueryMenuMode:
                return frame_.Menus().SkinMenuOpen();
            case kQueryButtonDown:
                return SystemMenuButton() && SystemMenuButton()->Down();
            case kQueryButtonCentre: {
                const skin::TspSkinButtonObject* button = SystemMenuButton();
                if (!button) return -1;
                RECT w{};
                GetWindowRect(hwnd(), &w);
                const skin::Rect& r = button->ObjectRect;
                return Pack(w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2);
            }
            case kQueryFirstVisible:
                return Engine().WindowCount() ? Engine().Window(0).firstVisible : -1;
            case kQueryBottomMarker: {
                if (!Engine().WindowCount()) return -1;
                const skin::Rect band = Engine().Window(0).BottomBand();
                return OnScreen((band.left + band.right) / 2, (band.top + band.bottom) / 2);
            }
            case kQueryItemCorner: {
                if (!Engine().WindowCount()) return -1;
                const auto& items = Engine().Window(0).items;
                if (wp >= items.size() || !items[wp].visible) return -1;
                return OnScreen(items[wp].rect.left + 3, items[wp].rect.top + 3);
            }
            case kQueryKeys:
                return keys_;
        }
        return Window::HandleMessage(msg, wp, lp);
    }

  private:
    skin::TspSkinMenu& Engine() { return frame_.Menus().Menu().Engine(); }
    // A point of the open menu's window on the screen.
    LPARAM OnScreen(int x, int y) {
        POINT p{x, y};
        ClientToScreen(static_cast<skin::TspSkinPopupWindow*>(Engine().Window(0).view.get())->hwnd(), &p);
        return Pack(p.x, p.y);
    }
    skin::TspSkinButtonObject* SystemMenuButton() {
        for (auto& object : frame_.Form().Objects()) {
            auto* button = dynamic_cast<skin::TspSkinStdButtonObject*>(object.get());
            if (button && button->Visible && button->Command == skin::SkinCommand::cmSysMenu) return button;
        }
        return nullptr;
    }

    skin::TspCompressedStoredSkin stored_;
    skin::TspSkinData skinData_;
    skin::TMenuItem systemMenu_;
    skin::SkinFrameWindow frame_;
    int lastRun_ = -1;
    int keys_ = 0;
};

}  // namespace
}  // namespace vemora::e2e

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const int items = argc > 1 ? _wtoi(argv[1]) : 3;
    const int maxItems = argc > 2 ? _wtoi(argv[2]) : 0;
    LocalFree(argv);
    vemora::e2e::MenuTestForm form(items, maxItems);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
