// The stored skin: the first byte chooses between an inflated container (even) and a
// compressed block that is inflated first (odd).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/data/skin_error.h"
#include "skin/data/stored_skin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vemora::skin;
    if (size == 0) return 0;
    const std::span<const uint8_t> rest(data + 1, size - 1);
    try {
        if (data[0] % 2 == 0) {
            ReadSkinContainer(rest);
        } else {
            TspCompressedStoredSkin skin;
            skin.SetCompressedData(rest);
            std::vector<uint8_t> inflated;
            skin.Decompress(inflated);
            ReadSkinContainer(inflated);
        }
    } catch (const SkinError&) {
    }
    return 0;
}
