#include "skin/menus/win/popup_window.h"

#include "skin/draw/win/regions.h"
#include "skin/draw/win/screen.h"
#include "skin/draw/win/window_paint.h"

namespace vemora::skin {

TspSkinPopupWindow::TspSkinPopupWindow(TspSkinMenu& engine, PopupLevel& level, MenuFonts& fonts)
    : engine_(engine), level_(level), fonts_(fonts) {
    // The drop shadow is only asked of XP, where it was new; later systems draw it themselves.
    const UINT classStyle = CS_SAVEBITS | (IsWindowsXP() ? CS_DROPSHADOW : 0);
    Create(kPopupWindowClass, L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, 0, 0,
           level.size.width, level.size.height, nullptr, nullptr, classStyle);
}

TspSkinPopupWindow::~TspSkinPopupWindow() {
    if (hwnd()) KillTimer(hwnd(), kMouseTimer);
}

void TspSkinPopupWindow::Show(const PopupLevel& level) {
    if (!hwnd()) return;
    const PopupSkin& skin = level.skin;
    if (skin.window && level.skinData) {
        const int mask = skin.window->MaskPictureIndex;
        const auto& pictures = level.skinData->ActivePictures;
        if (mask >= 0 && size_t(mask) < pictures.size()) {
            UniqueRegion region =
                gdi::RegionFromFrameMask(PopupSourcePoints(skin), level.size.points, pictures[size_t(mask)],
                                         level.size.width, level.size.height);
            if (region) gdi::SetWindowRegion(hwnd(), std::move(region), false);
        }
    }
    const MenuSettings& settings = engine_.Settings();
    const bool alpha = settings.alphaBlend && IsWindows2000Family();
    if (alpha) {
        SetWindowLongW(hwnd(), GWL_EXSTYLE, GetWindowLongW(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
        SetWindowAlpha(hwnd(), settings.alphaBlendAnimation ? 0 : settings.alphaBlendValue);
    }
    SetWindowPos(hwnd(), HWND_TOPMOST, level.position.x, level.position.y, level.size.width,
                 level.size.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (alpha && settings.alphaBlendAnimation) {
        for (int a = 0; a <= settings.alphaBlendValue; a += 2) SetWindowAlpha(hwnd(), a);
        SetWindowAlpha(hwnd(), settings.alphaBlendValue);
    }
    GetCursorPos(&lastMouse_);
    SetTimer(hwnd(), kMouseTimer, 50, nullptr);
}

void TspSkinPopupWindow::RedrawItem(int) {
    // The whole window is one blit: a single item costs the same.
    Redraw();
}

void TspSkinPopupWindow::Redraw() {
    if (!hwnd() || !IsWindowVisible(hwnd())) return;
    HDC dc = GetDC(hwnd());
    Paint(dc);
    ReleaseDC(hwnd(), dc);
}

int TspSkinPopupWindow::LevelIndex() const {
    for (int i = 0; i < engine_.WindowCount(); ++i) {
        if (&engine_.Window(i) == &level_) return i;
    }
    return -1;
}

void TspSkinPopupWindow::PollMouse() {
    POINT p{};
    GetCursorPos(&p);
    if (p.x == lastMouse_.x && p.y == lastMouse_.y) return;
    lastMouse_ = p;
    const int index = LevelIndex();
    if (WindowFromPoint(p) == hwnd()) {
        ScreenToClient(hwnd(), &p);
        engine_.MouseAt(index, {p.x, p.y});  // may destroy this window: nothing follows
    } else {
        engine_.MouseAway(index);
    }
}

void TspSkinPopupWindow::Paint(HDC dc) {
    PaintPopupLevel(dc, level_, fonts_);
}

LRESULT TspSkinPopupWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            Paint(reinterpret_cast<HDC>(wp));
            return 1;
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            LRESULT result = 0;
            HandleWholePaint(
                hwnd(), msg, wp, [this](HDC dc) { Paint(dc); }, result);
            return result;
        }
        case WM_TIMER:
            if (wp == kMouseTimer) PollMouse();
            return 0;
        case WM_MOUSEMOVE:
            // The poll takes it from here; a move also counts at once, so a quick click finds its item.
            PollMouse();
            return 0;
        case WM_LBUTTONUP: {
            const Point p{short(LOWORD(lp)), short(HIWORD(lp))};
            engine_.MouseAt(LevelIndex(), p);
            if (LevelIndex() >= 0) engine_.MouseUp(LevelIndex(), p);  // may destroy this window
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return 0;
        default:
            return Window::HandleMessage(msg, wp, lp);
    }
}

}  // namespace vemora::skin
