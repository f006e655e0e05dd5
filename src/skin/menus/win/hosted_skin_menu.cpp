#include "skin/menus/win/hosted_skin_menu.h"

#include "skin/draw/win/screen.h"
#include "skin/menus/win/popup_window.h"
#include "win/text.h"

namespace vemora::skin {

HFONT MenuFonts::Get(const MenuFont& font) {
    for (const Entry& entry : fonts_) {
        if (entry.font == font) return entry.handle.get();
    }
    LOGFONTW lf{};
    lf.lfHeight = font.font.Height;
    lf.lfWeight = font.font.Style.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.font.Style.italic;
    lf.lfUnderline = font.font.Style.underline;
    lf.lfStrikeOut = font.font.Style.strikeOut;
    lf.lfCharSet = BYTE(font.charSet);
    // Skin texts are in the system's ANSI code page.
    const std::wstring face = win::Widen(win::FromAnsi(font.font.Name));
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    fonts_.push_back({font, win::UniqueFont(CreateFontIndirectW(&lf))});
    return fonts_.back().handle.get();
}

HostedSkinMenu::TimerWindow::TimerWindow(TspSkinMenu& engine) : engine_(engine) {
    Create(L"VemoraSkinMenuTimers", L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
}

LRESULT HostedSkinMenu::TimerWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        engine_.TimerFired(int(wp) - 1);
        return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

HostedSkinMenu::HostedSkinMenu(HWND host) : host_(host) {}

HostedSkinMenu::~HostedSkinMenu() {
    engine_.CloseFrom(0);
}

std::unique_ptr<PopupView> HostedSkinMenu::CreateView(PopupLevel& level) {
    return std::make_unique<TspSkinPopupWindow>(engine_, level, fonts_);
}

int HostedSkinMenu::TextWidth(const MenuFont& font, std::string_view text) {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, fonts_.Get(font));
    const std::wstring wide = win::Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return int(size.cx);
}

Rect HostedSkinMenu::WorkArea() {
    return host_ ? GetMonitorArea(host_, true) : GetDesktopArea(true);
}

// Timer ids are one more than the engine's: a window timer id of 0 is legal but easy to mistake.
void HostedSkinMenu::SetTimer(int id, int ms) {
    ::SetTimer(timers_.hwnd(), UINT_PTR(id + 1), UINT(ms), nullptr);
}

void HostedSkinMenu::KillTimer(int id) {
    ::KillTimer(timers_.hwnd(), UINT_PTR(id + 1));
}

void HostedSkinMenu::HostMenuClosed() {
    if (host_) SendMessageW(host_, WM_SKINMENU_CLOSED, 0, 0);
}

}  // namespace vemora::skin
