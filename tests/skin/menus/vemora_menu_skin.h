// The menu parts of this program's own skin description, read from the source tree, with
// window pictures of the size the build draws (40 × 20).
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "skin/data/skin_ini.h"
#include "skin/menus/popup_layout.h"

namespace vemora::skin::testing {

struct VemoraMenuSkin {
    VemoraMenuSkin() {
        std::ifstream file(VEMORA_SKIN_INI, std::ios::binary);
        const SkinIni ini(
            std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
        window.LoadFromIni(ini);
        item.LoadFromIni(ini);
    }
    PopupSkin Skin() const { return {&window, 40, 20, &item}; }

    TspDataSkinPopupWindow window;
    TspDataSkinMenuItem item{"menuitem"};
};

}  // namespace vemora::skin::testing
