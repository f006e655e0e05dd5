#include "skin/hints/win/skin_hint_window.h"

#include "skin/draw/copy_rect.h"
#include "skin/draw/nine_area.h"
#include "skin/draw/win/dib_section.h"
#include "skin/draw/win/regions.h"
#include "skin/draw/win/screen.h"
#include "skin/draw/win/window_paint.h"
#include "skin/hints/win/skin_hint.h"
#include "win/text.h"

namespace vemora::skin {
namespace {

// The hint picture when the styling component's skin has one.
const Image24* HintPicture(const TspSkinHint& styling) {
    const TspSkinData* data = styling.SkinData();
    if (!data || data->Empty()) return nullptr;
    const int index = data->HintWindowData.WindowPictureIndex;
    if (index < 0 || size_t(index) >= data->ActivePictures.size()) return nullptr;
    const Image24& picture = data->ActivePictures[size_t(index)];
    return picture.IsEmpty() ? nullptr : &picture;
}

const Image24* HintMask(const TspSkinHint& styling) {
    const TspSkinData* data = styling.SkinData();
    const int index = data->HintWindowData.MaskPictureIndex;
    if (index < 0 || size_t(index) >= data->ActivePictures.size()) return nullptr;
    const Image24& mask = data->ActivePictures[size_t(index)];
    return mask.IsEmpty() ? nullptr : &mask;
}

constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX;  // line breaks kept, no word wrap

}  // namespace

TspSkinHintWindow::TspSkinHintWindow(TspSkinHint& component, HWND owner) : component_(component) {
    const UINT classStyle = CS_SAVEBITS | (IsWindowsXP() ? CS_DROPSHADOW : 0);
    Create(kHintWindowClass, L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, 0, 0, 0, 0,
           owner, nullptr, classStyle);
}

HFONT TspSkinHintWindow::Font(const TspSkinHint& styling) {
    LOGFONTW lf = styling.DefaultFont;
    const TspSkinData* data = styling.SkinData();
    if (HintPicture(styling) && styling.UseSkinFont) {
        const SkinFont& font = data->HintWindowData.Font;
        lf.lfHeight = font.Height;
        lf.lfWidth = 0;
        lf.lfWeight = font.Style.bold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = font.Style.italic;
        lf.lfUnderline = font.Style.underline;
        lf.lfStrikeOut = font.Style.strikeOut;
        const std::wstring face = win::Widen(win::FromAnsi(font.Name));
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    }
    if (data && data->ResourceStrData()) lf.lfCharSet = BYTE(data->ResourceStrData()->CharSet);
    font_.reset(CreateFontIndirectW(&lf));
    return font_.get();
}

void TspSkinHintWindow::ActivateHint(const Rect& r, const std::string& text) {
    const TspSkinHint* styling = TspSkinHint::StylingComponent(GetWindow(hwnd(), GW_OWNER));
    if (!styling || !hwnd()) return;
    styling_ = styling;
    text_ = text;
    const std::wstring wide = win::Widen(text);
    SetWindowTextW(hwnd(), wide.c_str());

    HDC dc = GetDC(hwnd());
    const HGDIOBJ old = SelectObject(dc, Font(*styling));
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), int(wide.size()), &measured, kTextFormat | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(hwnd(), dc);
    textWidth_ = measured.right - measured.left;
    textHeight_ = measured.bottom - measured.top;

    const Image24* picture = HintPicture(*styling);
    geometry_ = picture ? HintSize(textWidth_, textHeight_, &styling->SkinData()->HintWindowData,
                                   picture->Width(), picture->Height())
                        : HintSize(textWidth_, textHeight_, nullptr, 0, 0);
    const Point at = PlaceHint({r.left, r.top}, geometry_.width, geometry_.height,
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    if (styling->AlphaBlendSupport() && styling->AlphaBlend != alphaApplied_) {
        const LONG style = GetWindowLongW(hwnd(), GWL_EXSTYLE);
        SetWindowLongW(hwnd(), GWL_EXSTYLE,
                       styling->AlphaBlend ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
        if (styling->AlphaBlend) SetWindowAlpha(hwnd(), styling->AlphaBlendValue);
        alphaApplied_ = styling->AlphaBlend;
        alphaValueApplied_ = styling->AlphaBlendValue;
    } else if (alphaApplied_ && styling->AlphaBlendValue != alphaValueApplied_) {
        SetWindowAlpha(hwnd(), styling->AlphaBlendValue);
        alphaValueApplied_ = styling->AlphaBlendValue;
    }

    UniqueRegion region;
    if (const Image24* mask = picture ? HintMask(*styling) : nullptr) {
        region = gdi::RegionFromFrameMask(geometry_.source, geometry_.target, *mask, geometry_.width,
                                          geometry_.height);
    }
    gdi::SetWindowRegion(hwnd(), std::move(region), false);
    SetWindowPos(hwnd(), HWND_TOPMOST, at.x, at.y, geometry_.width, geometry_.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void TspSkinHintWindow::Hide() {
    if (Showing())
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void TspSkinHintWindow::Paint(HDC target) {
    if (!styling_) return;
    DibSection dib(geometry_.width, geometry_.height);
    if (dib.IsEmpty()) return;
    HDC dc = dib.Dc();
    const Image24* picture = HintPicture(*styling_);
    const TspDataSkinHintWindow& data =
        styling_->SkinData() ? styling_->SkinData()->HintWindowData : TspDataSkinHintWindow{};
    RECT textRect{};
    COLORREF color = GetSysColor(COLOR_INFOTEXT);
    if (picture) {
        Image24 view = dib.View();
        const Image24 composed = BuildStretchNineAreaImage(
            geometry_.source, geometry_.target, *picture, {0, 0, picture->Width(), picture->Height()},
            geometry_.width, geometry_.height, true,
            {data.LeftStretch, data.TopStretch, data.RightStretch, data.BottomStretch});
        CopyRect(view, {0, 0, geometry_.width, geometry_.height}, composed,
                 {0, 0, composed.Width(), composed.Height()});
        const Point origin = HintTextOrigin(geometry_.target.client, textWidth_, textHeight_);
        textRect = {origin.x, origin.y, origin.x + textWidth_, origin.y + textHeight_};
        color = COLORREF(data.FontColor);
    } else {
        const RECT all{0, 0, geometry_.width, geometry_.height};
        FillRect(dc, &all, GetSysColorBrush(COLOR_INFOBK));
        FrameRect(dc, &all, GetSysColorBrush(COLOR_BTNSHADOW));
        textRect = {2, 2, geometry_.width - 2, geometry_.height - 2};
    }
    const HGDIOBJ old = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    const std::wstring wide = win::Widen(text_);
    DrawTextW(dc, wide.c_str(), int(wide.size()), &textRect, kTextFormat);
    SelectObject(dc, old);
    dib.Draw(target, 0, 0);
}

LRESULT TspSkinHintWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_NCPAINT:
            return 0;
        case WM_PAINT:
        case WM_PRINTCLIENT:
        case WM_ERASEBKGND: {
            LRESULT result = 0;
            HandleWholePaint(
                hwnd(), msg, wp, [this](HDC dc) { Paint(dc); }, result);
            return result;
        }
        case WM_TIMER:
            component_.TimerFired();
            return 0;
        default:
            return Window::HandleMessage(msg, wp, lp);
    }
}

}  // namespace vemora::skin
