#include "win/controls/page_control.h"

#include <commctrl.h>

#include "win/text.h"

namespace vemora::win {

bool PageControl::Create(HWND parent, int x, int y, int w, int h) {
    return CreateControl(WC_TABCONTROLW, "", WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                         WS_EX_CONTROLPARENT, x, y, w, h, parent);
}

RECT PageControl::PageRect() const {
    RECT rc{};
    GetClientRect(hwnd(), &rc);
    TabCtrl_AdjustRect(hwnd(), FALSE, &rc);
    return rc;
}

ContainerWindow& PageControl::AddPage(std::string_view caption) {
    std::wstring text = Widen(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int index = static_cast<int>(pages_.size());
    TabCtrl_InsertItem(hwnd(), index, &item);
    const RECT rc = PageRect();
    auto page = std::make_unique<ContainerWindow>();
    page->Create(hwnd(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    SendMessageW(page->hwnd(), WM_SETFONT, SendMessageW(hwnd(), WM_GETFONT, 0, 0), FALSE);
    if (index != 0) ShowWindow(page->hwnd(), SW_HIDE);
    pages_.push_back(std::move(page));
    return *pages_.back();
}

int PageControl::ActivePage() const {
    return TabCtrl_GetCurSel(hwnd());
}

void PageControl::SetActivePage(int index) {
    TabCtrl_SetCurSel(hwnd(), index);
    for (size_t i = 0; i < pages_.size(); ++i) {
        ShowWindow(pages_[i]->hwnd(), static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
    }
}

bool PageControl::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE) return false;
    SetActivePage(ActivePage());
    result = 0;
    return true;
}

bool StatusBar::Create(HWND parent) {
    if (!CreateControl(STATUSCLASSNAMEW, "", SBARS_SIZEGRIP, 0, 0, 0, 0, 0, parent)) return false;
    int parts[] = {-1};
    SendMessageW(hwnd(), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
    return true;
}

void StatusBar::SetPanelText(std::string_view text) {
    SendMessageW(hwnd(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

std::string StatusBar::PanelText() const {
    const int n = LOWORD(SendMessageW(hwnd(), SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(n + 1, L'\0');
    SendMessageW(hwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(n);
    return Narrow(text);
}

int StatusBar::Height() const {
    RECT rc{};
    GetWindowRect(hwnd(), &rc);
    return rc.bottom - rc.top;
}

}  // namespace vemora::win
