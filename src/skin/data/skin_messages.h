// The messages by which a skin tells every form that its content changes.
//
// They are sent synchronously, the owner form first, with wParam the TspSkinData and lParam
// kSkinMessageLParam; a receiver ignores messages about a skin it does not use.
#pragma once

#include <cstdint>

namespace vemora::skin {

inline constexpr uint32_t WM_SKIN_CHANGING = 1225;         // WM_USER + 201: a load starts
inline constexpr uint32_t WM_SKIN_CHANGED = 1226;          // WM_USER + 202: a load completed
inline constexpr uint32_t WM_SKIN_CHANGE_DONE = 1227;      // WM_USER + 203: right after WM_SKIN_CHANGED
inline constexpr uint32_t WM_SKIN_STRINGS_CHANGED = 1274;  // WM_USER + 250: ResourceStrData assigned
inline constexpr intptr_t kSkinMessageLParam = 1000;

class TspSkinData;

// Delivers a skin message to the forms; the Windows side sends it to the owner form first,
// then to the other top-level forms.
class SkinNotifier {
  public:
    virtual ~SkinNotifier() = default;
    virtual void NotifyForms(uint32_t message, const TspSkinData& skinData) = 0;
};

}  // namespace vemora::skin
