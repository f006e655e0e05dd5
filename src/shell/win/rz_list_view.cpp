#include "shell/win/rz_list_view.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <windowsx.h>
#include <vssym32.h>

#include <chrono>
#include <future>
#include <vector>

#include "win/text.h"

namespace vemora::shell {
namespace {

constexpr UINT_PTR kHeaderSubclassId = 0x525A48;

ListRect ToListRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

ColumnAlignment AlignmentOf(int format) {
    switch (format & HDF_JUSTIFYMASK) {
        case HDF_RIGHT:
            return ColumnAlignment::kRight;
        case HDF_CENTER:
            return ColumnAlignment::kCenter;
        default:
            return ColumnAlignment::kLeft;
    }
}

UINT DrawTextAlignment(ColumnAlignment alignment) {
    switch (alignment) {
        case ColumnAlignment::kRight:
            return DT_RIGHT;
        case ColumnAlignment::kCenter:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

// Brings back what a drawing step selected into a DC.
class SavedDc {
  public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() { RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

  private:
    HDC dc_;
    int saved_;
};

}  // namespace

bool HeaderOwnerDrawSupported() {
    const HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    const auto getVersion = comctl ? reinterpret_cast<DLLGETVERSIONPROC>(
                                         reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")))
                                   : nullptr;
    DLLVERSIONINFO info{sizeof(info)};
    if (!getVersion || FAILED(getVersion(&info))) return false;
    return info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion >= 70);
}

void RunShowingWaitCursor(const std::function<void()>& work, DWORD waitAfterMs,
                          const std::function<void()>& showWait) {
    std::future<void> done = std::async(std::launch::async, work);
    if (done.wait_for(std::chrono::milliseconds(waitAfterMs)) == std::future_status::timeout) {
        HCURSOR previous = nullptr;
        if (showWait) {
            showWait();
        } else {
            previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        }
        done.wait();
        if (!showWait) SetCursor(previous);
    }
    done.get();
}

TRzCustomListView::TRzCustomListView()
    : background_(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE)) {}

TRzCustomListView::~TRzCustomListView() {
    if (const HWND header = hwnd() ? Header() : nullptr) {
        RemoveWindowSubclass(header, &TRzCustomListView::HeaderProc, kHeaderSubclassId);
    }
}

bool TRzCustomListView::Create(HWND parent, int x, int y, int w, int h, const Column* columns,
                               int columnCount) {
    if (!VirtualListView::Create(parent, x, y, w, h, columns, columnCount)) return false;
    if (!HeaderOwnerDrawSupported()) displayMode_ = HeaderSortDisplayMode::hsdmNone;
    SetWindowSubclass(Header(), &TRzCustomListView::HeaderProc, kHeaderSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    OpenTheme();
    MarkHeaderItems();
    UpdateColor();
    ResizeLastColumn();
    return true;
}

HWND TRzCustomListView::Header() const {
    return ListView_GetHeader(hwnd());
}

void TRzCustomListView::HeaderClickSort(int column) {
    if (alphaSortAll_) {
        const HeaderSortToggle::Step step = toggle_.Click(column);
        SetSortColumn(step.column);
        SetSortDirection(step.direction);
        if (onSortRows) {
            const int selected = ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED);
            int moved = -1;
            RunShowingWaitCursor([&] { moved = onSortRows(step.column, step.direction, selected); });
            if (selected >= 0 && moved != selected) {
                ListView_SetItemState(hwnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
                if (moved >= 0) {
                    ListView_SetItemState(hwnd(), moved, LVIS_SELECTED | LVIS_FOCUSED,
                                          LVIS_SELECTED | LVIS_FOCUSED);
                }
            }
        }
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
    if (onColumnClick) onColumnClick(column);
}

void TRzCustomListView::SetSortColumn(int column) {
    if (column == sortColumn_) return;
    const int old = sortColumn_;
    sortColumn_ = column;
    MarkHeaderItems();
    InvalidateHeaderItem(old);
    InvalidateHeaderItem(column);
}

void TRzCustomListView::SetSortDirection(shell::SortDirection direction) {
    if (direction == sortDirection_) return;
    sortDirection_ = direction;
    MarkHeaderItems();
    InvalidateHeaderItem(sortColumn_);
}

void TRzCustomListView::SetFillLastColumn(bool on) {
    fillLastColumn_ = on;
    ResizeLastColumn();
}

void TRzCustomListView::SetHeaderSortDisplayMode(shell::HeaderSortDisplayMode mode) {
    displayMode_ = HeaderOwnerDrawSupported() ? mode : HeaderSortDisplayMode::hsdmNone;
    MarkHeaderItems();
    InvalidateRect(Header(), nullptr, TRUE);
}

void TRzCustomListView::SetHeaderDefaultDrawing(bool on) {
    headerDefaultDrawing_ = on;
    InvalidateRect(Header(), nullptr, TRUE);
}

// Every item is drawn by the list unless the mode shows no arrow. The sort state is also
// kept in the items' own sort flags, where accessibility tools and tests read it.
void TRzCustomListView::MarkHeaderItems() {
    const HWND header = Header();
    if (!header) return;
    const int count = Header_GetItemCount(header);
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, i, &item);
        int format = item.fmt & ~(HDF_OWNERDRAW | HDF_SORTUP | HDF_SORTDOWN);
        if (displayMode_ != HeaderSortDisplayMode::hsdmNone) {
            format |= HDF_OWNERDRAW;
            if (i == sortColumn_) {
                format |= sortDirection_ == SortDirection::kAscending ? HDF_SORTUP : HDF_SORTDOWN;
            }
        }
        if (format != item.fmt) {
            item.fmt = format;
            Header_SetItem(header, i, &item);
        }
    }
}

void TRzCustomListView::InvalidateHeaderItem(int column) {
    RECT r{};
    if (column >= 0 && Header_GetItemRect(Header(), column, &r)) InvalidateRect(Header(), &r, TRUE);
}

void TRzCustomListView::OpenTheme() {
    theme_.reset(IsThemeActive() && IsAppThemed() ? OpenThemeData(Header(), L"HEADER") : nullptr);
}

void TRzCustomListView::DrawHeaderItem(const DRAWITEMSTRUCT& draw) {
    const HDC dc = draw.hDC;
    const int column = static_cast<int>(draw.itemID);
    const SavedDc saved(dc);
    RECT r = draw.rcItem;
    const RECT itemRect = r;
    if (theme_) {
        const int state = (draw.itemState & ODS_SELECTED) || (headerPressed_ && column == hotHeaderItem_)
                              ? HIS_PRESSED
                          : column == hotHeaderItem_ ? HIS_HOT
                                                     : HIS_NORMAL;
        DrawThemeBackground(theme_.get(), dc, HP_HEADERITEM, state, &r, nullptr);
    } else {
        InflateRect(&r, -2, -2);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    }
    if (!headerDefaultDrawing_) return;
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);

    wchar_t text[260] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    Header_GetItem(draw.hwndItem, column, &item);
    const HIMAGELIST images = ListView_GetImageList(hwnd(), LVSIL_SMALL);
    const bool hasImage = images && (item.fmt & HDF_IMAGE) && item.iImage >= 0;
    int imageWidth = 0, imageHeight = 0;
    if (hasImage) ImageList_GetIconSize(images, &imageWidth, &imageHeight);

    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);

    HeaderItemInput in;
    in.item = ToListRect(itemRect);
    in.mode = displayMode_;
    in.alignment = AlignmentOf(item.fmt);
    in.sortColumn = column == sortColumn_;
    in.direction = sortDirection_;
    in.textWidth = extent.cx;
    in.imageWidth = imageWidth;
    const HeaderItemLayout layout = LayOutHeaderItem(in);

    if (layout.image) {
        const int y = layout.image->y + (HeaderContentRect(in.item).Height() - imageHeight) / 2;
        ImageList_Draw(images, item.iImage, dc, layout.image->x, y, ILD_TRANSPARENT);
    }
    RECT textRect{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
    DrawTextW(dc, text, -1, &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DrawTextAlignment(in.alignment));
    if (layout.arrow) {
        POINT points[3];
        for (int i = 0; i < 3; ++i) points[i] = {(*layout.arrow)[i].x, (*layout.arrow)[i].y};
        SelectObject(dc, GetSysColorBrush(COLOR_BTNSHADOW));
        SelectObject(dc, GetStockObject(DC_PEN));
        SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
        Polygon(dc, points, 3);
    }
}

void TRzCustomListView::ResizeLastColumn() {
    if (!fillLastColumn_ || !hwnd()) return;
    if ((GetWindowLongW(hwnd(), GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT) return;
    const int count = Header_GetItemCount(Header());
    if (count < 1) return;
    std::vector<int> widths(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) widths[i] = ListView_GetColumnWidth(hwnd(), i);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const std::optional<int> width = shell::ResizeLastColumn(
        {widths, client.right, GetSystemMetrics(SM_CXVSCROLL), ListView_GetItemCount(hwnd()) == 0});
    if (width) ListView_SetColumnWidth(hwnd(), count - 1, *width);
}

void TRzCustomListView::SetColor(COLORREF color) {
    background_.SetNormal(color);
    UpdateColor();
}

void TRzCustomListView::SetFocusColor(COLORREF color) {
    background_.SetFocusColor(color);
    UpdateColor();
}

void TRzCustomListView::SetDisabledColor(COLORREF color) {
    background_.SetDisabledColor(color);
    UpdateColor();
}

COLORREF TRzCustomListView::CurrentColor() const {
    return background_.For(IsWindowEnabled(hwnd()), GetFocus() == hwnd());
}

void TRzCustomListView::UpdateColor() {
    if (!hwnd()) return;
    const COLORREF color = CurrentColor();
    if (ListView_GetBkColor(hwnd()) == color) return;
    ListView_SetBkColor(hwnd(), color);
    ListView_SetTextBkColor(hwnd(), color);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

MenuState TRzCustomListView::CurrentMenuState() const {
    MenuState state;
    state.focused = ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED);
    state.focusedSelected =
        state.focused >= 0 && (ListView_GetItemState(hwnd(), state.focused, LVIS_SELECTED) & LVIS_SELECTED);
    state.firstSelected = ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED);
    state.autoPopup = popupMenu_ != nullptr;
    return state;
}

POINT TRzCustomListView::IconCentre(int item) const {
    RECT r{};
    ListView_GetItemRect(hwnd(), item, &r, LVIR_ICON);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(hwnd(), &centre);
    return centre;
}

POINT TRzCustomListView::TopLeftOnScreen() const {
    POINT corner{0, 0};
    ClientToScreen(hwnd(), &corner);
    return corner;
}

void TRzCustomListView::ShowItemMenu(POINT screen) {
    win::PopupMenu* menu = popupMenu_;
    if (onItemContextMenu) onItemContextMenu(ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED), screen, menu);
    if (menu) menu->Show(GetAncestor(hwnd(), GA_ROOT), screen);
}

void TRzCustomListView::ShowContextMenu(MenuRequest request, POINT screen) {
    const MenuChoice choice = ChooseContextMenu(request, CurrentMenuState());
    switch (choice.kind) {
        case MenuChoice::kNone:
            break;
        case MenuChoice::kItemMenu:
            ShowItemMenu(choice.item >= 0 ? IconCentre(choice.item) : screen);
            break;
        case MenuChoice::kListMenu:
            if (popupMenu_) popupMenu_->Show(GetAncestor(hwnd(), GA_ROOT), screen);
            break;
    }
}

bool TRzCustomListView::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case LVN_COLUMNCLICK:
            HeaderClickSort(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            result = 0;
            return true;
        case NM_RCLICK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            LVHITTESTINFO hit{};
            hit.pt = click.ptAction;
            ListView_SubItemHitTest(hwnd(), &hit);
            POINT screen = click.ptAction;
            ClientToScreen(hwnd(), &screen);
            const bool onItem = hit.iItem >= 0 && (hit.flags & LVHT_ONITEM);
            ShowContextMenu(onItem ? MenuRequest::kRightClickOnItem : MenuRequest::kRightClickElsewhere,
                            screen);
            menuShownForClick_ = true;
            result = TRUE;  // handled: no WM_CONTEXTMENU from the list for this click
            return true;
        }
        case LVN_GETDISPINFOW: {
            const bool handled = VirtualListView::OnNotify(header, result);
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
            if (checkStates_ && (item.mask & LVIF_STATE) && item.iItem >= 0 &&
                static_cast<size_t>(item.iItem) < RowCount()) {
                item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                             INDEXTOSTATEIMAGEMASK(ItemChecked(item.iItem) ? 2 : 1);
                item.stateMask |= LVIS_STATEIMAGEMASK;
                result = 0;
                return true;
            }
            return handled;
        }
        case LVN_BEGINLABELEDITW:
            result = AllowsLabelEditNow(reinterpret_cast<const NMLVDISPINFOW&>(header).item.iItem) ? FALSE : TRUE;
            return true;
        case LVN_ENDLABELEDITW: {
            const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW&>(header).item;
            bool accept = false;
            if (item.pszText && onEdited) onEdited(item.iItem, win::Narrow(item.pszText), accept);
            if (accept) ListView_RedrawItems(hwnd(), item.iItem, item.iItem);
            result = accept ? TRUE : FALSE;
            return true;
        }
        default:
            return VirtualListView::OnNotify(header, result);
    }
}

void TRzCustomListView::SetCheckBoxes(CheckStates* states) {
    checkStates_ = states;
    ListView_SetExtendedListViewStyleEx(hwnd(), LVS_EX_CHECKBOXES, states ? LVS_EX_CHECKBOXES : 0);
    // The rows are ours, so the list asks for their boxes as it asks for their texts.
    ListView_SetCallbackMask(hwnd(), states ? LVIS_STATEIMAGEMASK : 0);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool TRzCustomListView::ItemChecked(int item) const {
    return checkStates_ && item >= 0 && static_cast<size_t>(item) < RowCount() &&
           checkStates_->IsChecked(static_cast<size_t>(item));
}

bool TRzCustomListView::SetItemChecked(int item, bool checked) {
    if (!checkStates_ || item < 0 || static_cast<size_t>(item) >= RowCount()) return false;
    if (ItemChecked(item) == checked) return false;
    bool allow = true;
    if (onCheckStateChanging) onCheckStateChanging(item, checked, allow);
    if (!allow) return false;
    checkStates_->SetChecked(static_cast<size_t>(item), checked);
    ListView_RedrawItems(hwnd(), item, item);
    if (onCheckStateChange) onCheckStateChange(item);
    return true;
}

void TRzCustomListView::SetEditLabels(bool on) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, on ? style | LVS_EDITLABELS : style & ~LONG_PTR{LVS_EDITLABELS});
}

bool TRzCustomListView::AllowsLabelEditNow(int item) const {
    LabelEditRequest request;
    request.reportView = (GetWindowLongW(hwnd(), GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
    request.wholeRowSelect = (ListView_GetExtendedListViewStyle(hwnd()) & LVS_EX_FULLROWSELECT) != 0;
    request.editOnRowClick = editOnRowClick_;
    RECT label{};
    POINT pointer{};
    if (GetCursorPos(&pointer) && ScreenToClient(hwnd(), &pointer) &&
        ListView_GetItemRect(hwnd(), item, &label, LVIR_LABEL)) {
        request.pointerInLabel = PtInRect(&label, pointer) != FALSE;
    }
    if (onEditing) onEditing(item, request.itemEditable);
    return AllowsLabelEdit(request);
}

// The item whose check box is at a client point, or -1.
int TRzCustomListView::CheckBoxHit(LPARAM at) const {
    if (!checkStates_) return -1;
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    ListView_HitTest(hwnd(), &hit);
    return hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) ? hit.iItem : -1;
}

LRESULT TRzCustomListView::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (draw.CtlType != ODT_HEADER || draw.hwndItem != Header()) break;
            DrawHeaderItem(draw);
            return TRUE;
        }
        case WM_NOTIFY: {
            const auto& notify = *reinterpret_cast<const NMHDR*>(lp);
            if (notify.hwndFrom != Header()) break;
            if (notify.code == HDN_ENDTRACKW || notify.code == HDN_ENDTRACKA ||
                notify.code == HDN_DIVIDERDBLCLICKW || notify.code == HDN_DIVIDERDBLCLICKA) {
                const LRESULT result = Control::SubclassMessage(msg, wp, lp);
                ResizeLastColumn();
                return result;
            }
            break;
        }
        case WM_SIZE: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            ResizeLastColumn();
            return result;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            UpdateColor();
            return result;
        }
        case WM_THEMECHANGED:
            OpenTheme();
            break;
        case WM_MOUSEWHEEL: {
            UINT lines = 3;
            SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            const bool iconView = (GetWindowLongW(hwnd(), GWL_STYLE) & LVS_TYPEMASK) == LVS_ICON;
            if (lines == WHEEL_PAGESCROLL)
                lines = static_cast<UINT>(std::max(1, ListView_GetCountPerPage(hwnd())));
            const int pixels = wheel_.Scroll(GET_WHEEL_DELTA_WPARAM(wp), static_cast<int>(lines), iconView);
            if (pixels != 0) ListView_Scroll(hwnd(), 0, pixels);
            return 0;
        }
        case WM_RBUTTONDOWN:
            menuShownForClick_ = false;
            break;
        // An owner-data list keeps no check states, so the clicks and Space that turn a box
        // round are ours; the list would otherwise toggle nothing or only its own copy.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (const int item = CheckBoxHit(lp); item >= 0) {
                SetFocus(hwnd());
                SetItemChecked(item, !ItemChecked(item));
                return 0;
            }
            break;
        case WM_CHAR:
            if (checkStates_ && wp == L' ') return 0;  // no incremental search for the Space
            break;
        case WM_RBUTTONUP:
            if (menuShownForClick_) return 0;
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (msg == WM_KEYDOWN && wp == VK_SPACE && checkStates_) {
                const int focused = ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED);
                if (focused >= 0) SetItemChecked(focused, !ItemChecked(focused));
                return 0;
            }
            if (wp == VK_APPS || (wp == VK_F10 && GetKeyState(VK_SHIFT) < 0)) {
                menuKeyDown_ = static_cast<UINT>(wp);
                ShowContextMenu(MenuRequest::kMenuKey, TopLeftOnScreen());
                return 0;
            }
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (menuKeyDown_ != 0 && wp == menuKeyDown_) {
                menuKeyDown_ = 0;
                return 0;
            }
            break;
        case WM_CONTEXTMENU: {
            if (!AcceptsContextMenuRequest(std::exchange(menuShownForClick_, false), CurrentMenuState())) {
                return 0;
            }
            const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (at.x == -1 && at.y == -1) {
                ShowContextMenu(MenuRequest::kMenuKey, TopLeftOnScreen());
            } else {
                ShowItemMenu(at);
            }
            return 0;
        }
        default:
            break;
    }
    return Control::SubclassMessage(msg, wp, lp);
}

LRESULT CALLBACK TRzCustomListView::HeaderProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR data) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &TRzCustomListView::HeaderProc, kHeaderSubclassId);
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    return reinterpret_cast<TRzCustomListView*>(data)->HeaderMessage(hwnd, msg, wp, lp);
}

// The header's hot and pressed item, for the themed background.
LRESULT TRzCustomListView::HeaderMessage(HWND header, UINT msg, WPARAM wp, LPARAM lp) {
    const auto setHot = [&](int item) {
        if (item == hotHeaderItem_) return;
        InvalidateHeaderItem(hotHeaderItem_);
        hotHeaderItem_ = item;
        InvalidateHeaderItem(item);
    };
    switch (msg) {
        case WM_MOUSEMOVE: {
            HDHITTESTINFO hit{};
            hit.pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            setHot(hit.flags & HHT_ONHEADER ? hit.iItem : -1);
            if (!trackingHeaderLeave_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, header, 0};
                trackingHeaderLeave_ = TrackMouseEvent(&track);
            }
            break;
        }
        case WM_MOUSELEAVE:
            trackingHeaderLeave_ = false;
            setHot(-1);
            break;
        case WM_LBUTTONDOWN:
            headerPressed_ = true;
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            headerPressed_ = false;
            break;
        default:
            break;
    }
    return DefSubclassProc(header, msg, wp, lp);
}

}  // namespace vemora::shell
