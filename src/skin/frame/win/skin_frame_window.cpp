// Attachment, the message handler and the platform services of the frame.
#include "skin/frame/win/skin_frame_window.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/data/skin_messages.h"
#include "skin/data/win/skin_change_relay.h"
#include "skin/draw/win/regions.h"
#include "skin/draw/win/screen.h"
#include "win/text.h"

namespace vemora::skin {
namespace {

constexpr UINT_PTR kSubclassId = 0x56534B46;  // "VSKF"

Point PointFromLParam(LPARAM lp) {
    // Signed 16-bit halves: a window on a monitor left of or above the primary one.
    return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
}

Rect FromRECT(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

SkinFrameWindow::SkinFrameWindow() : form_(*this) {}

SkinFrameWindow::~SkinFrameWindow() {
    Detach();
}

bool SkinFrameWindow::Attach(HWND host, bool mainForm) {
    Detach();
    if (!SetWindowSubclass(host, &SkinFrameWindow::SubclassProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    host_ = host;
    mainForm_ = mainForm;
    active_ = GetActiveWindow() == host;
    CreateMenus();
    defCaptionFont_.reset(CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                      L"MS Serif"));
    defInactiveCaptionFont_.reset(CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                              DEFAULT_PITCH, L"MS Sans Serif"));
    // The platform draws no caption of its own from here on; the sizing border stays.
    SetWindowLongPtrW(host, GWL_STYLE, GetWindowLongPtrW(host, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
    SetWindowPos(host, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void SkinFrameWindow::Detach() {
    if (!host_) return;
    KillTimer(host_, kAlphaTimerId);
    KillTimer(host_, kMorphTimerId);
    KillTimer(host_, kMouseTimerId);
    morphTimer_ = mouseTimer_ = false;
    RemoveWindowSubclass(host_, &SkinFrameWindow::SubclassProc, kSubclassId);
    menus_.reset();
    host_ = nullptr;
}

void SkinFrameWindow::CreateMenus() {
    menus_ = std::make_unique<FrameMenuMode>(host_);
    menus_->Context = [this] {
        SystemMenuContext context;
        const TspBorderIcons& icons = form_.BorderIcons();
        context.frame.biMinimize = icons.biMinimize;
        context.frame.biMaximize = icons.biMaximize;
        context.frame.biRollUp = icons.biRollUp;
        context.frame.biMinimizeToTray = icons.biMinimizeToTray;
        context.frame.frameState = form_.FrameState();
        context.frame.rollUpState = form_.RollUpState();
        context.commands.setFrameState = [this](int state) { form_.SetFrameState(state); };
        context.commands.setRollUpState = [this](bool rolledUp) { form_.SetRollUpState(rolledUp); };
        context.commands.close = [this] { CloseHost(); };
        context.strings = form_.SkinData() ? form_.SkinData()->ResourceStrData() : nullptr;
        context.decode = [](std::string_view text) { return win::FromAnsi(text); };
        return context;
    };
    menus_->ReleasePressedObject = [this] { form_.ReleaseMenuButton(); };
}

LRESULT CALLBACK SkinFrameWindow::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR data) {
    auto* self = reinterpret_cast<SkinFrameWindow*>(data);
    if (msg == WM_NCDESTROY) {
        self->Detach();
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    try {
        return self->HandleMessage(msg, wp, lp);
    } catch (const std::exception& e) {
        // Nothing may unwind through the system's frames; the user hears of it instead.
        MessageBoxW(hwnd, win::Widen(std::string("程序内部错误: ") + e.what()).c_str(), L"Vemora",
                    MB_OK | MB_ICONERROR);
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
}

LRESULT SkinFrameWindow::Previous(UINT msg, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(host_, msg, wp, lp);
}

LRESULT SkinFrameWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // The menu-closing check comes first: a click, move or activation change ends a menu.
    LRESULT menuResult = 0;
    if (menus_ && menus_->OnMessage(msg, wp, lp, menuResult)) return menuResult;
    const auto* skinParam = reinterpret_cast<const TspSkinData*>(wp);
    switch (msg) {
        case WM_DESTROY:
            KillTimer(host_, kMorphTimerId);
            KillTimer(host_, kMouseTimerId);
            morphTimer_ = mouseTimer_ = false;
            return Previous(msg, wp, lp);
        case WM_SIZE: {
            if (form_.InSizeMove() && form_.FullDragSetting()) return Previous(msg, wp, lp);
            const LRESULT result = Previous(msg, wp, lp);
            if (wp != SIZE_MINIMIZED) {
                const Rect b = WindowBounds();
                form_.OnSize(RectWidth(b), RectHeight(b));
            }
            return result;
        }
        case WM_ACTIVATE: {
            const LRESULT result = Previous(msg, wp, lp);
            active_ = LOWORD(wp) != WA_INACTIVE;
            form_.OnActivate();
            return result;
        }
        case WM_SETTEXT: {
            const LRESULT result = Previous(msg, wp, lp);
            form_.OnSetText(win::Narrow(
                reinterpret_cast<const wchar_t*>(lp) ? reinterpret_cast<const wchar_t*>(lp) : L""));
            return result;
        }
        case WM_ERASEBKGND:
            PaintClientBackground(reinterpret_cast<HDC>(wp));
            return 1;
        case WM_SHOWWINDOW:
            if (wp) {
                form_.ForceResize();
                if (alphaBlend_ || AlphaBlendAnimation) {
                    SetLayered(true);
                    if (SetWindowAlpha(host_, 0)) SetTimer(host_, kAlphaTimerId, 1, nullptr);
                }
            } else if (alphaBlend_) {
                SetLayered(false);
            }
            return Previous(msg, wp, lp);
        case WM_SETCURSOR:
            return Previous(msg, wp,
                            MAKELPARAM(form_.CursorHitCode(static_cast<short>(LOWORD(lp))), HIWORD(lp)));
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lp);
            info->ptMinTrackSize = {form_.MinTrackWidth(), form_.MinTrackHeight()};
            info->ptMaxTrackSize = {form_.MaxTrackWidth(), form_.MaxTrackHeight()};
            return Previous(msg, wp, lp);
        }
        case WM_NCCALCSIZE: {
            RECT* proposed =
                wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
            const Rect client = form_.ClientArea(FromRECT(*proposed));
            *proposed = RECT{client.left, client.top, client.right, client.bottom};
            return 0;
        }
        case WM_NCHITTEST:
            return form_.FrameHitTest(PointFromLParam(lp));
        case WM_NCPAINT:
            if (form_.SkinApplied()) {
                PaintSkinFrame();
            } else {
                PaintDefaultFrame();
            }
            return 0;
        case WM_NCACTIVATE:
            active_ = wp != FALSE;
            RepaintFrame();
            form_.UpdateCaptionObjects(true);
            return TRUE;
        case WM_SYNCPAINT:
            if (form_.RollUpState()) {
                RepaintFrame();
                return 0;
            }
            return Previous(msg, wp, lp);
        case WM_TIMER:
            if (wp == kMorphTimerId) {
                form_.OnMorphTimer();
                return 0;
            }
            if (wp == kAlphaTimerId) {
                KillTimer(host_, kAlphaTimerId);
                FadeIn();
                return 0;
            }
            if (wp == kMouseTimerId) {
                POINT cursor{};
                GetCursorPos(&cursor);
                form_.OnMouseTimer({cursor.x, cursor.y});
                return 0;
            }
            return Previous(msg, wp, lp);
        case WM_SIZING: {
            if (!form_.InSizeMove() || !form_.FullDragSetting()) return Previous(msg, wp, lp);
            const LRESULT result = Previous(msg, wp, lp);
            const RECT& proposed = *reinterpret_cast<RECT*>(lp);
            form_.OnSizing(proposed.right - proposed.left, proposed.bottom - proposed.top);
            return result;
        }
        case WM_MOVING: {
            auto* proposed = reinterpret_cast<RECT*>(lp);
            Rect r = FromRECT(*proposed);
            form_.OnMoving(r);
            *proposed = RECT{r.left, r.top, r.right, r.bottom};
            return Previous(msg, wp, lp);
        }
        case WM_ENTERSIZEMOVE: {
            BOOL fullDrag = FALSE;
            SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
            form_.OnEnterSizeMove(fullDrag != FALSE);
            return Previous(msg, wp, lp);
        }
        case WM_EXITSIZEMOVE:
            form_.OnExitSizeMove();
            return Previous(msg, wp, lp);
        case WM_SKIN_CHANGING:
            form_.SkinChanging(skinParam);
            if (skinParam == form_.SkinData()) {
                KillTimer(host_, kMorphTimerId);
                KillTimer(host_, kMouseTimerId);
                morphTimer_ = mouseTimer_ = false;
                RelaySkinChange(host_, msg, skinParam);
            }
            return Previous(msg, wp, lp);
        case WM_SKIN_CHANGED:
            form_.SkinChanged(skinParam);
            RelaySkinChange(host_, msg, skinParam);
            return Previous(msg, wp, lp);
        default:
            break;
    }
    if ((msg >= WM_NCMOUSEMOVE && msg <= WM_NCRBUTTONDBLCLK) ||
        (msg >= WM_MOUSEMOVE && msg <= WM_RBUTTONDBLCLK)) {
        const LRESULT result = Previous(msg, wp, lp);
        HandleMouse(msg, wp, lp);
        return result;
    }
    return Previous(msg, wp, lp);
}

bool SkinFrameWindow::HandleMouse(UINT msg, WPARAM wp, LPARAM lp) {
    const Point p = PointFromLParam(lp);
    const int hit = static_cast<int>(wp);
    switch (msg) {
        case WM_NCMOUSEMOVE:
            form_.OnNcMouseMove(p);
            return true;
        case WM_NCLBUTTONDOWN:
            form_.OnNcButtonDown(kLeftButton, p, hit);
            return true;
        case WM_NCRBUTTONDOWN:
            form_.OnNcButtonDown(kRightButton, p, hit);
            return true;
        case WM_NCLBUTTONUP:
            form_.OnNcButtonUp(kLeftButton, p);
            return true;
        case WM_NCRBUTTONUP:
            form_.OnNcButtonUp(kRightButton, p);
            return true;
        case WM_LBUTTONUP:
            form_.OnButtonUp(kLeftButton);
            return true;
        case WM_RBUTTONUP:
            form_.OnButtonUp(kRightButton);
            return true;
        case WM_NCLBUTTONDBLCLK:
            form_.OnNcButtonDblClk(kLeftButton, p, hit);
            return true;
        case WM_NCRBUTTONDBLCLK:
            form_.OnNcButtonDblClk(kRightButton, p, hit);
            return true;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK: {
            // Client coordinates into window coordinates.
            POINT screen{p.x, p.y};
            ClientToScreen(host_, &screen);
            const Point frame = form_.ScreenToFrame({screen.x, screen.y});
            form_.OnButtonDblClk(msg == WM_LBUTTONDBLCLK ? kLeftButton : kRightButton, frame);
            return true;
        }
        default:
            return false;
    }
}

void SkinFrameWindow::SetLayered(bool layered) {
    const LONG_PTR ex = GetWindowLongPtrW(host_, GWL_EXSTYLE);
    SetWindowLongPtrW(host_, GWL_EXSTYLE, layered ? ex | WS_EX_LAYERED : ex & ~LONG_PTR(WS_EX_LAYERED));
}

void SkinFrameWindow::SetAlphaBlend(bool value) {
    alphaBlend_ = value;
    if (!host_) return;
    if (value) {
        SetLayered(true);
        SetWindowAlpha(host_, AlphaBlendValue);
    } else {
        SetLayered(false);
    }
}

void SkinFrameWindow::FadeIn() {
    const int target = alphaBlend_ || !AlphaBlendAnimation ? AlphaBlendValue : 255;
    if (AlphaBlendAnimation) {
        // What is waiting (the first paint above all) comes before the fade.
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        for (int alpha = 0; alpha < target;) {
            alpha = std::min(alpha + 5, target);
            SetWindowAlpha(host_, alpha);
        }
    } else if (target != 255) {
        SetWindowAlpha(host_, target);
    }
    if (target == 255) SetLayered(false);
}

Rect SkinFrameWindow::WindowBounds() const {
    RECT r{};
    GetWindowRect(host_, &r);
    return FromRECT(r);
}

void SkinFrameWindow::SetWindowBounds(const Rect& b) {
    SetWindowPos(host_, nullptr, b.left, b.top, RectWidth(b), RectHeight(b), SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect SkinFrameWindow::MonitorArea(bool workArea) const {
    return GetMonitorArea(host_, workArea);
}

Rect SkinFrameWindow::DesktopArea(bool workArea) const {
    return GetDesktopArea(workArea);
}

bool SkinFrameWindow::IsFormActive() const {
    return active_;
}

bool SkinFrameWindow::IsToolWindow() const {
    return (GetWindowLongPtrW(host_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
}

std::string SkinFrameWindow::CaptionText() const {
    const int length = GetWindowTextLengthW(host_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(host_, text.data(), length + 1)));
    return win::Narrow(text);
}

void SkinFrameWindow::MinimizeApplication() {
    ShowWindow(host_, SW_MINIMIZE);
}

void SkinFrameWindow::CloseHost() {
    // Posted: the close query may open a dialog, which must not run inside the button's release.
    PostMessageW(host_, WM_CLOSE, 0, 0);
}

void SkinFrameWindow::SetMouseCapture(bool capture) {
    if (capture) {
        SetCapture(host_);
    } else if (GetCapture() == host_) {
        ReleaseCapture();
    }
}

void SkinFrameWindow::SetTimerRunning(FrameTimer timer, bool running) {
    const UINT_PTR id = timer == FrameTimer::kMorph ? kMorphTimerId : kMouseTimerId;
    bool& flag = timer == FrameTimer::kMorph ? morphTimer_ : mouseTimer_;
    if (running == flag) return;
    if (running) {
        flag = SetTimer(host_, id, timer == FrameTimer::kMorph ? 20 : 50, nullptr) != 0;
    } else {
        KillTimer(host_, id);
        flag = false;
    }
}

bool SkinFrameWindow::TimerRunning(FrameTimer timer) const {
    return timer == FrameTimer::kMorph ? morphTimer_ : mouseTimer_;
}

void SkinFrameWindow::RepaintFrame() {
    SendMessageW(host_, WM_NCPAINT, 0, 0);
}

void SkinFrameWindow::RepaintHost() {
    RedrawWindow(host_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SkinFrameWindow::SetWindowRegion(const std::vector<MaskRegion>* parts) {
    if (!parts) {
        SetWindowRgn(host_, nullptr, TRUE);
        return;
    }
    UniqueRegion united;
    for (const MaskRegion& part : *parts) {
        UniqueRegion region = gdi::RegionFromRects(part);
        if (!region) continue;
        if (!united) {
            united = std::move(region);
        } else {
            CombineRgn(united.get(), united.get(), region.get(), RGN_OR);
        }
    }
    // The window owns the region it is given.
    if (united) SetWindowRgn(host_, united.release(), TRUE);
}

bool SkinFrameWindow::ShowSystemMenu(const Rect& anchor) {
    if (!menus_) return false;
    menus_->SkinData = form_.SkinData();
    return menus_->ShowSystemMenuAt(anchor);
}

}  // namespace vemora::skin
