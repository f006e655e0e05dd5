// Frame geometry for any window size: which points move, where the client lies, where the
// picture's rectangles and the caption buttons land.
#include "skin/frame/frame_geometry.h"

#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace vemora::skin::testing {
namespace {

FrameSkin Skin() {
    return {&VemoraSkin().FormInfo, kPictureWidth, kPictureHeight};
}

TEST(FrameGeometry, WideningMovesOnlyTheRightHandPoints) {
    const FrameGeometry base = CalcFrameGeometry(Skin(), kPictureWidth, kPictureHeight);
    EXPECT_EQ(base.NewClientRect, (Rect{8, 27, 370, 162}));
    EXPECT_EQ(base.NewMaskRectArea, (Rect{4, 3, 374, 162}));
    for (int n : {1, 7, 214, 1542}) {
        SCOPED_TRACE(n);
        const FrameGeometry g = CalcFrameGeometry(Skin(), kPictureWidth + n, kPictureHeight);
        EXPECT_EQ(g.NewLTPoint, base.NewLTPoint);
        EXPECT_EQ(g.NewLBPoint, base.NewLBPoint);
        EXPECT_EQ(g.NewHitLTPoint, base.NewHitLTPoint);
        EXPECT_EQ(g.NewHitLBPoint, base.NewHitLBPoint);
        EXPECT_EQ(g.NewRTPoint, (Point{base.NewRTPoint.x + n, base.NewRTPoint.y}));
        EXPECT_EQ(g.NewRBPoint, (Point{base.NewRBPoint.x + n, base.NewRBPoint.y}));
        EXPECT_EQ(g.NewHitRTPoint, (Point{base.NewHitRTPoint.x + n, base.NewHitRTPoint.y}));
        EXPECT_EQ(g.NewHitRBPoint, (Point{base.NewHitRBPoint.x + n, base.NewHitRBPoint.y}));
        EXPECT_EQ(g.NewClientRect, (Rect{8, 27, 370 + n, 162}));
        EXPECT_EQ(g.NewMaskRectArea, (Rect{4, 3, 374 + n, 162}));
        EXPECT_EQ(g.NewCaptionRect, (Rect{6, 1, 372 + n, 19}));
    }
}

TEST(FrameGeometry, HeightMovesTheBottomPoints) {
    const FrameGeometry g = CalcFrameGeometry(Skin(), kPictureWidth, kPictureHeight + 275);
    EXPECT_EQ(g.NewLBPoint, (Point{10, 159 + 275}));
    EXPECT_EQ(g.NewRBPoint, (Point{367, 157 + 275}));
    EXPECT_EQ(g.NewRTPoint, (Point{365, 28}));
    EXPECT_EQ(g.NewClientRect, (Rect{8, 27, 370, 162 + 275}));
}

TEST(FrameGeometry, ClientAreaIsInsetByTheSkinsBorder) {
    for (const Rect& window :
         {Rect{0, 0, 601, 444}, Rect{-700, -300, 900, 400}, Rect{10, 20, 10 + 592, 20 + 34}}) {
        const Rect client = SkinClientArea(Skin(), window);
        EXPECT_EQ(client, (Rect{window.left + 8, window.top + 27, window.right - 8, window.bottom - 7}));
    }
    // Smaller than the border: never inverted.
    EXPECT_EQ(SkinClientArea(Skin(), Rect{0, 0, 10, 10}), (Rect{8, 27, 8, 27}));
}

TEST(FrameGeometry, MapFrameRectFollowsTheCornerZones) {
    // Zones of this skin: top-left (0,0,10,29), top-right (365,0,378,28), bottom-left
    // (0,159,10,169), bottom-right (367,157,378,169).
    const int dx = 50, dy = 30;
    const FrameGeometry g = CalcFrameGeometry(Skin(), kPictureWidth + dx, kPictureHeight + dy);
    const struct {
        const char* what;
        Rect in, out;
    } cases[] = {
        {"inside top-left", {2, 2, 5, 5}, {2, 2, 5, 5}},
        {"inside top-right", {366, 1, 370, 5}, {366 + dx, 1, 370 + dx, 5}},
        {"inside bottom-left", {1, 160, 5, 165}, {1, 160 + dy, 5, 165 + dy}},
        {"inside bottom-right", {368, 158, 375, 165}, {368 + dx, 158 + dy, 375 + dx, 165 + dy}},
        {"top-left to bottom-right", {5, 5, 370, 160}, {5, 5, 370 + dx, 160 + dy}},
        {"top-left to top-right: the caption", {6, 4, 371, 25}, {6, 4, 371 + dx, 25}},
        {"bottom-left to bottom-right", {5, 160, 370, 165}, {5, 160 + dy, 370 + dx, 165 + dy}},
        {"top-left to bottom-left", {2, 5, 8, 162}, {2, 5, 8, 162 + dy}},
        {"top-right to bottom-right", {366, 5, 375, 160}, {366 + dx, 5, 375 + dx, 160 + dy}},
        {"in no zone", {100, 50, 200, 100}, {100, 50, 200, 100}},
        {"right edge is outside the zone", {2, 2, 10, 5}, {2, 2, 10, 5}},
    };
    for (const auto& c : cases) EXPECT_EQ(MapFrameRect(Skin(), g, c.in), c.out) << c.what;

    SkinFormInfo noZones = VemoraSkin().FormInfo;
    // Each zone has no width or no height.
    noZones.LeftTopPoint = {0, 0};
    noZones.RightTopPoint = {kPictureWidth, 0};
    noZones.LeftBottomPoint = {0, kPictureHeight};
    noZones.RightBottomPoint = {kPictureWidth, kPictureHeight};
    const FrameSkin bare{&noZones, kPictureWidth, kPictureHeight};
    EXPECT_EQ(MapFrameRect(bare, g, Rect{366, 1, 370, 5}), (Rect{366, 1, 370, 5}));
}

class PlaceObjects : public FrameFixture, public ::testing::WithParamInterface<int> {};

TEST_P(PlaceObjects, ButtonsLineUpFromTheCaptionsRightEdge) {
    Build(kPictureWidth + GetParam(), 444);
    const int d = GetParam();
    EXPECT_EQ(Object("closebutton").ObjectRect, (Rect{329 + d, 1, 372 + d, 18}));
    EXPECT_EQ(Object("maximizebutton").ObjectRect, (Rect{304 + d, 1, 329 + d, 18}));
    EXPECT_EQ(Object("minimizebutton").ObjectRect, (Rect{279 + d, 1, 304 + d, 18}));
    // The hidden system-menu button takes no place: the caption starts at its skin position.
    EXPECT_FALSE(Object("sysmenubutton").Visible);
    EXPECT_EQ(Object("caption").ObjectRect, (Rect{6, 4, 279 + d, 25}));
}

INSTANTIATE_TEST_SUITE_P(Widths, PlaceObjects, ::testing::Values(214, 215, 1000));

TEST_F(FrameFixture, SystemMenuButtonWithTheIconTakesItsPlaceAtTheLeft) {
    TspBorderIcons icons;
    form->SetBorderIcons(icons);
    form->SetSkinData(&VemoraSkin());
    // Centred in the caption rectangle (6,1,..,19): 10 − 8 = 2.
    EXPECT_EQ(Object("sysmenubutton").ObjectRect, (Rect{6, 2, 22, 18}));
    EXPECT_EQ(Object("caption").ObjectRect.left, 22);
}

}  // namespace
}  // namespace vemora::skin::testing
