#include "skin/controls/win/parent_background.h"

#include "skin/controls/win/skin_control.h"

namespace vemora::skin {
namespace {

bool IsForm(HWND window) {
    return !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

RECT BoundsInParent(HWND window, HWND parent) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Runs `paint` with dc's origin at the parent's client origin, clipped to the parent.
template <class Paint>
void AtParentOrigin(HWND control, HDC dc, Paint paint) {
    const HWND parent = GetParent(control);
    if (!parent) return;
    const RECT bounds = BoundsInParent(control, parent);
    RECT client{};
    GetClientRect(parent, &client);
    const int saved = SaveDC(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - bounds.left, origin.y - bounds.top, nullptr);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    paint(parent, bounds);
    RestoreDC(dc, saved);
}

}  // namespace

void CopyParentBackground(HWND control, HDC dc) {
    AtParentOrigin(control, dc, [&](HWND parent, const RECT& bounds) {
        SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        if (!IsForm(parent)) SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        // Siblings below the control in the z-order, bottom first.
        for (HWND sibling = GetWindow(control, GW_HWNDLAST); sibling && sibling != control;
             sibling = GetWindow(sibling, GW_HWNDPREV)) {
            auto* skinned = dynamic_cast<TspSkinControl*>(win::Control::FromHwnd(sibling));
            if (!skinned || !IsWindowVisible(sibling)) continue;
            const RECT r = BoundsInParent(sibling, parent);
            RECT overlap{};
            if (!IntersectRect(&overlap, &r, &bounds)) continue;
            const int saved = SaveDC(dc);
            OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
            IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
            skinned->PaintTo(dc);
            RestoreDC(dc, saved);
        }
    });
}

void CopyParentBackgroundForCheck(HWND control, HDC dc) {
    AtParentOrigin(control, dc, [&](HWND parent, const RECT&) {
        if (!IsForm(parent)) SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    });
}

}  // namespace vemora::skin
