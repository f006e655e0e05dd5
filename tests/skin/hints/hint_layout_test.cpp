#include "skin/hints/hint_layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "skin/data/skin_ini.h"

namespace vemora::skin {
namespace {

// This program's [HINTWINDOW], with the 40 × 20 picture the build draws.
TspDataSkinHintWindow VemoraHintWindow() {
    std::ifstream file(VEMORA_SKIN_INI, std::ios::binary);
    const SkinIni ini(std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
    TspDataSkinHintWindow hint;
    hint.LoadFromIni(ini);
    return hint;
}

TEST(HintLayout, TheSkinsHintIsAtLeastItsPictureAndGrowsAroundTheText) {
    const TspDataSkinHintWindow skin = VemoraHintWindow();
    ASSERT_EQ(skin.ClientRect, (Rect{2, 2, 38, 18}));
    ASSERT_TRUE(skin.LeftStretch && skin.TopStretch && skin.RightStretch && skin.BottomStretch);
    ASSERT_GE(skin.MaskPictureIndex, 0);
    const struct {
        const char* text;
        int tw, th;
        int width, height;
    } cases[] = {
        {"short", 10, 8, 40, 20},
        {"exactly the client area", 36, 16, 40, 20},
        {"one line", 120, 14, 124, 20},
        {"three lines", 120, 42, 124, 46},
    };
    for (const auto& c : cases) {
        const HintGeometry g = HintSize(c.tw, c.th, &skin, 40, 20);
        EXPECT_EQ(g.width, c.width) << c.text;
        EXPECT_EQ(g.height, c.height) << c.text;
        const int dw = c.width - 40, dh = c.height - 20;
        EXPECT_EQ(g.target.client, (Rect{2, 2, 38 + dw, 18 + dh})) << c.text;
        EXPECT_EQ(g.target.rb, (Point{37 + dw, 17 + dh})) << c.text;
        EXPECT_EQ(g.target.rt, (Point{37 + dw, 3})) << c.text;
        EXPECT_EQ(g.target.lb, (Point{3, 17 + dh})) << c.text;
        EXPECT_EQ(g.source.client, skin.ClientRect) << c.text;
    }
}

TEST(HintLayout, WithoutAPictureTheTextGetsATwoPixelMargin) {
    const TspDataSkinHintWindow skin = VemoraHintWindow();
    for (const TspDataSkinHintWindow* s : {static_cast<const TspDataSkinHintWindow*>(nullptr), &skin}) {
        const HintGeometry g = HintSize(50, 28, s, 0, 0);
        EXPECT_EQ(g.width, 54);
        EXPECT_EQ(g.height, 32);
        EXPECT_EQ(g.target.client, (Rect{2, 2, 52, 30}));
    }
}

TEST(HintLayout, PlacementStaysOnTheScreen) {
    const struct {
        const char* name;
        Point proposed;
        Point placed;
    } cases[] = {
        {"room everywhere", {100, 100}, {100, 100}},
        {"just fits", {900, 700}, {900, 700}},
        {"right edge: left of the cursor by width + 2", {950, 100}, {950 - 126, 100}},
        {"bottom edge: above by height + 2", {100, 750}, {100, 750 - 22}},
        {"the corner", {1000, 760}, {1000 - 126, 760 - 22}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceHint(c.proposed, 124, 20, 1024, 768), c.placed) << c.name;
}

TEST(HintLayout, TheTextBlockIsCentredInTheClientArea) {
    EXPECT_EQ(HintTextOrigin({2, 2, 126, 18}, 120, 14), (Point{4, 3}));
    EXPECT_EQ(HintTextOrigin({2, 2, 38, 18}, 11, 9), (Point{15, 6}));
}

}  // namespace
}  // namespace vemora::skin
