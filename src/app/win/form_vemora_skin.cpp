// The skin the executable carries: unpacked once the form's controls exist.
#include "app/win/form_vemora.h"
#include "app/win/resource.h"
#include "skin/data/skin_error.h"
#include "win/resource_data.h"

namespace vemora {

void TFormVemora::LoadSkin() {
    skinNotifier_.SetOwner(hwnd());
    const std::optional<std::vector<uint8_t>> block = win::LoadRcData(GetModuleHandleW(nullptr), IDR_SKIN);
    spCompressedStoredSkin1.SetCompressedFileName("Vemora.skin");
    if (block) spCompressedStoredSkin1.SetCompressedData(*block);
    try {
        spSkinData1.SetCompressedStoredSkin(&spCompressedStoredSkin1);
    } catch (const skin::SkinError& error) {
        // The window still works in its built-in look; the user learns why it looks plain.
        ShowError("界面皮肤无法载入(" + std::string(error.what()) + "),程序将以普通外观运行。");
    }
}

}  // namespace vemora
