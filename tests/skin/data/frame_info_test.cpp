#include "skin/data/frame_info.h"

#include <gtest/gtest.h>

#include <string>

namespace vemora::skin {
namespace {

SkinFormInfo Load(const std::string& formInfo, bool hasMask) {
    SkinFormInfo info;
    info.LoadFromIni(SkinIni("[FORMINFO]\n" + formInfo), hasMask);
    return info;
}

TEST(SkinFormInfo, InitialValuesAndDefaults) {
    const SkinFormInfo initial;
    EXPECT_EQ(initial.BGPictureIndex, -1);
    EXPECT_EQ(initial.MDIBGPictureIndex, -1);
    EXPECT_EQ(initial.CursorIndex, -1);
    EXPECT_FALSE(initial.MainMenuPopupUp);
    EXPECT_EQ(initial.ClientRect, Rect{});
    EXPECT_EQ(initial.BorderWidth, 0);
    EXPECT_EQ(initial.InActiveEffect, ImageEffect::ieBrightness);

    const SkinFormInfo absent = Load("borderwidth=3\n", false);
    EXPECT_EQ(absent.BorderWidth, 3);
    EXPECT_EQ(absent.BGPictureIndex, -1);
    EXPECT_EQ(absent.CursorIndex, -1);
    EXPECT_EQ(absent.InActiveEffect, ImageEffect::ieBrightness);
    EXPECT_EQ(Load("inactiveeffect=iesepia\n", false).InActiveEffect, ImageEffect::ieGrayscale);
    EXPECT_EQ(Load("inactiveeffect=ienoise\n", false).InActiveEffect, ImageEffect::ieNoise);
}

TEST(SkinFormInfo, CornersAreClampedIntoTheClientRectUnlessTheyCoincide) {
    struct Case {
        const char* name;
        const char* points;
        Point lt, rt, lb, rb;
    };
    const char* const client = "clientrect=8,27,370,162\n";
    const Case cases[] = {
        {"inside: unchanged",
         "lefttoppoint=10,29\nrighttoppoint=365,28\nleftbottompoint=10,159\nrightbottompoint=367,157\n",
         {10, 29},
         {365, 28},
         {10, 159},
         {367, 157}},
        {"outside: clamped",
         "lefttoppoint=2,3\nrighttoppoint=400,4\nleftbottompoint=1,200\nrightbottompoint=380,170\n",
         {8, 27},
         {370, 27},
         {8, 162},
         {370, 162}},
        {"same X as left-top: not clamped",
         "lefttoppoint=2,3\nrighttoppoint=400,4\nleftbottompoint=1,200\nrightbottompoint=2,170\n",
         {2, 3},
         {400, 4},
         {1, 200},
         {2, 170}},
        {"same Y as left-top: not clamped",
         "lefttoppoint=2,3\nrighttoppoint=400,4\nleftbottompoint=1,200\nrightbottompoint=380,3\n",
         {2, 3},
         {400, 4},
         {1, 200},
         {380, 3}},
    };
    for (const Case& c : cases) {
        const SkinFormInfo info = Load(std::string(client) + c.points, false);
        EXPECT_EQ(info.LeftTopPoint, c.lt) << c.name;
        EXPECT_EQ(info.RightTopPoint, c.rt) << c.name;
        EXPECT_EQ(info.LeftBottomPoint, c.lb) << c.name;
        EXPECT_EQ(info.RightBottomPoint, c.rb) << c.name;
    }
}

TEST(SkinFormInfo, MaskAdjustmentsOnlyWithAMask) {
    const std::string frame =
        "clientrect=8,27,370,162\n"
        "lefttoppoint=10,29\nrighttoppoint=365,28\nleftbottompoint=10,159\nrightbottompoint=367,157\n"
        "hittestlefttoppoint=0,5\nhittestrighttoppoint=360,30\nhittestleftbottompoint=4,0\n";
    struct Case {
        const char* name;
        const char* mask;
        bool hasMask;
        Rect maskRect;
    };
    const Case cases[] = {
        {"empty area becomes the client rect", "maskrectarea=0,0,0,0\n", true, {8, 27, 370, 162}},
        {"zero-height area becomes the client rect", "maskrectarea=0,5,400,5\n", true, {8, 27, 370, 162}},
        {"area is grown to hold the client rect", "maskrectarea=10,0,300,170\n", true, {8, 0, 370, 170}},
        {"no mask: area kept", "maskrectarea=10,0,300,170\n", false, {10, 0, 300, 170}},
    };
    for (const Case& c : cases) {
        const SkinFormInfo info = Load(frame + c.mask, c.hasMask);
        EXPECT_EQ(info.MaskRectArea, c.maskRect) << c.name;
        if (c.hasMask) {
            // Hit-test points with a zero coordinate take the corner point of their position.
            EXPECT_EQ(info.HitTestLeftTopPoint, (Point{10, 29})) << c.name;
            EXPECT_EQ(info.HitTestRightTopPoint, (Point{360, 30})) << c.name;
            EXPECT_EQ(info.HitTestLeftBottomPoint, (Point{10, 159})) << c.name;
            EXPECT_EQ(info.HitTestRightBottomPoint, (Point{367, 157})) << c.name;
        } else {
            EXPECT_EQ(info.HitTestLeftTopPoint, (Point{0, 5})) << c.name;
            EXPECT_EQ(info.HitTestRightBottomPoint, Point{}) << c.name;
        }
    }
}

// The hit-test points are replaced by the corner points as read, before these are clamped.
TEST(SkinFormInfo, MaskAdjustmentComesBeforeClamping) {
    const SkinFormInfo info =
        Load("clientrect=8,27,370,162\nlefttoppoint=2,3\nrightbottompoint=380,170\n", true);
    EXPECT_EQ(info.HitTestLeftTopPoint, (Point{2, 3}));
    EXPECT_EQ(info.LeftTopPoint, (Point{8, 27}));
    EXPECT_EQ(info.HitTestRightBottomPoint, (Point{380, 170}));
    EXPECT_EQ(info.RightBottomPoint, (Point{370, 162}));
}

TEST(SkinFormInfo, SavedKeysReadBack) {
    SkinFormInfo info;
    info.ClientRect = {1, 2, 3, 4};
    info.BGPictureIndex = 7;
    info.TopStretch = true;
    info.ButtonsOffset = -2;
    info.MainMenuPopupUp = true;
    info.InActiveEffect = ImageEffect::ieSplitBlur;
    info.RollUpRightPoint = {9, 9};
    SkinIni ini;
    info.SaveToIni(ini);
    SkinFormInfo read;
    read.LoadFromIni(SkinIni(ini.Text()), false);
    EXPECT_EQ(read.ClientRect, info.ClientRect);
    EXPECT_EQ(read.BGPictureIndex, 7);
    EXPECT_EQ(read.MDIBGPictureIndex, -1);
    EXPECT_TRUE(read.TopStretch);
    EXPECT_EQ(read.ButtonsOffset, -2);
    EXPECT_TRUE(read.MainMenuPopupUp);
    EXPECT_EQ(read.InActiveEffect, ImageEffect::ieSplitBlur);
    EXPECT_EQ(read.RollUpRightPoint, (Point{9, 9}));
    EXPECT_EQ(ini.ReadString("FORMINFO", "inactiveeffect"), "iesplitblur");
}

TEST(SkinWindows, CreationDefaultsAndReading) {
    const TspDataSkinPopupWindow popup;
    EXPECT_EQ(popup.WindowPictureIndex, -1);
    EXPECT_EQ(popup.MaskPictureIndex, -1);
    EXPECT_EQ(popup.LeftTopPoint, Point{});
    const TspDataSkinHintWindow hint;
    EXPECT_EQ(hint.WindowPictureIndex, -1);
    EXPECT_EQ(hint.MaskPictureIndex, -1);
    EXPECT_EQ(hint.Font.Name, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(hint.Font.Height, 14);
    EXPECT_EQ(hint.Font.Style, FontStyles{});
    EXPECT_EQ(hint.FontColor, 0);

    const SkinIni ini(
        "[POPUPWINDOW]\nwindowpictureindex=2\nitemsrect=3,3,97,97\nscrollmarkercolor=3881787\n"
        "bottomstretch=1\nrightbottompoint=90,90\n"
        "[HINTWINDOW]\nfontname=Tahoma\nfontstyle=fsbold\nclientrect=2,2,8,8\nleftstretch=1\n");
    TspDataSkinPopupWindow readPopup;
    readPopup.LoadFromIni(ini);
    EXPECT_EQ(readPopup.WindowPictureIndex, 2);
    EXPECT_EQ(readPopup.MaskPictureIndex, -1);
    EXPECT_EQ(readPopup.CursorIndex, -1);
    EXPECT_EQ(readPopup.ItemsRect, (Rect{3, 3, 97, 97}));
    EXPECT_EQ(readPopup.ScrollMarkerColor, 0x3B3B3B);
    EXPECT_TRUE(readPopup.BottomStretch);
    EXPECT_FALSE(readPopup.TopStretch);
    EXPECT_EQ(readPopup.RightBottomPoint, (Point{90, 90}));
    TspDataSkinHintWindow readHint;
    readHint.LoadFromIni(ini);
    EXPECT_EQ(readHint.WindowPictureIndex, -1);
    EXPECT_EQ(readHint.Font.Name, "Tahoma");
    EXPECT_EQ(readHint.Font.Height, 14);
    EXPECT_TRUE(readHint.Font.Style.bold);
    EXPECT_EQ(readHint.ClientRect, (Rect{2, 2, 8, 8}));
    EXPECT_TRUE(readHint.LeftStretch);
}

}  // namespace
}  // namespace vemora::skin
