// The tray icon and its menu.
#include "app/win/form_vemora.h"

namespace vemora {

void TFormVemora::CreateTrayIcon() {
    TrayPopupMenu.SetImages(&ImageMsg);
    TrayPopupMenu.Add({"NShow", "显示(&S)", 15, true, [this] { NShowClick(); }});
    TrayPopupMenu.Add({"N2", "-"});
    TrayPopupMenu.Add({"NExit", "退出(&E)", 13, true, [this] { NExitClick(); }});

    TrayIcon = std::make_unique<TRzTrayIcon>(hwnd(), trayShell_);
    TrayIcon->SetHint("Vemora V1.0(目录监视专家)");
    TrayIcon->SetIcons(&ImageMsg);
    TrayIcon->SetIconIndex(17);
    TrayIcon->SetPopupMenu(&TrayPopupMenu);
    TrayIcon->Loaded();
}

void TFormVemora::SetTrayIconEnabled(bool enabled) {
    if (TrayIcon) TrayIcon->SetEnabled(enabled);
}

void TFormVemora::NShowClick() {
    TrayIcon->RestoreApp();
}

void TFormVemora::NExitClick() {
    if (bStop.Enabled()) bStop.Click();
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);  // asks first, after the menu has closed
}

}  // namespace vemora
