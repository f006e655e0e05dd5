#include "skin/controls/win/skin_page_control.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/data/win/skin_change_relay.h"
#include "skin/draw/copy_rect.h"
#include "skin/draw/win/window_paint.h"
#include "win/text.h"
#include "win/window.h"

namespace vemora::skin {
namespace {

RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
Rect FromRECT(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

bool TspSkinTabSheet::Create(HWND parent, const Rect& r) {
    return CreateSkinned(L"TspSkinTabSheet", "", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                         r.left, r.top, RectWidth(r), RectHeight(r), parent);
}

void TspSkinTabSheet::PaintDefaultImage(DibSection& image) {
    const TspDataSkinTabControl* record = owner_.Record();
    const Image24* picture = owner_.RecordPicture();
    if (!record || !picture) return TspSkinControl::PaintDefaultImage(image);
    Image24 view = image.View();
    const Rect whole{0, 0, image.Width(), image.Height()};
    const auto& pictures = owner_.SkinData()->ActivePictures;
    if (record->BGPictureIndex >= 0 && record->BGPictureIndex < int(pictures.size())) {
        const Image24& tile = pictures[record->BGPictureIndex];
        TileRect(view, whole, tile, {0, 0, tile.Width(), tile.Height()});
    } else {
        TileRect(view, whole, *picture, PageTileRect(*record));
    }
}

HBRUSH TspSkinTabSheet::BackgroundBrush() {
    const Image24* picture = owner_.RecordPicture();
    const TspDataSkinTabControl* record = owner_.Record();
    if (!picture || !record) return GetSysColorBrush(COLOR_BTNFACE);
    if (!brush_ || brushPicture_ != picture) {
        const Rect tile = PageTileRect(*record);
        Image24 part(RectWidth(tile), RectHeight(tile));
        CopyRect(part, {0, 0, part.Width(), part.Height()}, *picture, tile);
        const DibSection section = DibSection::FromImage(part);
        brush_.reset(CreatePatternBrush(section.Bitmap()));
        brushPicture_ = picture;
    }
    return brush_.get();
}

LRESULT TspSkinTabSheet::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CTLCOLORSTATIC) {
        // Labels on a page show the page's own tile behind their text.
        LRESULT ignored = 0;
        win::ReflectToControl(msg, wp, lp, ignored);
        const HDC dc = reinterpret_cast<HDC>(wp);
        RECT r{};
        GetWindowRect(reinterpret_cast<HWND>(lp), &r);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
        SetBrushOrgEx(dc, -r.left, -r.top, nullptr);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(BackgroundBrush());
    }
    LRESULT result = 0;
    if (win::ReflectToControl(msg, wp, lp, result)) return result;
    if (msg == WM_SIZE) Repaint();
    return TspSkinControl::SubclassMessage(msg, wp, lp);
}

bool TspSkinPageControl::Create(HWND parent, int x, int y, int w, int h) {
    if (!CreateControl(WC_TABCONTROLW, "", WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                       WS_EX_CONTROLPARENT, x, y, w, h, parent)) {
        return false;
    }
    AttachSkinChangeClient(hwnd(), this);
    ApplySkinChange();
    return true;
}

const TspDataSkinTabControl* TspSkinPageControl::Record() const {
    if (!skinData_ || skinData_->Empty()) return nullptr;
    const int index = skinData_->IndexOfControl(SkinDataName);
    if (index < 0) return nullptr;
    const auto* record = dynamic_cast<const TspDataSkinTabControl*>(skinData_->SkinControls[index].get());
    // A record without a picture has nothing to draw from: the built-in look instead.
    if (!record || record->PictureIndex < 0 ||
        record->PictureIndex >= int(skinData_->ActivePictures.size()) ||
        skinData_->ActivePictures[record->PictureIndex].IsEmpty()) {
        return nullptr;
    }
    return record;
}

const Image24* TspSkinPageControl::RecordPicture() const {
    const TspDataSkinTabControl* record = Record();
    return record ? &skinData_->ActivePictures[record->PictureIndex] : nullptr;
}

Rect TspSkinPageControl::PageRect() const {
    RECT rc{};
    GetClientRect(hwnd(), &rc);
    TabCtrl_AdjustRect(hwnd(), FALSE, &rc);
    return FromRECT(rc);
}

TspSkinTabSheet& TspSkinPageControl::AddPage(std::string_view caption) {
    std::wstring text = win::Widen(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int index = int(pages_.size());
    TabCtrl_InsertItem(hwnd(), index, &item);
    auto page = std::make_unique<TspSkinTabSheet>(*this);
    page->Create(hwnd(), PageRect());
    SendMessageW(page->hwnd(), WM_SETFONT, SendMessageW(GetParent(hwnd()), WM_GETFONT, 0, 0), FALSE);
    if (index != 0) ShowWindow(page->hwnd(), SW_HIDE);
    pages_.push_back(std::move(page));
    UpdateUpDown();
    return *pages_.back();
}

int TspSkinPageControl::ActivePage() const {
    return TabCtrl_GetCurSel(hwnd());
}

void TspSkinPageControl::SetActivePage(int index) {
    TabCtrl_SetCurSel(hwnd(), index);
    for (size_t i = 0; i < pages_.size(); ++i) {
        ShowWindow(pages_[i]->hwnd(), int(i) == index ? SW_SHOW : SW_HIDE);
    }
    UpdateUpDown();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool TspSkinPageControl::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE) return false;
    SetActivePage(ActivePage());
    result = 0;
    return true;
}

void TspSkinPageControl::SetSkinData(const TspSkinData* data) {
    skinData_ = data;
    if (data && !data->Empty()) ApplySkinChange();
}

void TspSkinPageControl::ApplySkinChange() {
    const TspDataSkinTabControl* record = Record();
    const SkinFont& font = record && UseSkinFont ? record->Font : DefaultFont;
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(font)), FALSE);
    TabCtrl_SetItemSize(hwnd(), 0, TabItemHeight(record, TabHeight, DefaultItemHeight));
    PlacePages();
    upDown_.reset();  // built again for the new record
    UpdateUpDown();
    InvalidateRect(hwnd(), nullptr, FALSE);
    for (auto& page : pages_) InvalidateRect(page->hwnd(), nullptr, FALSE);
}

void TspSkinPageControl::PlacePages() {
    const Rect r = PageRect();
    for (auto& page : pages_) MoveWindow(page->hwnd(), r.left, r.top, RectWidth(r), RectHeight(r), TRUE);
}

std::vector<Rect> TspSkinPageControl::VisibleTabs() const {
    std::vector<Rect> tabs;
    for (int i = 0; i < TabCtrl_GetItemCount(hwnd()); ++i) {
        RECT r{};
        TabCtrl_GetItemRect(hwnd(), i, &r);
        tabs.push_back(FromRECT(r));
    }
    return tabs;
}

void TspSkinPageControl::UpdateUpDown() {
    // The native scroll arrows would be drawn in the platform's look.
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child;) {
        const HWND next = GetWindow(child, GW_HWNDNEXT);
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (std::wstring_view(name) == UPDOWN_CLASSW) DestroyWindow(child);
        child = next;
    }
    if (GetWindowLongW(hwnd(), GWL_STYLE) & TCS_MULTILINE) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const std::vector<Rect> tabs = VisibleTabs();
    const int n = TabsOutOfView(tabs, client.right, upDown_ ? upDown_->Width() : 0);
    if (n == 0) {
        upDown_.reset();
        return;
    }
    if (!upDown_) {
        const int scrolledOut =
            int(std::count_if(tabs.begin(), tabs.end(), [](const Rect& t) { return t.right <= 0; }));
        CreateUpDown(n, scrolledOut);
        if (!upDown_) return;
    }
    upDown_->State().SetMax(n);
    const int top = GetWindowLongW(hwnd(), GWL_STYLE) & TCS_BOTTOM ? client.bottom - upDown_->Height() : 0;
    SetWindowPos(upDown_->hwnd(), HWND_TOP, client.right - upDown_->Width(), top, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
}

void TspSkinPageControl::CreateUpDown(int outOfView, int scrolledOut) {
    const TspDataSkinTabControl* record = Record();
    upDown_ = std::make_unique<TspSkinUpDown>();
    if (record && !record->UpDown.empty()) upDown_->SetSkinDataName(record->UpDown);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int h = DefaultItemHeight;
    if (!upDown_->Create(hwnd(), client.right - 2 * h, 0, 2 * h, h)) {
        upDown_.reset();
        return;
    }
    TspSkinUpDownState& state = upDown_->State();
    state.SetMin(0);
    state.SetMax(outOfView);
    state.Increment = 1;
    state.SetPosition(scrolledOut);
    upDown_->SetSkinData(skinData_);
    state.OnChange = [this] {
        RECT client{};
        GetClientRect(hwnd(), &client);
        const int n = TabsOutOfView(VisibleTabs(), client.right, upDown_->Width());
        upDown_->State().SetMax(n);
        // The tab control shows the tab of that number first.
        SendMessageW(hwnd(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, upDown_->State().Position()), 0);
    };
}

void TspSkinPageControl::SetHovered(int index) {
    if (index == hovered_) return;
    const int selected = ActivePage();
    for (const int tab : {hovered_, index}) {
        if (tab < 0 || tab == selected) continue;  // hovering the selected tab changes nothing
        RECT r{};
        TabCtrl_GetItemRect(hwnd(), tab, &r);
        InvalidateRect(hwnd(), &r, FALSE);
    }
    hovered_ = index;
}

void TspSkinPageControl::DrawTab(HDC dc, Image24& view, int index, const Rect& r, bool mouseOver,
                                 bool selected) {
    const TspDataSkinTabControl* record = Record();
    const bool focused = GetFocus() == hwnd();
    wchar_t text[128] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    TabCtrl_GetItem(hwnd(), index, &item);
    COLORREF color = GetSysColor(COLOR_BTNTEXT);
    RECT tab = ToRECT(r);
    if (record) {
        const Rect source = TabSourceRect(*record, mouseOver, selected, focused);
        const Image24 picture = BuildTabImage(*record, *RecordPicture(), source, RectWidth(r), TabHeight);
        GdiFlush();
        CopyRect(view, {r.left, r.top, r.left + picture.Width(), r.top + picture.Height()}, picture,
                 {0, 0, picture.Width(), picture.Height()});
        color = ColorOf(TabFontColor(*record, mouseOver, selected, focused));
        SelectObject(dc, fonts_.Get(UseSkinFont ? record->Font : DefaultFont));
    } else {
        const COLORREF fill = mouseOver && !selected ? 0xD2BDB6
                              : !selected            ? GetSysColor(COLOR_BTNFACE)
                              : focused              ? 0xB59285
                                                     : 0xD2BDB6;
        win::UniqueBrush brush(CreateSolidBrush(fill));
        FillRect(dc, &tab, brush.get());
        if (selected) {
            win::UniqueBrush navy(CreateSolidBrush(0x800000));
            FrameRect(dc, &tab, navy.get());
        }
        SelectObject(dc, fonts_.Get(DefaultFont));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, text, -1, &tab, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TspSkinPageControl::Paint(HDC target) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    DibSection image(client.right, client.bottom);
    if (image.IsEmpty()) return;
    HDC dc = image.Dc();
    const int saved = SaveDC(dc);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const Rect display = PageRect();
    const TspDataSkinTabControl* record = Record();
    GdiFlush();
    Image24 view = image.View();
    if (record) {
        const Rect frame = PageFrameRect(display, *record);
        DrawTabBand(view, frame, TabPosition::tpTop, *record, *RecordPicture());
        DrawPageFrame(view, frame, *record, *RecordPicture());
    } else {
        RECT frame = ToRECT(display);
        InflateRect(&frame, 1, 1);
        win::UniqueBrush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
        FrameRect(dc, &frame, shadow.get());
    }
    const int selected = ActivePage();
    for (int i = 0; i < TabCtrl_GetItemCount(hwnd()); ++i) {
        RECT r{};
        TabCtrl_GetItemRect(hwnd(), i, &r);
        // The selected tab last, so its taller picture overlaps the frame below it.
        if (i != selected) DrawTab(dc, view, i, FromRECT(r), i == hovered_, false);
    }
    if (selected >= 0) {
        RECT r{};
        TabCtrl_GetItemRect(hwnd(), selected, &r);
        DrawTab(dc, view, selected, FromRECT(r), selected == hovered_, true);
    }
    RestoreDC(dc, saved);
    GdiFlush();
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

LRESULT TspSkinPageControl::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT painted = 0;
    if (HandleWholePaint(
            hwnd(), msg, wp, [this](HDC dc) { Paint(dc); }, painted))
        return painted;
    switch (msg) {
        case TCM_ADJUSTRECT: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            if (!wp) {
                auto* r = reinterpret_cast<RECT*>(lp);
                RECT client{};
                GetClientRect(hwnd(), &client);
                *r = ToRECT(AdjustDisplayRect(FromRECT(*r), client.right, client.bottom, TabPosition::tpTop,
                                              Record()));
            }
            return result;
        }
        case TCM_GETITEMRECT: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            if (result && !(GetWindowLongW(hwnd(), GWL_STYLE) & TCS_BUTTONS)) {
                auto* r = reinterpret_cast<RECT*>(lp);
                OffsetRect(r, (GetWindowLongW(hwnd(), GWL_STYLE) & TCS_MULTILINE) ? 0 : -2, -2);
            }
            return result;
        }
        case WM_MOUSEMOVE: {
            if (!tracking_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
                tracking_ = TrackMouseEvent(&track);
            }
            const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            int hit = -1;
            for (int i = 0; i < TabCtrl_GetItemCount(hwnd()); ++i) {
                RECT r{};
                TabCtrl_GetItemRect(hwnd(), i, &r);
                if (PtInRect(&r, pt)) hit = i;
            }
            SetHovered(hit);
            break;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            SetHovered(-1);
            break;
        case WM_SIZE: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            PlacePages();
            UpdateUpDown();
            return result;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd(), nullptr, FALSE);
            break;
        case WM_HSCROLL: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            InvalidateRect(hwnd(), nullptr, FALSE);
            return result;
        }
        default:
            break;
    }
    return Control::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora::skin
