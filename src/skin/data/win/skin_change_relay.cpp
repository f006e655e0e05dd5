#include "skin/data/win/skin_change_relay.h"

#include <vector>

#include "skin/data/skin_messages.h"

namespace vemora::skin {
namespace {

constexpr wchar_t kClientProperty[] = L"VemoraSkinChangeClient";

void Relay(HWND window, uint32_t message, const TspSkinData* skinData) {
    if (SkinChangeClient* client = SkinChangeClientOf(window)) {
        if (!skinData || client->SkinData() == skinData) {
            if (message == WM_SKIN_CHANGING) {
                client->ResetSkinRecord();
            } else {
                client->ApplySkinChange();
            }
        }
    }
    // A client may create or destroy children while it reacts; walk the ones there were.
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    for (HWND child : children) {
        if (IsWindow(child)) Relay(child, message, skinData);
    }
}

}  // namespace

void AttachSkinChangeClient(HWND window, SkinChangeClient* client) {
    SetPropW(window, kClientProperty, client);
}

void DetachSkinChangeClient(HWND window) {
    RemovePropW(window, kClientProperty);
}

SkinChangeClient* SkinChangeClientOf(HWND window) {
    return static_cast<SkinChangeClient*>(GetPropW(window, kClientProperty));
}

void RelaySkinChange(HWND root, uint32_t message, const TspSkinData* skinData) {
    if (message != WM_SKIN_CHANGING && message != WM_SKIN_CHANGED) return;
    Relay(root, message, skinData);
}

}  // namespace vemora::skin
