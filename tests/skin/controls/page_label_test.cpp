// The page control's geometry and the panel, label and status panel rules with this
// program's skin.
#include <gtest/gtest.h>

#include "skin/controls/label_rules.h"
#include "skin/controls/page_geometry.h"
#include "vemora_skin_fixture.h"

namespace vemora::skin {
namespace {

const TspDataSkinTabControl& TabRecord() {
    const TspSkinData& skin = test::VemoraSkin();
    return dynamic_cast<const TspDataSkinTabControl&>(*skin.SkinControls[skin.IndexOfControl("tab")]);
}

TEST(PageControl, TheTabRowIsTheRecordsHeightWhateverTheDefault) {
    const TspDataSkinTabControl& record = TabRecord();
    EXPECT_EQ(TabItemHeight(&record, 0, 20), 18);
    EXPECT_EQ(TabItemHeight(&record, 0, 40), 18);
    EXPECT_EQ(TabItemHeight(&record, 25, 20), 25);  // an explicit TabHeight wins
    EXPECT_EQ(TabItemHeight(nullptr, 0, 20), 20);
}

TEST(PageControl, ATabKeepsThreePixelEndsAndTilesItsMiddle) {
    const TspDataSkinTabControl& record = TabRecord();
    const Image24& picture = test::VemoraSkin().ActivePictures[record.PictureIndex];
    const Rect source = record.TabRect;
    const Image24 tab = BuildTabImage(record, picture, source, 150, 0);
    ASSERT_EQ(tab.Width(), 150);
    ASSERT_EQ(tab.Height(), 18);
    const int middle = RectWidth(source) - 6;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(tab.GetPixel(x, y), picture.GetPixel(source.left + x, source.top + y));
            EXPECT_EQ(tab.GetPixel(147 + x, y), picture.GetPixel(source.right - 3 + x, source.top + y));
        }
        EXPECT_EQ(tab.GetPixel(3 + middle, y), picture.GetPixel(source.left + 3, source.top + y))
            << "the middle repeats";
    }
}

TEST(PageControl, StatesPickTheirTabPictures) {
    const TspDataSkinTabControl& r = TabRecord();
    EXPECT_EQ(TabSourceRect(r, false, false, false), r.TabRect);
    EXPECT_EQ(TabSourceRect(r, true, false, false), r.MouseInTabRect);
    EXPECT_EQ(TabSourceRect(r, true, true, false), r.ActiveTabRect)
        << "hovering the selected tab changes nothing";
    EXPECT_EQ(TabSourceRect(r, false, true, true), r.FocusTabRect);
    EXPECT_EQ(RectHeight(r.ActiveTabRect), 19) << "the selected tab overlaps the frame by a pixel";
}

TEST(PageControl, EachPageTilesA55By48PartOfTheFrame) {
    const Rect tile = PageTileRect(TabRecord());
    EXPECT_EQ(RectWidth(tile), 55);
    EXPECT_EQ(RectHeight(tile), 48);
    // The pages sit inside the frame's insets: 2 on every side of this skin.
    const Rect display = AdjustDisplayRect({4, 24, 565, 118}, 569, 122, TabPosition::tpTop, &TabRecord());
    EXPECT_EQ(display, (Rect{2, 20, 567, 120}));
    EXPECT_EQ(PageFrameRect(display, TabRecord()), (Rect{0, 18, 569, 122}));
}

TEST(PageControl, UpDownOnlyWhenATabDoesNotFit) {
    const struct {
        std::vector<Rect> tabs;
        int out;
    } cases[] = {
        {{{0, 0, 70, 18}, {70, 0, 130, 18}}, 0},
        {{{0, 0, 300, 18}, {300, 0, 567, 18}}, 1},  // past width − 3
        {{{-80, 0, 0, 18}, {0, 0, 60, 18}}, 1},     // scrolled out at the left
    };
    for (const auto& c : cases) EXPECT_EQ(TabsOutOfView(c.tabs, 569, 0), c.out);
}

TspSkinCustomControlModel Model(const char* name) {
    TspSkinCustomControlModel model(name);
    model.SkinData = &test::VemoraSkin();
    model.LoadSkinRecord();
    return model;
}

TEST(Label, AnAutoSizedLabelIsItsRecordsHeightAndSevenPixelsWiderThanItsCaption) {
    TspSkinCustomControlModel label = Model("label");
    EXPECT_EQ(FitLabelSize(label, {55, 21}, true, true, 60), (Size{67, 19}));
    EXPECT_EQ(FitLabelSize(label, {55, 21}, true, false, 60), (Size{55, 19}));
    EXPECT_EQ(FitLabelSize(label, {55, 21}, false, false, 60), (Size{55, 21}))
        << "free size without UseSkinSize";
    TspSkinCustomControlModel none = Model("nolabel");
    EXPECT_EQ(CaptionWidthExcess(none, 50, 60), 14) << "built-in look: text + 4";
}

TEST(Label, TheStatusPanelAndBarAre19PixelsHighAndTheBarsChildrenSitInsideIt) {
    TspSkinCustomControlModel panel = Model("statuspanel");
    EXPECT_EQ(panel.SetBounds({0, 0}, {580, 21}), (Size{580, 19}));
    TspSkinCustomControlModel bar = Model("statusbar");
    bar.FitSkinSize(585, 21);
    EXPECT_EQ(PanelClientRect(bar, {585, 19}, TspSkinBorderStyle::bvNone, false, 22, false),
              (Rect{2, 0, 582, 19}));
    TspSkinCustomControlModel top = Model("panel");
    top.FitSkinSize(585, 201);
    EXPECT_EQ(PanelClientRect(top, {585, 201}, TspSkinBorderStyle::bvFrame, false, 22, false),
              (Rect{2, 2, 583, 199}));
    EXPECT_EQ(PanelClientRect(top, {585, 201}, TspSkinBorderStyle::bvNone, false, 22, false),
              (Rect{0, 0, 585, 201}))
        << "a free-size record without a border tiles the whole panel";
    TspSkinCustomControlModel plain = Model("nopanel");
    EXPECT_EQ(PanelClientRect(plain, {100, 50}, TspSkinBorderStyle::bvFrame, true, 22, false),
              (Rect{1, 23, 99, 49}));
}

TEST(Label, TextAlignsInItsRectangle) {
    const Rect r{3, 0, 53, 19};
    EXPECT_EQ(AlignTextIn(r, {20, 14}, TextAlignment::taLeftJustify), (Point{3, 2}));
    EXPECT_EQ(AlignTextIn(r, {20, 14}, TextAlignment::taRightJustify), (Point{33, 2}));
    EXPECT_EQ(AlignTextIn(r, {20, 14}, TextAlignment::taCenter), (Point{18, 2}));
}

}  // namespace
}  // namespace vemora::skin
