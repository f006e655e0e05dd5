// What Vemora's own skin must hold once loaded: the values the frame, caption objects and
// controls are laid out by. Shared by the native test of the built block and the Windows
// test of the block inside Vemora.exe.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "skin/data/skin_data.h"

namespace vemora::skin::testing {

inline constexpr std::string_view kVemoraSkinObjects[] = {
    "menuitem",           "caption",          "closebutton",      "minimizebutton",
    "maximizebutton",     "mainmenubaritem",  "sysmenubutton",    "menubarsysmenubutton",
    "menubarclosebutton", "menubarmaxbutton", "menubarminbutton",
};

inline constexpr std::string_view kVemoraSkinControls[] = {
    "button",
    "toolpanel",
    "toolbutton",
    "checkbox",
    "gauge",
    "vgauge",
    "radiobox",
    "panel",
    "label",
    "trackbar",
    "htrackbar",
    "grid",
    "tab",
    "edit",
    "memo",
    "hscrollbar",
    "vscrollbar",
    "listbox",
    "combobox",
    "checklistbox",
    "spinedit",
    "groupbox",
    "stdlabel",
    "statuspanel",
    "statusbar",
    "buttonedit",
    "vupdown",
    "hupdown",
    "captionlistbox",
    "captionchecklistbox",
    "captioncombobox",
    "controlbar",
    "mainmenubar",
    "vsplitter",
    "hsplitter",
    "resizebutton",
    "bothhscrollbar",
    "bigtoolpanel",
    "bigtoolbutton",
    "toolmenubutton",
    "toolmenutrackbutton",
    "bigtoolmenubutton",
    "bigtoolmenutrackbutton",
    "scrollbox",
    "treeview",
    "listview",
    "statusgauge",
    "richedit",
    "expanel",
    "slider",
    "bevel",
    "statusedit",
    "statusbuttonedit",
    "statusspinedit",
    "statuscombobox",
    "toolspinedit",
    "toolcombobox",
    "tooledit",
    "toolbuttonedit",
    "resizetoolbutton",
    "resizetoolpanel",
    "combobutton",
    "htracktoolbutton",
    "vtracktoolbutton",
};

template <typename Record, typename List>
const Record* RecordAs(const List& list, int index) {
    if (index < 0 || size_t(index) >= list.size()) return nullptr;
    return dynamic_cast<const Record*>(list[size_t(index)].get());
}

inline void ExpectVemoraSkin(const TspSkinData& skin) {
    ASSERT_FALSE(skin.Empty());

    // Pictures
    EXPECT_EQ(skin.Picture.Width(), 378);
    EXPECT_EQ(skin.Picture.Height(), 169);
    EXPECT_EQ(skin.InactivePicture.Width(), 378);
    EXPECT_EQ(skin.InactivePicture.Height(), 169);
    EXPECT_EQ(skin.MaskPicture.Width(), 378);
    EXPECT_EQ(skin.MaskPicture.Height(), 169);
    EXPECT_TRUE(skin.RollUpPicture.IsEmpty());
    EXPECT_TRUE(skin.RollUpMaskPicture.IsEmpty());
    EXPECT_EQ(skin.ActivePictures.size(), 15u);
    EXPECT_FALSE(skin.MaskPictureName.empty());
    for (const Image24& picture : skin.ActivePictures) EXPECT_FALSE(picture.IsEmpty());
    // The mask is black inside and white only in the rounded corners.
    EXPECT_EQ(skin.MaskPicture.GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(skin.MaskPicture.GetPixel(189, 84), 0u);
    EXPECT_EQ(skin.MaskPicture.GetPixel(5, 5), 0u);

    // The frame
    const SkinFormInfo& frame = skin.FormInfo;
    EXPECT_EQ(frame.LeftTopPoint, (Point{10, 29}));
    EXPECT_EQ(frame.RightTopPoint, (Point{365, 28}));
    EXPECT_EQ(frame.LeftBottomPoint, (Point{10, 159}));
    EXPECT_EQ(frame.RightBottomPoint, (Point{367, 157}));
    EXPECT_EQ(frame.ClientRect, (Rect{8, 27, 370, 162}));
    EXPECT_EQ(frame.MaskRectArea, (Rect{4, 3, 374, 162}));
    EXPECT_TRUE(frame.TopStretch);
    EXPECT_TRUE(frame.LeftStretch);
    EXPECT_TRUE(frame.RightStretch);
    EXPECT_FALSE(frame.BottomStretch);
    EXPECT_EQ(frame.BorderWidth, 5);
    EXPECT_EQ(frame.HitTestLeftTopPoint, (Point{6, 7}));
    EXPECT_EQ(frame.HitTestRightTopPoint, (Point{369, 8}));
    EXPECT_EQ(frame.HitTestLeftBottomPoint, (Point{9, 159}));
    EXPECT_EQ(frame.HitTestRightBottomPoint, (Point{368, 160}));

    // The lists, in order
    ASSERT_EQ(skin.SkinObjects.size(), std::size(kVemoraSkinObjects));
    for (size_t i = 0; i < std::size(kVemoraSkinObjects); ++i) {
        EXPECT_EQ(skin.SkinObjects[i]->SkinSectionName, kVemoraSkinObjects[i]) << i;
    }
    ASSERT_EQ(skin.SkinControls.size(), std::size(kVemoraSkinControls));
    for (size_t i = 0; i < std::size(kVemoraSkinControls); ++i) {
        EXPECT_EQ(skin.SkinControls[i]->SkinSectionName, kVemoraSkinControls[i]) << i;
    }
    EXPECT_EQ(skin.IndexOfObject("caption"), 1);
    EXPECT_EQ(skin.IndexOfControl("button"), 0);
    EXPECT_EQ(skin.IndexOfControl("tab"), 12);
    EXPECT_EQ(skin.IndexOfControl("Button"), -1);

    // The caption and its buttons
    const auto* caption = RecordAs<TspDataSkinCaption>(skin.SkinObjects, skin.IndexOfObject("caption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_FALSE(caption->SkinRectInAPicture);
    EXPECT_EQ(caption->SkinRect, (Rect{6, 4, 371, 25}));
    EXPECT_EQ(caption->TextRect, (Rect{4, 1, 363, 18}));
    EXPECT_EQ(caption->Font.Name, "Arial");
    EXPECT_EQ(caption->Font.Height, 14);
    EXPECT_TRUE(caption->Font.Style.bold);
    EXPECT_EQ(caption->ActiveFontColor, 0);  // while the window is active
    EXPECT_EQ(caption->FontColor, 8750469);  // and while it is not
    EXPECT_EQ(caption->Alignment, TextAlignment::taLeftJustify);

    struct Button {
        std::string_view name;
        SkinCommand command;
        Rect normal, active, down, inactive;
    };
    const Button buttons[] = {
        {"closebutton",
         SkinCommand::cmClose,
         {1, 2, 44, 19},
         {1, 21, 44, 38},
         {1, 39, 44, 56},
         {83, 129, 126, 146}},
        {"minimizebutton",
         SkinCommand::cmMinimize,
         {3, 62, 28, 79},
         {3, 82, 28, 99},
         {3, 103, 28, 120},
         {33, 129, 58, 146}},
        {"maximizebutton",
         SkinCommand::cmMaximize,
         {52, 3, 77, 20},
         {52, 23, 78, 40},
         {52, 43, 78, 60},
         {58, 129, 83, 146}},
        {"sysmenubutton",
         SkinCommand::cmSysMenu,
         {33, 67, 50, 82},
         {33, 86, 50, 101},
         {33, 104, 50, 119},
         {87, 150, 104, 165}},
    };
    for (const Button& b : buttons) {
        const auto* button = RecordAs<TspDataSkinStdButton>(skin.SkinObjects, skin.IndexOfObject(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->Command, b.command) << b.name;
        EXPECT_TRUE(button->SkinRectInAPicture) << b.name;
        EXPECT_EQ(button->ActivePictureIndex, 0) << b.name;
        EXPECT_EQ(button->SkinRect, b.normal) << b.name;
        EXPECT_EQ(button->ActiveSkinRect, b.active) << b.name;
        EXPECT_EQ(button->DownRect, b.down) << b.name;
        EXPECT_EQ(button->InActiveSkinRect, b.inactive) << b.name;
    }
    const auto* minimize =
        RecordAs<TspDataSkinStdButton>(skin.SkinObjects, skin.IndexOfObject("minimizebutton"));
    EXPECT_EQ(minimize->RestoreRect, (Rect{3, 127, 28, 144}));
    const auto* maximize =
        RecordAs<TspDataSkinStdButton>(skin.SkinObjects, skin.IndexOfObject("maximizebutton"));
    EXPECT_EQ(maximize->RestoreRect, (Rect{53, 65, 78, 82}));

    // Every picture index a record names exists.
    const auto validIndex = [&](int32_t index) {
        return index >= -1 && index < int32_t(skin.ActivePictures.size());
    };
    for (const auto& control : skin.SkinControls) {
        EXPECT_TRUE(validIndex(control->PictureIndex)) << control->SkinSectionName;
        EXPECT_TRUE(validIndex(control->MaskPictureIndex)) << control->SkinSectionName;
    }
    for (const auto& object : skin.SkinObjects) {
        EXPECT_TRUE(validIndex(object->ActivePictureIndex)) << object->SkinSectionName;
    }

    // The controls the window draws have their class and a picture.
    const auto* tab = RecordAs<TspDataSkinTabControl>(skin.SkinControls, 12);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->UpDown, "hupdown");
    EXPECT_NE(RecordAs<TspDataSkinButtonControl>(skin.SkinControls, skin.IndexOfControl("button")), nullptr);
    EXPECT_NE(RecordAs<TspDataSkinCheckRadioControl>(skin.SkinControls, skin.IndexOfControl("checkbox")),
              nullptr);
    EXPECT_NE(RecordAs<TspDataSkinPanelControl>(skin.SkinControls, skin.IndexOfControl("statusbar")),
              nullptr);
    EXPECT_NE(RecordAs<TspDataSkinLabelControl>(skin.SkinControls, skin.IndexOfControl("statuspanel")),
              nullptr);
    const auto* updown =
        RecordAs<TspDataSkinUpDownControl>(skin.SkinControls, skin.IndexOfControl("hupdown"));
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(updown->ClientRect, Rect{});
    for (std::string_view name :
         {"button", "checkbox", "radiobox", "panel", "statusbar", "statuspanel", "label", "tab"}) {
        const int index = skin.IndexOfControl(name);
        ASSERT_GE(index, 0) << name;
        EXPECT_GE(skin.SkinControls[size_t(index)]->PictureIndex, 0) << name;
    }
    EXPECT_GE(skin.PopupWindowData.WindowPictureIndex, 0);
    EXPECT_GE(skin.HintWindowData.WindowPictureIndex, 0);
    EXPECT_EQ(skin.HintWindowData.ClientRect, (Rect{2, 2, 38, 18}));
}

}  // namespace vemora::skin::testing
