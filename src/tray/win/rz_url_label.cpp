#include "tray/win/rz_url_label.h"

#include <shellapi.h>

#include "tray/url_target.h"
#include "win/text.h"

namespace vemora {
namespace {

class SystemLauncher : public UrlLauncher {
  public:
    DWORD Open(const std::wstring& target) override {
        SHELLEXECUTEINFOW info{sizeof(info)};
        // No error boxes from the shell (the owner reports failures), wait for a DDE
        // conversation to finish, and hand back the process.
        info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_NOCLOSEPROCESS;
        info.lpVerb = L"Open";
        info.lpFile = target.c_str();
        info.nShow = SW_SHOWNORMAL;
        const bool opened = ShellExecuteExW(&info) != FALSE;
        const DWORD error = opened ? ERROR_SUCCESS : GetLastError();
        const win::UniqueHandle process(info.hProcess);  // not waited for, so closed at once
        if (opened) return ERROR_SUCCESS;
        return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;  // never a failure that reads as success
    }

    void RunOpenAsForHtm() override {
        WinExec("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL);
    }
};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

UrlLauncher& SystemUrlLauncher() {
    static SystemLauncher launcher;
    return launcher;
}

TRzURLLabel::TRzURLLabel(UrlLauncher& launcher)
    : launcher_(launcher), unvisitedColor_(GetSysColor(COLOR_HIGHLIGHT)) {
    ApplyColor();
}

bool TRzURLLabel::Create(HWND parent, int x, int y, int w, int h, std::string_view caption) {
    if (!Label::Create(parent, x, y, w, h, caption, SS_NOTIFY)) {
        return false;
    }
    font_.reset(CreateFontW(-MulDiv(11, ScreenDpi(), 96), 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH, L"Verdana"));
    SetFont(font_.get());
    return true;
}

void TRzURLLabel::SetVisited(bool visited) {
    visited_ = visited;
    ApplyColor();
}

void TRzURLLabel::SetVisitedColor(COLORREF color) {
    visitedColor_ = color;
    ApplyColor();
}

void TRzURLLabel::SetUnvisitedColor(COLORREF color) {
    unvisitedColor_ = color;
    ApplyColor();
}

void TRzURLLabel::ApplyColor() {
    SetColor(visited_ ? visitedColor_ : unvisitedColor_);
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void TRzURLLabel::Click() {
    if (onClick) onClick();
    const std::string target = UrlTarget(url_, Text());
    if (target.empty()) return;
    const DWORD error = launcher_.Open(win::Widen(target));
    if (error == ERROR_SUCCESS) {
        SetVisited(true);
    } else if (IsHtmTarget(target)) {
        launcher_.RunOpenAsForHtm();
    } else if (onOpenFailed) {
        onOpenFailed(target, error);
    }
}

bool TRzURLLabel::OnCommand(WORD code, LRESULT& result) {
    if (code != STN_CLICKED) return false;
    Click();
    result = 0;
    return true;
}

LRESULT TRzURLLabel::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETCURSOR && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return Label::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora
