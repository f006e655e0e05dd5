// The control records: one per [SKINCONTROLS] entry, its class chosen by the entry's type word.
//
// A skinned control looks its record up by name and tests the class before using it: a
// control asking for "button" takes a TspDataSkinButtonControl or a descendant
// (dynamic_cast), and draws itself in its built-in look otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/data/skin_ini.h"
#include "skin/data/skin_keys.h"
#include "skin/data/skin_values.h"
#include "skin/draw/geometry.h"
#include "skin/draw/skin_enums.h"

namespace vemora::skin {

class TspDataSkinControl {
  public:
    explicit TspDataSkinControl(std::string sectionName) : SkinSectionName(std::move(sectionName)) {}
    virtual ~TspDataSkinControl() = default;

    // Reads the record's own section, parent keys first.
    virtual void LoadFromIni(const SkinIni& ini);
    // Replaces the record's section by its keys, in reading order.
    virtual void SaveToIni(SkinIni& ini) const;

    std::string SkinSectionName;

    int32_t PictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    int32_t CursorIndex = -1;
    Rect SkinRect;

  protected:
    virtual void VisitKeys(SkinKeyVisitor& v);
};

// A control drawn as a nine-area picture.
class TspDataSkinCustomControl : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    Point LeftTopPoint;
    Point RightTopPoint;
    Point LeftBottomPoint;
    Point RightBottomPoint;
    Rect ClientRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

// A control drawn from a strip of FramesCount equal frames; a count below 1 reads as 1.
class TspDataSkinFrameControl : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;
    void LoadFromIni(const SkinIni& ini) override;

    int32_t FramesCount = 1;
    FramePlacement FramesPlacement = FramePlacement::fpHorizontal;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinButtonControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    SkinColor DisabledFontColor = 0;
    SkinColor DownFontColor = 0;
    bool Morphing = false;
    skin::MorphKind MorphKind = skin::MorphKind::mkDefault;
    Rect ActiveSkinRect;
    Rect DownSkinRect;
    Rect DisabledSkinRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinMenuButtonControl : public TspDataSkinButtonControl {
  public:
    using TspDataSkinButtonControl::TspDataSkinButtonControl;

    Rect TrackButtonRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinCheckRadioControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    SkinColor UnEnabledFontColor = 0;
    SkinColor FrameFontColor = 0;
    bool Morphing = false;
    skin::MorphKind MorphKind = skin::MorphKind::mkDefault;
    Rect ActiveSkinRect;
    Rect CheckImageArea;
    Rect TextArea;
    Rect CheckImageRect;
    Rect UnCheckImageRect;
    Rect ActiveCheckImageRect;
    Rect ActiveUnCheckImageRect;
    Rect UnEnabledCheckImageRect;
    Rect UnEnabledUnCheckImageRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinPanelControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    int32_t BGPictureIndex = -1;
    Rect CaptionRect;
    TextAlignment Alignment = TextAlignment::taCenter;
    SkinFont Font;
    SkinColor FontColor = 0;
    Rect CheckImageRect;
    Rect UnCheckImageRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinExPanelControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect RollHSkinRect;
    Rect RollVSkinRect;
    int32_t RollLeftOffset = 0;
    int32_t RollRightOffset = 0;
    int32_t RollTopOffset = 0;
    int32_t RollBottomOffset = 0;
    Rect RollVCaptionRect;
    Rect RollHCaptionRect;
    Rect CloseButtonRect;
    Rect CloseButtonActiveRect;
    Rect CloseButtonDownRect;
    Rect HRollButtonRect;
    Rect HRollButtonActiveRect;
    Rect HRollButtonDownRect;
    Rect HRestoreButtonRect;
    Rect HRestoreButtonActiveRect;
    Rect HRestoreButtonDownRect;
    Rect VRollButtonRect;
    Rect VRollButtonActiveRect;
    Rect VRollButtonDownRect;
    Rect VRestoreButtonRect;
    Rect VRestoreButtonActiveRect;
    Rect VRestoreButtonDownRect;
    Rect CaptionRect;
    SkinFont Font;
    SkinColor FontColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinLabelControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    SkinFont Font;
    SkinColor FontColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinStdLabelControl : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0xFF0000;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinBitLabelControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect SkinTextRect;
    int32_t SymbolWidth = 0;
    int32_t SymbolHeight = 0;
    std::vector<std::string> Symbols;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinTabControl : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    Rect TabRect;
    Rect ActiveTabRect;
    Rect FocusTabRect;
    Rect MouseInTabRect;
    Rect ClientRect;
    int32_t BGPictureIndex = -1;
    Point LeftTopPoint;
    Point RightTopPoint;
    Point LeftBottomPoint;
    Point RightBottomPoint;
    int32_t TabLeftOffset = 0;
    int32_t TabRightOffset = 0;
    Rect TabsBGRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    SkinColor FocusFontColor = 0;
    SkinColor MouseInFontColor = 0;
    std::string UpDown;  // the [SKINCONTROLS] section of the scroll arrows

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinEditControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect ActiveSkinRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor DisabledFontColor = 0;
    SkinColor ActiveFontColor = 0;
    Rect ButtonRect;
    Rect ActiveButtonRect;
    Rect DownButtonRect;
    Rect UnEnabledButtonRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinMemoControl : public TspDataSkinEditControl {
  public:
    using TspDataSkinEditControl::TspDataSkinEditControl;

    SkinColor BGColor = 0;
    SkinColor ActiveBGColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinListBox : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect ItemRect;
    Rect ActiveItemRect;
    Rect FocusItemRect;
    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect ItemTextRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    SkinColor FocusFontColor = 0;
    Rect CaptionRect;
    SkinFont CaptionFont;
    SkinColor CaptionFontColor = 0;
    Rect UpButtonRect;
    Rect ActiveUpButtonRect;
    Rect DownUpButtonRect;
    Rect DownButtonRect;
    Rect ActiveDownButtonRect;
    Rect DownDownButtonRect;
    Rect CheckButtonRect;
    Rect ActiveCheckButtonRect;
    Rect DownCheckButtonRect;
    // The [SKINCONTROLS] sections of the scroll bars.
    std::string VScrollBarName{"vscrollbar"};
    std::string HScrollBarName{"hscrollbar"};
    std::string BothHScrollBarName{"bothhscrollbar"};

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinCheckListBox : public TspDataSkinListBox {
  public:
    using TspDataSkinListBox::TspDataSkinListBox;

    Rect CheckImageRect;
    Rect ItemCheckRect;
    Rect UnCheckImageRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinComboBox : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect ItemRect;
    Rect FocusItemRect;
    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect ItemTextRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor FocusFontColor = 0;
    std::string ListBoxName;  // the [SKINCONTROLS] section of the drop-down list
    Rect ButtonRect;
    Rect ActiveButtonRect;
    Rect DownButtonRect;
    Rect UnEnabledButtonRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinScrollBarControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect TrackArea;
    Rect UpButtonRect;
    Rect ActiveUpButtonRect;
    Rect DownUpButtonRect;
    Rect DownButtonRect;
    Rect ActiveDownButtonRect;
    Rect DownDownButtonRect;
    Rect ThumbRect;
    Rect ActiveThumbRect;
    Rect DownThumbRect;
    int32_t ThumbOffset1 = 0;
    int32_t ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    SkinColor ThumbTransparentColor = 0;
    Rect GlyphRect;
    Rect ActiveGlyphRect;
    Rect DownGlyphRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinSpinEditControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect ActiveSkinRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    SkinColor DisabledFontColor = 0;
    Rect UpButtonRect;
    Rect ActiveUpButtonRect;
    Rect DownUpButtonRect;
    Rect DownButtonRect;
    Rect ActiveDownButtonRect;
    Rect DownDownButtonRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

// Its picture is only the arrow buttons: after reading, the corner points are 0,0 and the
// client rectangle empty, whatever the section says.
class TspDataSkinUpDownControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;
    void LoadFromIni(const SkinIni& ini) override;

    Rect UpButtonRect;
    Rect ActiveUpButtonRect;
    Rect DownUpButtonRect;
    Rect DownButtonRect;
    Rect ActiveDownButtonRect;
    Rect DownDownButtonRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinGaugeControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect ProgressArea;
    Rect ProgressRect;
    int32_t BeginOffset = 0;
    int32_t EndOffset = 0;
    bool Vertical = false;
    SkinFont Font;
    SkinColor FontColor = 0;
    bool ProgressTransparent = false;
    SkinColor ProgressTransparentColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinTrackBarControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect TrackArea;
    Rect ButtonRect;
    Rect ActiveButtonRect;
    bool Vertical = false;
    bool ButtonTransparent = false;
    SkinColor ButtonTransparentColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinSplitterControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;
};

class TspDataSkinScrollBoxControl : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    int32_t BGPictureIndex = -1;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinControlBar : public TspDataSkinCustomControl {
  public:
    using TspDataSkinCustomControl::TspDataSkinCustomControl;

    Rect ItemRect;
    int32_t BGPictureIndex = -1;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinMainMenuBar : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    Rect ItemsRect;
    // [SKINOBJECTS] sections of the bar's item and buttons.
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MinButton;
    std::string MaxButton;
    std::string SysMenuButton;
    SkinColor TrackMarkColor = 0;
    SkinColor TrackMarkActiveColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinGridControl : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    Rect FixedCellRect;
    Rect SelectCellRect;
    Rect FocusCellRect;
    int32_t FixedCellLeftOffset = 0;
    int32_t FixedCellRightOffset = 0;
    Rect FixedCellTextRect;
    int32_t CellLeftOffset = 0;
    int32_t CellRightOffset = 0;
    Rect CellTextRect;
    SkinColor LinesColor = 0;
    SkinColor BGColor = 0;
    int32_t BGPictureIndex = -1;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor SelectFontColor = 0;
    SkinColor FocusFontColor = 0;
    SkinFont FixedFont;
    SkinColor FixedFontColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

// The common record of the tree view, the list view and the rich edit, which differ only in
// the control that asks for them.
class TspDataSkinTextViewControl : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor BGColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinTreeView : public TspDataSkinTextViewControl {
  public:
    using TspDataSkinTextViewControl::TspDataSkinTextViewControl;
};

class TspDataSkinListView : public TspDataSkinTextViewControl {
  public:
    using TspDataSkinTextViewControl::TspDataSkinTextViewControl;
};

class TspDataSkinRichEdit : public TspDataSkinTextViewControl {
  public:
    using TspDataSkinTextViewControl::TspDataSkinTextViewControl;
};

class TspDataSkinSlider : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    SkinColor BGColor = 0;
    Rect HRulerRect;
    Rect HThumbRect;
    Rect VRulerRect;
    Rect VThumbRect;
    int32_t EdgeSize = 0;
    SkinColor PointsColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinBevel : public TspDataSkinControl {
  public:
    using TspDataSkinControl::TspDataSkinControl;

    SkinColor LightColor = 0;
    SkinColor DarkColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
  public:
    using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
  public:
    using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
  public:
    using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameRegulator : public TspDataSkinFrameControl {
  public:
    using TspDataSkinFrameControl::TspDataSkinFrameControl;

    RegulatorKind Kind = RegulatorKind::rkRound;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

// The record for a type word (exact case) read from section sectionName; null for a word
// that names no control.
std::unique_ptr<TspDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string sectionName);

}  // namespace vemora::skin
