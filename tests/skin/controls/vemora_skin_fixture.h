// This program's own skin, loaded once from the block the build packs.
#pragma once

#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/skin_data.h"

namespace vemora::skin::test {

inline const TspSkinData& VemoraSkin() {
    static const TspCompressedStoredSkin stored = [] {
        std::ifstream file(VEMORA_SKIN_BLOCK_PATH, std::ios::binary);
        TspCompressedStoredSkin s;
        const std::vector<uint8_t> block{std::istreambuf_iterator<char>(file),
                                         std::istreambuf_iterator<char>()};
        s.SetCompressedData(block);
        return s;
    }();
    static const TspSkinData* skin = [] {
        static TspSkinData data;
        data.SetCompressedStoredSkin(&stored);
        return &data;
    }();
    return *skin;
}

}  // namespace vemora::skin::test
