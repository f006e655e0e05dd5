// Program entry: one instance at a time, then the main window's message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/win/app_info.h"
#include "app/win/form_vemora.h"
#include "win/handles.h"
#include "win/text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's ShellExecuteEx (hyperlinks, help) wants an apartment on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    // Held for the whole run: it is what turns later starts away.
    vemora::win::UniqueHandle instanceMutex(CreateMutexW(nullptr, FALSE, L"Vemora"));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        MessageBoxW(nullptr, L"The program already start",
                    vemora::win::Widen(vemora::kApplicationTitle).c_str(), MB_OK);
        ReleaseMutex(instanceMutex.get());
        return 0;
    }

    vemora::TFormVemora form;
    if (!form.FormCreate()) return 1;
    form.Show();

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(form.hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return static_cast<int>(msg.wParam);
}
