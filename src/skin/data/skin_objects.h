// The frame-object records: one per [SKINOBJECTS] entry, its class chosen by the entry's type word.
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

class TspDataSkinObject {
  public:
    explicit TspDataSkinObject(std::string sectionName) : SkinSectionName(std::move(sectionName)) {}
    virtual ~TspDataSkinObject() = default;

    // Reads the record's own section, parent keys first.
    virtual void LoadFromIni(const SkinIni& ini);
    // Replaces the record's section by its keys, in reading order.
    virtual void SaveToIni(SkinIni& ini) const;

    std::string SkinSectionName;

    std::string Hint;
    bool RollUp = false;
    int32_t ActivePictureIndex = -1;
    // SkinRect lies in active picture ActivePictureIndex, else in the main frame picture.
    bool SkinRectInAPicture = false;
    int32_t CursorIndex = -1;
    Rect SkinRect;
    Rect ActiveSkinRect;
    Rect InActiveSkinRect;
    bool Morphing = false;
    skin::MorphKind MorphKind = skin::MorphKind::mkDefault;

  protected:
    virtual void VisitKeys(SkinKeyVisitor& v);
    // False for objects that never morph: they read "morphing" as false whatever it says.
    virtual bool CanMorph() const { return true; }
};

// Reads only "rollup", "skinrect" and "cursorindex"; the other common fields keep their defaults.
class TspDataUserObject : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinMenuItem : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect DividerRect;
    int32_t DividerLeftOffset = 0;
    int32_t DividerRightOffset = 0;
    Rect TextRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    SkinColor UnEnabledFontColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinMainMenuItem : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect DownRect;
    Rect TextRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    SkinColor DownFontColor = 0;
    SkinColor UnEnabledFontColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
  public:
    using TspDataSkinMainMenuItem::TspDataSkinMainMenuItem;
};

class TspDataSkinButton : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    Rect DownRect;
    Rect DisableSkinRect;  // key "disableskinrsect"
    int32_t GroupIndex = -1;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinStdButton : public TspDataSkinButton {
  public:
    using TspDataSkinButton::TspDataSkinButton;

    SkinCommand Command = SkinCommand::cmDefault;
    Rect RestoreRect;
    Rect RestoreActiveRect;
    Rect RestoreDownRect;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
  public:
    using TspDataSkinStdButton::TspDataSkinStdButton;
};

class TspDataSkinCaption : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    bool DefaultCaption = false;
    Rect TextRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    TextAlignment Alignment = TextAlignment::taCenter;
    bool Shadow = false;
    SkinColor ShadowColor = 0;
    SkinColor ActiveShadowColor = 0;
    Rect FrameRect;
    Rect ActiveFrameRect;
    Rect FrameTextRect;
    int32_t FrameLeftOffset = 0;
    int32_t FrameRightOffset = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinTrackBar : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    Rect ButtonRect;
    Rect ActiveButtonRect;
    Point BeginPoint;
    Point EndPoint;
    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    bool MouseDownChangeValue = false;
    bool ButtonTransparent = false;
    SkinColor ButtonTransparentColor = 0;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    bool CanMorph() const override { return false; }
};

class TspDataSkinGauge : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    GaugeKind Kind = GaugeKind::gkHorizontal;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinFrameGaugeObject : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    int32_t CountFrames = 0;
    FramePlacement FramesPlacement = FramePlacement::fpHorizontal;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinFrameRegulatorObject : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    int32_t CountFrames = 0;
    FramePlacement FramesPlacement = FramePlacement::fpHorizontal;
    RegulatorKind Kind = RegulatorKind::rkRound;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinLabel : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    SkinFont Font;
    SkinColor FontColor = 0;
    SkinColor ActiveFontColor = 0;
    TextAlignment Alignment = TextAlignment::taCenter;
    std::string TextValue;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
};

class TspDataSkinBitLabel : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    std::string TextValue;
    int32_t SymbolWidth = 0;
    int32_t SymbolHeight = 0;
    std::vector<std::string> Symbols;
    bool Transparent = false;
    SkinColor TransparentColor = 0xFF00FF;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    bool CanMorph() const override { return false; }
};

class TspDataSkinSwitch : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;
};

class TspDataSkinAnimate : public TspDataSkinObject {
  public:
    using TspDataSkinObject::TspDataSkinObject;

    int32_t CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    int32_t TimerInterval = 50;
    SkinCommand Command = SkinCommand::cmDefault;

  protected:
    void VisitKeys(SkinKeyVisitor& v) override;
    bool CanMorph() const override { return false; }
};

// The record for a type word (exact case) read from section sectionName; null for a word
// that names no frame object.
std::unique_ptr<TspDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string sectionName);

}  // namespace vemora::skin
