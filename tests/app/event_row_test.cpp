#include "app/event_row.h"

#include <gtest/gtest.h>

#include "app/watch_options.h"

namespace vemora {
namespace {

TEST(MapAction, ImagesAndTexts) {
    const struct {
        const char* name;
        int image;
        const char* text;
    } cases[] = {
        {"ADDED", 0, "新建"},         {"DELETED", 1, "删除"},         {"MODIFIED", 2, "修改"},
        {"RENAME...", 3, "更名"},     {"RENAMED", 4, "更名为"},       {"", kNoImage, ""},
        {"added", kNoImage, "added"}, {"RENAME", kNoImage, "RENAME"},
    };
    for (const auto& c : cases) {
        const MappedAction mapped = MapAction(c.name);
        EXPECT_EQ(mapped.image, c.image) << c.name;
        EXPECT_EQ(mapped.text, c.text) << c.name;
    }
}

TEST(BuildNotifyFilter, EachBoxAddsItsBit) {
    std::array<bool, kEventBoxCount> checked{};
    EXPECT_EQ(BuildNotifyFilter(checked), 0u);
    const uint32_t expectedBits[] = {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x40, 0x100};
    for (int i = 0; i < kEventBoxCount; ++i) {
        checked.fill(false);
        checked[i] = true;
        EXPECT_EQ(BuildNotifyFilter(checked), expectedBits[i]) << kEventBoxes[i].name;
    }
    checked.fill(true);
    EXPECT_EQ(BuildNotifyFilter(checked), 0x17Fu);
}

}  // namespace
}  // namespace vemora
