#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/skin_error.h"

namespace vemora::skin {
namespace {

// Remembers each message with what the skin looked like when it arrived.
class RecordingNotifier : public SkinNotifier {
  public:
    struct Received {
        uint32_t message;
        const TspSkinData* skin;
        bool empty;
        size_t controls;
    };
    void NotifyForms(uint32_t message, const TspSkinData& skin) override {
        received.push_back({message, &skin, skin.Empty(), skin.SkinControls.size()});
    }
    std::vector<uint32_t> Messages() const {
        std::vector<uint32_t> messages;
        for (const Received& r : received) messages.push_back(r.message);
        return messages;
    }
    std::vector<Received> received;
};

const char kDescription[] =
    "[VERSION]\r\n"
    "skinname=Test "
    "skin\r\nskinauthor=Vemora\r\nauthoremail=a@b.c\r\nauthorurl=http://x\r\nskincomments=none\r\n"
    "[PICTURES]\r\n"
    "picture=main.bmp\r\ninactivepicture=inactive.bmp\r\nmask=mask.bmp\r\n"
    "activepicturescount=2\r\n0=buttons.bmp\r\n1=tabs.bmp\r\n"
    "[FORMINFO]\r\n"
    "clientrect=8,27,370,162\r\nlefttoppoint=10,29\r\nrighttoppoint=365,28\r\n"
    "leftbottompoint=10,159\r\nrightbottompoint=367,157\r\nborderwidth=4\r\nmaskrectarea=0,0,0,0\r\n"
    "[POPUPWINDOW]\r\nwindowpictureindex=1\r\nitemsrect=2,2,20,20\r\n"
    "[HINTWINDOW]\r\nwindowpictureindex=0\r\nfontheight=12\r\n"
    "[SKINAREAS]\r\ncount=3\r\n0=caption area:1,2,3,4\r\n1=no rectangle here\r\n2=other:5,6,7,8\r\n"
    "[SKINOBJECTS]\r\ncount=3\r\n0=menuitem:menuitem\r\n1=caption:caption\r\n2=closebutton:stdbutton\r\n"
    "[SKINCONTROLS]\r\ncount=99\r\n"  // only the entries present make records
    "0=button:button\r\n1=toolpanel:panel\r\n2=checkbox:checkradio\r\n3=Button:Button\r\n"
    "4=no colon\r\n5=vupdown:updown\r\n6=button:panel\r\n8=tab:tab\r\n"
    "[button]\r\nskinrect=0,0,10,10\r\nfontcolor=1\r\n"
    "[toolpanel]\r\nbgpictureindex=1\r\n"
    "[button]\r\nskinrect=0,0,20,20\r\nFONTCOLOR=2\r\nfontcolor=3\r\n"  // only this [button] is seen
    "[caption]\r\nalignment=taleftjustify\r\n"
    "[closebutton]\r\ncommand=cmclose\r\n"
    "[vupdown]\r\nlefttoppoint=3,3\r\nclientrect=1,1,5,5\r\n";

SkinContainer Container(std::string description) {
    SkinContainer c;
    c.version = 3;
    c.picture = Image24(4, 3);
    c.maskPicture = Image24(4, 3);
    c.activePictures.emplace_back(2, 2);
    c.activePictures.emplace_back(3, 1);
    c.description = std::move(description);
    return c;
}

TEST(SkinData, CreatedEmpty) {
    const TspSkinData skin;
    EXPECT_TRUE(skin.Empty());
    EXPECT_TRUE(skin.SkinObjects.empty());
    EXPECT_TRUE(skin.ActivePictures.empty());
    EXPECT_EQ(skin.PopupWindowData.WindowPictureIndex, -1);
    EXPECT_EQ(skin.HintWindowData.Font.Height, 14);
    EXPECT_EQ(skin.FormInfo.CursorIndex, -1);
    EXPECT_EQ(skin.CursorBase, 1);
    EXPECT_EQ(skin.IndexOfControl("button"), -1);
}

TEST(SkinData, OneLoadReadsEverySectionAndTellsTheFormsOnce) {
    RecordingNotifier forms;
    TspSkinData skin(&forms);
    skin.LoadFromContainer(Container(kDescription));

    ASSERT_EQ(forms.Messages(),
              (std::vector<uint32_t>{WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_CHANGE_DONE}));
    EXPECT_TRUE(forms.received[0].empty);
    EXPECT_FALSE(forms.received[1].empty);
    EXPECT_EQ(forms.received[1].controls, skin.SkinControls.size());
    for (const auto& r : forms.received) EXPECT_EQ(r.skin, &skin);

    EXPECT_FALSE(skin.Empty());
    EXPECT_EQ(skin.SkinName, "Test skin");
    EXPECT_EQ(skin.AuthorURL, "http://x");
    EXPECT_EQ(skin.SkinComments, "none");
    EXPECT_EQ(skin.PictureName, "main.bmp");
    EXPECT_EQ(skin.MaskPictureName, "mask.bmp");
    EXPECT_EQ(skin.ActivePicturesNames, (std::vector<std::string>{"buttons.bmp", "tabs.bmp"}));
    EXPECT_EQ(skin.Picture.Width(), 4);
    ASSERT_EQ(skin.ActivePictures.size(), 2u);
    EXPECT_EQ(skin.ActivePictures[1].Width(), 3);

    EXPECT_EQ(skin.FormInfo.BorderWidth, 4);
    EXPECT_EQ(skin.FormInfo.MaskRectArea, (Rect{8, 27, 370, 162}));  // the mask name switched it on
    EXPECT_EQ(skin.FormInfo.RightBottomPoint, (Point{367, 157}));
    EXPECT_EQ(skin.PopupWindowData.WindowPictureIndex, 1);
    EXPECT_EQ(skin.PopupWindowData.ItemsRect, (Rect{2, 2, 20, 20}));
    EXPECT_EQ(skin.HintWindowData.Font.Height, 12);

    ASSERT_EQ(skin.SkinAreas.size(), 2u);
    EXPECT_EQ(skin.SkinAreas[0]->SkinSectionName, "caption area");
    EXPECT_EQ(skin.SkinAreas[1]->AreaRect, (Rect{5, 6, 7, 8}));

    ASSERT_EQ(skin.SkinObjects.size(), 3u);
    const auto* caption = dynamic_cast<const TspDataSkinCaption*>(skin.SkinObjects[1].get());
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->Alignment, TextAlignment::taLeftJustify);
    const auto* close = dynamic_cast<const TspDataSkinStdButton*>(skin.SkinObjects[2].get());
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->Command, SkinCommand::cmClose);

    // The type word "Button" and the entry without ":" make nothing; the rest keep entry order.
    std::vector<std::string> names;
    for (const auto& c : skin.SkinControls) names.push_back(c->SkinSectionName);
    EXPECT_EQ(names,
              (std::vector<std::string>{"button", "toolpanel", "checkbox", "vupdown", "button", "tab"}));
    const auto* button = dynamic_cast<const TspDataSkinButtonControl*>(skin.SkinControls[0].get());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->SkinRect, (Rect{0, 0, 20, 20}));
    EXPECT_EQ(button->FontColor, 3);
    const auto* updown = dynamic_cast<const TspDataSkinUpDownControl*>(skin.SkinControls[3].get());
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(updown->LeftTopPoint, Point{});
    EXPECT_EQ(updown->ClientRect, Rect{});
}

TEST(SkinData, LookupsAreExactAndFindTheFirst) {
    TspSkinData skin;
    skin.LoadFromContainer(Container(kDescription));
    struct Case {
        int (TspSkinData::*lookup)(std::string_view) const;
        const char* name;
        int expected;
    };
    const Case cases[] = {
        {&TspSkinData::IndexOfControl, "button", 0},    {&TspSkinData::IndexOfControl, "Button", -1},
        {&TspSkinData::IndexOfControl, "tab", 5},       {&TspSkinData::IndexOfControl, "vupdown", 3},
        {&TspSkinData::IndexOfControl, "caption", -1},  {&TspSkinData::IndexOfControl, "", -1},
        {&TspSkinData::IndexOfObject, "caption", 1},    {&TspSkinData::IndexOfObject, "CAPTION", -1},
        {&TspSkinData::IndexOfObject, "button", -1},    {&TspSkinData::IndexOfArea, "other", 1},
        {&TspSkinData::IndexOfArea, "caption area", 0}, {&TspSkinData::IndexOfArea, "caption", -1},
    };
    for (const Case& c : cases) EXPECT_EQ((skin.*c.lookup)(c.name), c.expected) << c.name;
}

TEST(SkinData, MissingOrZeroCountsMakeNoRecords) {
    TspSkinData skin;
    skin.LoadFromContainer(
        Container("[SKINCONTROLS]\ncount=0\n0=button:button\n"
                  "[SKINOBJECTS]\ncount=-5\n0=caption:caption\n"
                  "[button]\nskinrect=1,1,2,2\n"));
    EXPECT_FALSE(skin.Empty());
    EXPECT_TRUE(skin.SkinControls.empty());
    EXPECT_TRUE(skin.SkinObjects.empty());
    EXPECT_TRUE(skin.SkinAreas.empty());
    EXPECT_EQ(skin.IndexOfControl("button"), -1);
    // Nothing at all still loads, with every default.
    skin.LoadFromContainer(Container(""));
    EXPECT_FALSE(skin.Empty());
    EXPECT_EQ(skin.FormInfo.BGPictureIndex, -1);
    EXPECT_EQ(skin.HintWindowData.Font.Name, "\xCB\xCE\xCC\xE5");
}

// An error part-way leaves the skin as ClearSkin leaves it: nothing half read is kept.
TEST(SkinData, AnErrorMidLoadLeavesTheSkinClearedAndEmpty) {
    struct Case {
        const char* name;
        const char* description;
        const char* message;
    };
    const Case cases[] = {
        {"control rect",
         "[FORMINFO]\nborderwidth=9\n[SKINCONTROLS]\ncount=2\n0=a:button\n1=b:panel\n[b]\nclientrect=1,2,3\n",
         "'' is not a valid integer value"},
        {"area rect", "[FORMINFO]\nborderwidth=9\n[SKINAREAS]\ncount=1\n0=a:1,2\n",
         "'' is not a valid integer value"},
        {"frame point", "[FORMINFO]\nborderwidth=9\nlefttoppoint=99999999999,1\n",
         "'99999999999' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingNotifier forms;
        TspSkinData skin(&forms);
        skin.LoadFromContainer(Container(kDescription));
        forms.received.clear();
        try {
            skin.LoadFromContainer(Container(c.description));
            ADD_FAILURE() << "no error";
        } catch (const SkinError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(forms.Messages(), std::vector<uint32_t>{WM_SKIN_CHANGING});
        EXPECT_TRUE(skin.Empty());
        EXPECT_TRUE(skin.SkinControls.empty());
        EXPECT_TRUE(skin.SkinObjects.empty());
        EXPECT_TRUE(skin.SkinAreas.empty());
        EXPECT_TRUE(skin.ActivePictures.empty());
        EXPECT_TRUE(skin.Picture.IsEmpty());
        EXPECT_TRUE(skin.MaskPictureName.empty());
        EXPECT_EQ(skin.IndexOfControl("a"), -1);
        EXPECT_EQ(skin.FormInfo.BorderWidth, 4);  // the earlier skin's frame, as after ClearSkin
        EXPECT_EQ(skin.PopupWindowData.WindowPictureIndex, -1);
    }
}

// Huge counts, and many records each reading a huge line count, stay bounded.
TEST(SkinData, HostileCountsLoadInBoundedTime) {
    std::string description =
        "[SKINCONTROLS]\ncount=2000000000\n1999=late:button\n"
        "[SKINAREAS]\ncount=2147483647\n"
        "[b]\nsymbolslinecount=2000000000\nsymbolsline3=x\n"
        "[SKINOBJECTS]\ncount=2000000000\n";
    for (int i = 0; i < 300; ++i) description += std::to_string(i) + "=b:bitlabel\n";
    TspSkinData skin;
    skin.LoadFromContainer(Container(description));
    ASSERT_EQ(skin.SkinObjects.size(), 300u);
    const auto& bits = dynamic_cast<const TspDataSkinBitLabel&>(*skin.SkinObjects[299]);
    ASSERT_EQ(bits.Symbols.size(), size_t(kMaxSkinLineListEntries));
    EXPECT_EQ(bits.Symbols[3], "x");
    EXPECT_EQ(skin.IndexOfControl("late"), 0);
    EXPECT_TRUE(skin.SkinAreas.empty());
}

TEST(SkinData, ClearSkinKeepsTheFrameGeometry) {
    TspSkinData skin;
    skin.LoadFromContainer(Container(kDescription));
    skin.ClearSkin();
    EXPECT_TRUE(skin.Empty());
    EXPECT_TRUE(skin.SkinControls.empty());
    EXPECT_TRUE(skin.SkinObjects.empty());
    EXPECT_TRUE(skin.SkinAreas.empty());
    EXPECT_TRUE(skin.ActivePictures.empty());
    EXPECT_TRUE(skin.ActivePicturesNames.empty());
    EXPECT_TRUE(skin.Picture.IsEmpty());
    EXPECT_TRUE(skin.MaskPicture.IsEmpty());
    EXPECT_TRUE(skin.PictureName.empty());
    EXPECT_TRUE(skin.MaskPictureName.empty());
    EXPECT_EQ(skin.PopupWindowData.WindowPictureIndex, -1);
    EXPECT_EQ(skin.HintWindowData.WindowPictureIndex, -1);
    EXPECT_EQ(skin.PopupWindowData.ItemsRect, (Rect{2, 2, 20, 20}));
    EXPECT_EQ(skin.HintWindowData.Font.Height, 12);
    EXPECT_EQ(skin.FormInfo.BorderWidth, 4);
    EXPECT_EQ(skin.FormInfo.ClientRect, (Rect{8, 27, 370, 162}));
}

TEST(SkinData, ResourceStringsAndTheirMessage) {
    const TspResourceStrData strings;
    EXPECT_EQ(strings.CharSet, 1);
    ASSERT_EQ(strings.ResStrings.size(), 115u);
    EXPECT_EQ(strings.ResStrings.front(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(strings.ResStrings.back().substr(0, 19), "FIND_REPLACE_CLOSE=");
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"MI_MINCAPTION", "Mi&nimize"},
        {"MI_MAXCAPTION", "Ma&ximize"},
        {"MI_CLOSECAPTION", "&Close"},
        {"MI_RESTORECAPTION", "&Restore"},
        {"MI_MINTOTRAYCAPTION", "Minimize to &Tray"},
        {"MI_ROLLUPCAPTION", "Ro&llUp"},
        {"MINBUTTON_HINT", "Minimize"},
        {"MAXBUTTON_HINT", "Maximize"},
        {"CLOSEBUTTON_HINT", "Close"},
        {"TRAYBUTTON_HINT", "Minimize to Tray"},
        {"ROLLUPBUTTON_HINT", "Roll Up"},
        {"MENUBUTTON_HINT", "System menu"},
        {"menubutton_hint", "System menu"},
        {"Find_Replace_ALL", "Replace All"},
        {"MI_MINCAPTION=", ""},
        {"NO_SUCH_STRING", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(strings.GetResStr(c.name), c.text) << c.name;

    TspResourceStrData edited;
    edited.ResStrings = {"no equals sign", "A=first", "a=second", "B==x"};
    EXPECT_EQ(edited.GetResStr("a"), "first");
    EXPECT_EQ(edited.GetResStr("B"), "=x");
    EXPECT_EQ(edited.GetResStr("no equals sign"), "");

    RecordingNotifier forms;
    TspSkinData skin(&forms);
    skin.SetResourceStrData(&strings);
    EXPECT_EQ(skin.ResourceStrData(), &strings);
    EXPECT_EQ(forms.Messages(), std::vector<uint32_t>{WM_SKIN_STRINGS_CHANGED});
}

}  // namespace
}  // namespace vemora::skin
