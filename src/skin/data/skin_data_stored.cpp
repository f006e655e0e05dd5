// Loading from the compressed stored skin: kept apart from the model so that code reading
// only descriptions does not pull in the container reader.
#include <optional>
#include <vector>

#include "skin/data/skin_data.h"

namespace vemora::skin {

void TspSkinData::SetCompressedStoredSkin(const TspCompressedStoredSkin* stored) {
    compressedStoredSkin_ = stored;
    if (stored) LoadStoredSkin(*stored);
}

void TspSkinData::LoadStoredSkin(const TspCompressedStoredSkin& stored) {
    if (stored.IsEmpty()) return;
    empty_ = true;
    NotifyForms(WM_SKIN_CHANGING);
    ClearSkin();
    std::optional<SkinContainer> container;
    {
        std::vector<uint8_t> inflated;
        stored.Decompress(inflated);
        container = ReadSkinContainer(inflated);
    }
    if (!container) return;  // a version above 3: the skin stays empty
    LoadContent(std::move(*container));
}

}  // namespace vemora::skin
