#include "win/controls/virtual_list_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "win/text.h"

namespace vemora::win {

bool VirtualListView::Create(HWND parent, int x, int y, int w, int h, const Column* columns,
                             int columnCount) {
    if (!CreateControl(
            WC_LISTVIEWW, "",
            LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP | WS_CLIPSIBLINGS,
            WS_EX_CLIENTEDGE, x, y, w, h, parent)) {
        return false;
    }
    ListView_SetExtendedListViewStyle(hwnd(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    columnCount_ = columnCount;
    for (int i = 0; i < columnCount; ++i) {
        std::wstring header = Widen(columns[i].header);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = header.data();
        column.cx = columns[i].width > 0 ? columns[i].width : 50;
        ListView_InsertColumn(hwnd(), i, &column);
        if (columns[i].width < 0) ListView_SetColumnWidth(hwnd(), i, columns[i].width);
    }
    return true;
}

void VirtualListView::SetImages(HIMAGELIST images) {
    ListView_SetImageList(hwnd(), images, LVSIL_SMALL);
}

void VirtualListView::SetTextColor(COLORREF color) {
    ListView_SetTextColor(hwnd(), color);
}

void VirtualListView::SetRowCount(size_t rows) {
    ListView_SetItemCountEx(hwnd(), static_cast<int>(rows), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

size_t VirtualListView::RowCount() const {
    return static_cast<size_t>(ListView_GetItemCount(hwnd()));
}

void VirtualListView::FitLastColumn() {
    if (columnCount_ > 0) ListView_SetColumnWidth(hwnd(), columnCount_ - 1, LVSCW_AUTOSIZE_USEHEADER);
}

bool VirtualListView::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != LVN_GETDISPINFOW || !source_) return false;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= RowCount()) return false;
    if (item.mask & LVIF_TEXT && item.pszText && item.cchTextMax > 0) {
        const std::wstring text = source_->TextOf(static_cast<size_t>(item.iItem), item.iSubItem);
        const size_t n = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
        text.copy(item.pszText, n);
        item.pszText[n] = L'\0';
    }
    if (item.mask & LVIF_IMAGE && item.iSubItem == 0) {
        const int image = source_->ImageOf(static_cast<size_t>(item.iItem));
        item.iImage = image >= 0 ? image : I_IMAGENONE;
    }
    result = 0;
    return true;
}

LRESULT VirtualListView::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CONTEXTMENU && onContextMenu) {
        POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (pt.x == -1 && pt.y == -1) {  // from the keyboard: the list's top-left corner
            pt = {0, 0};
            ClientToScreen(hwnd(), &pt);
        }
        onContextMenu(pt);
        return 0;
    }
    return Control::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora::win
