#include "skin/controls/win/skin_control.h"

#include <windowsx.h>

#include "skin/controls/win/parent_background.h"
#include "skin/data/win/skin_change_relay.h"
#include "skin/draw/effects.h"
#include "skin/draw/win/regions.h"
#include "skin/draw/win/window_paint.h"
#include "win/text.h"

namespace vemora::skin {
namespace {

// Skin descriptions hold their texts in code page 936, whatever the system's code page.
std::wstring FaceName(const std::string& ansi) {
    const int n = MultiByteToWideChar(936, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring face(n, L'\0');
    MultiByteToWideChar(936, 0, ansi.data(), int(ansi.size()), face.data(), n);
    return face;
}

}  // namespace

HFONT FontCache::Get(const SkinFont& font) {
    const auto key = std::make_tuple(font.Name, font.Height, font.Style.bold, font.Style.italic,
                                     font.Style.underline, font.Style.strikeOut);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        const std::wstring face = FaceName(font.Name);
        win::UniqueFont created(CreateFontW(font.Height, 0, 0, 0, font.Style.bold ? FW_BOLD : FW_NORMAL,
                                            font.Style.italic, font.Style.underline, font.Style.strikeOut,
                                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                            DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str()));
        it = fonts_.emplace(key, std::move(created)).first;
    }
    return it->second.get();
}

Size MeasureText(HDC dc, const std::string& text) {
    const std::wstring wide = win::Widen(text);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return {r.right - r.left, r.bottom - r.top};
}

void DrawTextLine(HDC dc, const std::string& text, const Rect& r, COLORREF color, UINT format) {
    const std::wstring wide = win::Widen(text);
    RECT rc{r.left, r.top, r.right, r.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, wide.c_str(), int(wide.size()), &rc, format | DT_SINGLELINE);
}

bool TspSkinControl::CreateSkinned(const wchar_t* className, std::string_view text, DWORD style,
                                   DWORD exStyle, int x, int y, int w, int h, HWND parent) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    if (!GetClassInfoExW(instance, className, &wc)) {
        wc = {sizeof(wc)};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc)) return false;
    }
    if (!CreateControl(className, text, style, exStyle, x, y, w, h, parent)) return false;
    AttachSkinChangeClient(hwnd(), this);  // the form's frame finds it there on a skin change
    return true;
}

int TspSkinControl::Width() const {
    RECT r{};
    GetClientRect(hwnd(), &r);
    return r.right;
}

int TspSkinControl::Height() const {
    RECT r{};
    GetClientRect(hwnd(), &r);
    return r.bottom;
}

void TspSkinControl::SetSkinData(const TspSkinData* data) {
    skin_.SkinData = data;
    if (data && !data->Empty()) ApplySkinChange();
}

void TspSkinControl::SetDrawDefault(bool draw) {
    skin_.DrawDefault = draw;
    Repaint();
}

void TspSkinControl::SetAlphaBlend(bool blend) {
    alphaBlend_ = blend;
    Repaint();
}

void TspSkinControl::SetAlphaBlendValue(int value) {
    alphaBlendValue_ = std::clamp(value, 0, 255);
    Repaint();
}

void TspSkinControl::SetUseSkinFont(bool use) {
    skin_.UseSkinFont = use;
    Repaint();
}

void TspSkinControl::SetDefaultWidth(int width) {
    skin_.DefaultWidth = width;
    skin_.LoadSkinRecord();
    if (!skin_.Skinned() && width > 0) ResizeTo({width, Height()});
}

void TspSkinControl::SetDefaultHeight(int height) {
    skin_.DefaultHeight = height;
    skin_.LoadSkinRecord();
    if (!skin_.Skinned() && height > 0) ResizeTo({Width(), height});
}

void TspSkinControl::ResizeTo(Size size) {
    SetWindowPos(hwnd(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspSkinControl::ApplySkinChange() {
    if (!hwnd()) return;
    const Size current{Width(), Height()};
    const Size wanted = skin_.SkinChangeSize(current);
    if (wanted != current) ResizeTo(wanted);  // runs the set-bounds rule, which repaints
    UpdateSkinRegion();
    Repaint();
}

Size TspSkinControl::FitBounds(Size current, Size requested) {
    return skin_.SetBounds(current, requested);
}

void TspSkinControl::UpdateSkinRegion() {
    skin_.LoadSkinRecord();
    const Image24* mask = skin_.Mask();
    if (!mask || !skin_.Skinned()) {
        if (hasRegion_) gdi::SetWindowRegion(hwnd(), UniqueRegion{}, true);
        hasRegion_ = false;
        return;
    }
    skin_.FitSkinSize(Width(), Height());
    const CustomSkinGeometry& g = skin_.Geometry();
    const NineAreaPoints& t = skin_.Fitted().target;
    UniqueRegion region;
    switch (skin_.StretchKind()) {
        case 0:
            region = gdi::RegionFromMask(*mask);
            break;
        case 1:
            region = gdi::RegionFromFrameMask(g.Source(), t, *mask, Width(), Height());
            break;
        case 2: {
            const NineAreaPoints source{g.lb, g.rb, g.lb, g.rb, g.client};
            const Point right{g.rt.x + Width() - g.SkinWidth(), g.rt.y};
            region = gdi::RegionFromFrameMask(source, {g.lb, right, g.lb, right, t.client}, *mask, Width(),
                                              Height());
            break;
        }
        case 3: {
            const NineAreaPoints source{g.rt, g.rt, g.rb, g.rb, g.client};
            const Point bottom{g.lb.x, g.lb.y + Height() - g.SkinHeight()};
            region = gdi::RegionFromFrameMask(source, {g.rt, g.rt, bottom, bottom, t.client}, *mask, Width(),
                                              Height());
            break;
        }
        default:
            break;
    }
    hasRegion_ = gdi::SetWindowRegion(hwnd(), std::move(region), true);
}

void TspSkinControl::PaintDefaultImage(DibSection& image) {
    RECT r{0, 0, image.Width(), image.Height()};
    FillRect(image.Dc(), &r, GetSysColorBrush(COLOR_BTNFACE));
}

void TspSkinControl::PaintSkinImage(DibSection& image) {
    const Image24 picture = skin_.BuildSkinImage(skin_.Geometry().skinRect);
    GdiFlush();
    DrawImage(image.Dc(), picture, 0, 0);
}

void TspSkinControl::PaintTo(HDC dc) {
    Paint(dc);
}

void TspSkinControl::Paint(HDC target) {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    skin_.LoadSkinRecord();
    if (skin_.Skinned()) skin_.FitSkinSize(w, h);
    DibSection image(w, h);
    if (image.IsEmpty()) return;
    const int saved = SaveDC(image.Dc());
    if (skin_.Skinned()) {
        PaintSkinImage(image);
    } else if (skin_.DrawDefault) {
        PaintDefaultImage(image);
    } else {
        RECT r{0, 0, w, h};
        FillRect(image.Dc(), &r, GetSysColorBrush(COLOR_BTNFACE));
    }
    RestoreDC(image.Dc(), saved);
    if (alphaBlend_) {
        DibSection background(w, h);
        if (!background.IsEmpty()) {
            CopyParentBackground(hwnd(), background.Dc());
            Image24 view = image.View();
            Blend(view, background.View(), 1.0 - alphaBlendValue_ / 255.0);
        }
    }
    BitBlt(target, 0, 0, w, h, image.Dc(), 0, 0, SRCCOPY);
}

void TspSkinControl::TrackMouse(LPARAM lp) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const bool inside = PtInRect(&client, pt);
    if (inside && !tracking_) {
        tracking_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
        MouseEnter();
        if (OnMouseEnter) OnMouseEnter();
    } else if (!inside && tracking_) {
        tracking_ = false;
        MouseLeave();
        if (OnMouseLeave) OnMouseLeave();
    }
}

LRESULT TspSkinControl::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT painted = 0;
    if (HandleWholePaint(
            hwnd(), msg, wp, [this](HDC dc) { Paint(dc); }, painted))
        return painted;
    switch (msg) {
        case WM_MOUSEMOVE:
            TrackMouse(lp);
            break;
        case WM_MOUSELEAVE:
            if (tracking_ && GetCapture() != hwnd()) {
                tracking_ = false;
                MouseLeave();
                if (OnMouseLeave) OnMouseLeave();
            }
            return 0;
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
            if (!(pos->flags & SWP_NOSIZE)) {
                RECT r{};
                GetWindowRect(hwnd(), &r);
                const Size fitted = FitBounds({r.right - r.left, r.bottom - r.top}, {pos->cx, pos->cy});
                pos->cx = fitted.width;
                pos->cy = fitted.height;
            }
            break;
        }
        case WM_SIZE:
            UpdateSkinRegion();
            Repaint();
            break;
        case WM_MOVE:
            if (alphaBlend_) Repaint();
            break;
        case WM_SETTEXT:
        case WM_ENABLE: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            Repaint();
            return result;
        }
        case WM_SETFONT:
            parentFont_ = reinterpret_cast<HFONT>(wp);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(parentFont_);
        default:
            break;
    }
    return Control::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora::skin
