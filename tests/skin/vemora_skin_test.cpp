// The skin the build draws and packs for Vemora.exe.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/skin_ini.h"
#include "vemora_skin_expectations.h"

namespace vemora::skin {
namespace {

std::vector<uint8_t> ReadBlock() {
    std::ifstream file(VEMORA_SKIN_BLOCK_PATH, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(VemoraSkin, TheBuiltBlockLoadsWithTheValuesTheWindowIsLaidOutBy) {
    const std::vector<uint8_t> block = ReadBlock();
    ASSERT_GT(block.size(), 2u) << VEMORA_SKIN_BLOCK_PATH;
    EXPECT_EQ(block[0], 0x78);
    EXPECT_EQ(block[1], 0xDA);

    TspCompressedStoredSkin stored;
    stored.SetCompressedData(block);
    TspSkinData skin;
    skin.SetCompressedStoredSkin(&stored);
    testing::ExpectVemoraSkin(skin);
}

TEST(VemoraSkin, TheDescriptionHasEverySectionTheListsName) {
    TspCompressedStoredSkin stored;
    stored.SetCompressedData(ReadBlock());
    std::vector<uint8_t> inflated;
    stored.Decompress(inflated);
    const std::optional<SkinContainer> container = ReadSkinContainer(inflated);
    ASSERT_TRUE(container);
    EXPECT_EQ(container->version, 2);
    const SkinIni ini(container->description);
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINCOLORS",
                                "SKINOBJECTS", "SKINCONTROLS"}) {
        EXPECT_TRUE(ini.HasSection(section)) << section;
    }
    for (std::string_view name : testing::kVemoraSkinObjects) EXPECT_TRUE(ini.HasSection(name)) << name;
    for (std::string_view name : testing::kVemoraSkinControls) EXPECT_TRUE(ini.HasSection(name)) << name;
}

}  // namespace
}  // namespace vemora::skin
