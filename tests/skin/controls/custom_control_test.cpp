// The size rules of a skinned control: its stretch kind, the fitted points, mapped
// rectangles, the set-bounds rule and the record lookup.
#include <gtest/gtest.h>

#include "skin/controls/custom_control.h"
#include "vemora_skin_fixture.h"

namespace vemora::skin {
namespace {

// A 20 × 10 picture with 3-pixel corners.
CustomSkinGeometry Geometry(Point rt, Point lb, Point rb) {
    return {{5, 5, 25, 15}, {3, 3}, rt, lb, rb, {3, 3, 17, 7}};
}

TEST(StretchKind, FollowsFromThePointsInOrder) {
    const struct {
        CustomSkinGeometry g;
        int kind;
    } cases[] = {
        {Geometry({17, 3}, {3, 7}, {17, 7}), 1},
        {Geometry({17, 3}, {3, 7}, {17, 0}), 2},  // RB needs both coordinates
        {Geometry({17, 0}, {0, 0}, {0, 0}), 2},
        {Geometry({0, 0}, {0, 7}, {0, 0}), 3},
        {Geometry({0, 0}, {0, 0}, {0, 0}), 0},
        {{{5, 5, 5, 15}, {3, 3}, {17, 3}, {3, 7}, {17, 7}, {}}, -1},  // no width
        {{{5, 5, 25, 5}, {3, 3}, {17, 3}, {3, 7}, {17, 7}, {}}, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(StretchKindOf(c.g), c.kind);
}

TEST(FitSkinSize, EachKindFixesItsDirectionsAndMovesItsPoints) {
    const CustomSkinGeometry g = Geometry({17, 3}, {3, 7}, {17, 7});
    const struct {
        int kind;
        int w, h;
        NineAreaPoints target;
    } cases[] = {
        {-1, 50, 30, g.Source()},
        {0, 20, 10, g.Source()},
        {1, 50, 30, {{3, 3}, {47, 3}, {3, 27}, {47, 27}, {3, 3, 47, 27}}},
        {2, 50, 10, {{3, 3}, {47, 3}, {3, 7}, {47, 7}, {3, 3, 47, 7}}},
        {3, 20, 30, {{3, 3}, {17, 3}, {3, 27}, {17, 27}, {3, 3, 17, 27}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const FittedSkin f = FitSkinSize(g, c.kind, 50, 30);
        EXPECT_EQ(f.width, c.w);
        EXPECT_EQ(f.height, c.h);
        EXPECT_EQ(f.target.lt, c.target.lt);
        EXPECT_EQ(f.target.rt, c.target.rt);
        EXPECT_EQ(f.target.lb, c.target.lb);
        EXPECT_EQ(f.target.rb, c.target.rb);
        EXPECT_EQ(f.target.client, c.target.client);
    }
}

TEST(MapSkinRect, MovesOrStretchesByTheZonesTheRectangleLiesIn) {
    const CustomSkinGeometry g = Geometry({17, 3}, {3, 7}, {17, 7});
    // The control is 30 wider and 20 higher than the picture.
    const struct {
        int kind;
        Rect in, out;
    } cases[] = {
        {1, {0, 0, 2, 2}, {0, 0, 2, 2}},        // inside the top-left corner
        {1, {18, 0, 19, 2}, {48, 0, 49, 2}},    // top-right corner moves right
        {1, {0, 8, 2, 9}, {0, 28, 2, 29}},      // bottom-left moves down
        {1, {18, 8, 19, 9}, {48, 28, 49, 29}},  // bottom-right moves both ways
        {1, {1, 1, 19, 9}, {1, 1, 49, 29}},     // top-left to bottom-right grows both ways
        {1, {1, 1, 19, 2}, {1, 1, 49, 2}},      // along the top grows in width
        {1, {1, 1, 2, 9}, {1, 1, 2, 29}},       // down the left grows in height
        {1, {5, 4, 15, 6}, {5, 4, 15, 6}},      // the middle stays
        {2, {2, 0, 18, 10}, {2, 0, 48, 10}},    // spanning the fixed parts grows
        {2, {17, 0, 19, 10}, {47, 0, 49, 10}},  // right of RT moves
        {2, {4, 0, 10, 10}, {4, 0, 10, 10}},   {3, {0, 2, 20, 8}, {0, 2, 20, 28}},
        {3, {0, 7, 20, 9}, {0, 27, 20, 29}},   {0, {1, 1, 19, 9}, {1, 1, 19, 9}},
        {-1, {1, 1, 19, 9}, {1, 1, 19, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " rect " << c.in.left << "," << c.in.top);
        EXPECT_EQ(MapSkinRect(g, c.kind, 50, 30, c.in), c.out);
    }
}

TEST(SkinRecord, TheNameMatchesExactlyAndSetBoundsFollowsTheRecord) {
    const TspSkinData& skin = test::VemoraSkin();
    ASSERT_FALSE(skin.Empty());
    const struct {
        const char* name;
        bool found;
        Size requested, result;
    } cases[] = {
        {"button", true, {75, 25}, {75, 21}},  // kind 2: any width, the skinrect height
        {"button", true, {300, 40}, {300, 21}},
        {"Button", false, {75, 25}, {75, 25}},    // no record: the size asked for
        {"hupdown", true, {50, 50}, {36, 18}},    // kind 0: the skinrect size
        {"panel", true, {585, 201}, {585, 201}},  // kind 1: free
        {"statusbar", true, {585, 21}, {585, 19}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TspSkinCustomControlModel model(c.name);
        model.SkinData = &skin;
        model.LoadSkinRecord();
        EXPECT_EQ(model.Skinned(), c.found);
        bool fitted = false;
        EXPECT_EQ(model.SetBounds({10, 10}, c.requested, &fitted), c.result);
        EXPECT_EQ(fitted, c.found);
    }
}

TEST(SkinRecord, WithoutARecordASkinChangeTakesTheDefaultSize) {
    TspSkinCustomControlModel model("button");
    model.DefaultWidth = 90;
    EXPECT_EQ(model.SkinChangeSize({75, 25}), (Size{90, 25}));  // no skin data at all
    model.SkinData = &test::VemoraSkin();
    EXPECT_EQ(model.SkinChangeSize({75, 25}), (Size{75, 21}));
    model.SkinDataName = "nothing";
    model.DefaultHeight = 30;
    EXPECT_EQ(model.SkinChangeSize({75, 21}), (Size{90, 30}));
}

TEST(SkinRecord, AButtonPictureTilesItsMiddleAndKeepsItsRightEnd) {
    TspSkinCustomControlModel model("button");
    model.SkinData = &test::VemoraSkin();
    model.LoadSkinRecord();
    model.FitSkinSize(250, 21);
    const Image24 image = model.BuildSkinImage(model.Geometry().skinRect);
    ASSERT_EQ(image.Width(), 250);
    ASSERT_EQ(image.Height(), 21);
    const Image24& picture = model.Picture();
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(image.GetPixel(246 + x, y), picture.GetPixel(96 + x, y));
        EXPECT_EQ(image.GetPixel(100, y), picture.GetPixel(4, y)) << "the middle repeats every 96 pixels";
    }
}

}  // namespace
}  // namespace vemora::skin
