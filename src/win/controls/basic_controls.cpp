#include "win/controls/basic_controls.h"

namespace vemora::win {

bool Button::Create(HWND parent, int x, int y, int w, int h, std::string_view caption) {
    return CreateControl(WC_BUTTONW, caption, BS_PUSHBUTTON | WS_TABSTOP, 0, x, y, w, h, parent);
}

void Button::SetGlyph(UniqueImageList glyph) {
    glyph_ = std::move(glyph);
    BUTTON_IMAGELIST list{glyph_.get(), {2, 0, 2, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    if (Text().empty()) list.uAlign = BUTTON_IMAGELIST_ALIGN_CENTER;
    SendMessageW(hwnd(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

void Button::Click() {
    if (Enabled() && onClick) onClick();
}

bool Button::OnCommand(WORD code, LRESULT& result) {
    if (code != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

bool CheckBox::Create(HWND parent, int x, int y, int w, int h, std::string_view caption) {
    return CreateControl(WC_BUTTONW, caption, BS_CHECKBOX | WS_TABSTOP, 0, x, y, w, h, parent);
}

void CheckBox::SetChecked(bool checked) {
    checked_ = checked;
    SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick) onClick();
}

bool CheckBox::OnCommand(WORD code, LRESULT& result) {
    if (code != BN_CLICKED) return false;
    SetChecked(!checked_);
    result = 0;
    return true;
}

bool Edit::Create(HWND parent, int x, int y, int w, int h) {
    return CreateControl(WC_EDITW, "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, x, y, w, h, parent);
}

bool Edit::OnCommand(WORD code, LRESULT& result) {
    if (code != EN_CHANGE) return false;
    if (onChange) onChange();
    result = 0;
    return true;
}

LRESULT Edit::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDBLCLK && onDoubleClick) {
        onDoubleClick();
        return 0;
    }
    return Control::SubclassMessage(msg, wp, lp);
}

bool Label::Create(HWND parent, int x, int y, int w, int h, std::string_view caption, DWORD extraStyle) {
    return CreateControl(WC_STATICW, caption, SS_LEFT | SS_NOPREFIX | extraStyle, 0, x, y, w, h, parent);
}

bool Label::OnColor(HDC dc, LRESULT& result) {
    if (color_ == CLR_INVALID) return false;
    SetTextColor(dc, color_);
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

bool Picture::Create(HWND parent, int x, int y, int w, int h, HICON icon) {
    if (!CreateControl(WC_STATICW, "", SS_ICON | SS_REALSIZEIMAGE, 0, x, y, w, h, parent)) return false;
    SendMessageW(hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    return true;
}

}  // namespace vemora::win
