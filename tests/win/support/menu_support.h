// What the menu tests under Wine share: the executable's own skin, and the real keyboard and
// mouse buttons through the input queue.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "app/win/resource.h"
#include "skin/data/skin_data.h"
#include "win/resource_data.h"

namespace vemora::test {

inline void LoadOwnSkin(skin::TspCompressedStoredSkin& stored, skin::TspSkinData& skinData) {
    const auto block = win::LoadRcData(GetModuleHandleW(nullptr), IDR_SKIN);
    ASSERT_TRUE(block);
    stored.SetCompressedData(*block);
    skinData.SetCompressedStoredSkin(&stored);
    ASSERT_FALSE(skinData.Empty());
}

inline void SendKey(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// A press and release of a button where the pointer is (MOUSEEVENTF_LEFTDOWN and so on).
inline void SendButton(DWORD down, DWORD up) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = down;
    input[1].mi.dwFlags = up;
    SendInput(2, input, sizeof(INPUT));
}

}  // namespace vemora::test
