// The skin the executable carries: unpacked once the form's controls exist.
#include "app/win/form_vemora.h"
#include "app/win/resource.h"
#include "skin/data/skin_error.h"
#include "win/resource_data.h"

namespace vemora {

void TFormVemora::LoadSkin() {
    skinNotifier_.SetOwner(hwnd());
    const std::optional<std::vector<uint8_t>> block = win::LoadRcData(GetModuleHandleW(nullptr), IDR_SKIN);
    spCompressedStoredSkin1.SetCompressedFileName("Vemora.skin");
    if (block) spCompressedStoredSkin1.SetCompressedData(*block);
    try {
        spSkinData1.SetCompressedStoredSkin(&spCompressedStoredSkin1);
    } catch (const skin::SkinError& error) {
        // The window still works in its built-in look; the user learns why it looks plain.
        ShowError("界面皮肤无法载入(" + std::string(error.what()) + "),程序将以普通外观运行。");
    }
}

void TFormVemora::AttachFrame() {
    spDynamicSkinForm1.Attach(hwnd(), true);
    skin::TspDynamicSkinForm& frame = spDynamicSkinForm1.Form();
    frame.MinWidth = 592;
    skin::TspBorderIcons icons;
    icons.biSystemMenu = false;  // the system menu is empty: no button for it
    frame.SetBorderIcons(icons);
    // An empty system menu without the standard items: the caption's right click opens nothing.
    spDynamicSkinForm1.Menus().SystemMenu = &SystemMenu;
    spDynamicSkinForm1.Menus().UseDefaultSysMenu = false;
    frame.SetShowIcon(true);
    frame.UseFormCursorInNCArea = true;
    // Applied for real once the stored skin has loaded and sent WM_SKIN_CHANGED.
    frame.SetSkinData(&spSkinData1);
}

// The client area keeps its designed size whatever border the skin gives the window.
void TFormVemora::FitWindowToClient() {
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const int width = Scale(kClientWidth) + (window.right - window.left) - client.right;
    const int height = Scale(kClientHeight) + (window.bottom - window.top) - client.bottom;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vemora
