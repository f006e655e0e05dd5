// Skinned controls announce themselves on their window, so that the frame of the form can
// find them by walking the window tree, without a list of its own that could go stale.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/data/skin_change_client.h"

namespace vemora::skin {

// The client stays attached until it is detached or the window is destroyed; it must
// outlive the attachment.
void AttachSkinChangeClient(HWND window, SkinChangeClient* client);
void DetachSkinChangeClient(HWND window);
SkinChangeClient* SkinChangeClientOf(HWND window);

// For WM_SKIN_CHANGING (ResetSkinRecord) and WM_SKIN_CHANGED (ApplySkinChange): every client
// on root and its descendants, parent before children, whose skin is skinData (every client
// when skinData is null). Other messages relay nothing.
void RelaySkinChange(HWND root, uint32_t message, const TspSkinData* skinData);

}  // namespace vemora::skin
