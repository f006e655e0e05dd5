#include "skin/data/skin_objects.h"

#include <utility>

namespace vemora::skin {

void TspDataSkinObject::LoadFromIni(const SkinIni& ini) {
    SkinKeyReader reader(ini, SkinSectionName);
    VisitKeys(reader);
    if (!CanMorph()) Morphing = false;
}

void TspDataSkinObject::SaveToIni(SkinIni& ini) const {
    WriteSkinSection(ini, SkinSectionName, *this, &TspDataSkinObject::VisitKeys);
}

void TspDataSkinObject::VisitKeys(SkinKeyVisitor& v) {
    v.Text("hint", Hint);
    v.Bool("rollup", RollUp);
    v.PictureIndex("activepictureindex", ActivePictureIndex);
    v.Bool("skinrectinapicture", SkinRectInAPicture);
    v.CursorIndex("cursorindex", CursorIndex);
    v.SkinRect("skinrect", SkinRect);
    v.SkinRect("activeskinrect", ActiveSkinRect);
    v.SkinRect("inactiveskinrect", InActiveSkinRect);
    v.Bool("morphing", Morphing);
    v.Enum("morphkind", MorphKind);
}

void TspDataUserObject::VisitKeys(SkinKeyVisitor& v) {
    v.Bool("rollup", RollUp);
    v.SkinRect("skinrect", SkinRect);
    v.CursorIndex("cursorindex", CursorIndex);
}

void TspDataSkinMenuItem::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Integer("itemleftoffset", ItemLeftOffset);
    v.Integer("itemrightoffset", ItemRightOffset);
    v.SkinRect("dividerrect", DividerRect);
    v.Integer("dividerleftoffset", DividerLeftOffset);
    v.Integer("dividerrightoffset", DividerRightOffset);
    v.SkinRect("textrect", TextRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Color("unenabledfontcolor", UnEnabledFontColor);
}

void TspDataSkinMainMenuItem::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Integer("itemleftoffset", ItemLeftOffset);
    v.Integer("itemrightoffset", ItemRightOffset);
    v.SkinRect("downrect", DownRect);
    v.SkinRect("textrect", TextRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Color("downfontcolor", DownFontColor);
    v.Color("unenabledfontColor", UnEnabledFontColor);
}

void TspDataSkinButton::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.SkinRect("downrect", DownRect);
    v.SkinRect("disableskinrsect", DisableSkinRect);
    v.Integer("groupindex", GroupIndex, -1);
}

void TspDataSkinStdButton::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinButton::VisitKeys(v);
    v.Enum("command", Command);
    v.SkinRect("restorerect", RestoreRect);
    v.SkinRect("restoreactiverect", RestoreActiveRect);
    v.SkinRect("restoredownrect", RestoreDownRect);
}

void TspDataSkinCaption::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Bool("defaultcaption", DefaultCaption);
    v.SkinRect("textrect", TextRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Enum("alignment", Alignment);
    v.Bool("shadow", Shadow);
    v.Color("shadowcolor", ShadowColor);
    v.Color("activeshadowcolor", ActiveShadowColor);
    v.SkinRect("framerect", FrameRect);
    v.SkinRect("activeframerect", ActiveFrameRect);
    v.SkinRect("frametextrect", FrameTextRect);
    v.Integer("frameleftoffset", FrameLeftOffset);
    v.Integer("framerightoffset", FrameRightOffset);
}

void TspDataSkinTrackBar::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.SkinRect("buttonrect", ButtonRect);
    v.SkinRect("activebuttonrect", ActiveButtonRect);
    v.SkinPoint("beginpoint", BeginPoint);
    v.SkinPoint("endpoint", EndPoint);
    v.Integer("minvalue", MinValue);
    v.Integer("maxvalue", MaxValue);
    v.Bool("mousedownchangevalue", MouseDownChangeValue);
    v.Bool("buttontransparent", ButtonTransparent);
    v.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TspDataSkinGauge::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Integer("minvalue", MinValue);
    v.Integer("maxvalue", MaxValue);
    v.Enum("kind", Kind);
}

void TspDataSkinFrameGaugeObject::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Integer("minvalue", MinValue);
    v.Integer("maxvalue", MaxValue);
    v.Integer("countframes", CountFrames);
    v.Enum("framesplacement", FramesPlacement);
}

void TspDataSkinFrameRegulatorObject::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Integer("minvalue", MinValue);
    v.Integer("maxvalue", MaxValue);
    v.Integer("countframes", CountFrames);
    v.Enum("framesplacement", FramesPlacement);
    v.Enum("kind", Kind);
}

void TspDataSkinLabel::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    // The label's name key is written "fontName"; reading matches it in any case all the same.
    v.Text("fontName", Font.Name, kDefaultSkinFontName);
    v.Integer("fontheight", Font.Height, kDefaultSkinFontHeight);
    v.Styles("fontstyle", Font.Style);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Enum("alignment", Alignment);
    v.Text("textvalue", TextValue);
}

void TspDataSkinBitLabel::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Text("textvalue", TextValue);
    v.Integer("symbolwidth", SymbolWidth);
    v.Integer("symbolheight", SymbolHeight);
    v.LineList("symbols", Symbols);
    v.Bool("transparent", Transparent);
    v.Color("transparentcolor", TransparentColor, 0xFF00FF);
}

void TspDataSkinAnimate::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinObject::VisitKeys(v);
    v.Integer("countframes", CountFrames, 1);
    v.Bool("cycle", Cycle);
    v.Bool("buttonstyle", ButtonStyle);
    v.Integer("timerinterval", TimerInterval, 50);
    v.Enum("command", Command);
}

namespace {

template <class Record>
constexpr auto Make = MakeSkinRecord<TspDataSkinObject, Record>;

constexpr SkinRecordType<TspDataSkinObject> kObjectTypes[] = {
    {"menuitem", Make<TspDataSkinMenuItem>},
    {"mainmenuitem", Make<TspDataSkinMainMenuItem>},
    {"mainmenubaritem", Make<TspDataSkinMainMenuBarItem>},
    {"button", Make<TspDataSkinButton>},
    {"stdbutton", Make<TspDataSkinStdButton>},
    {"mainmenubarbutton", Make<TspDataSkinMainMenuBarButton>},
    {"caption", Make<TspDataSkinCaption>},
    {"trackbar", Make<TspDataSkinTrackBar>},
    {"gauge", Make<TspDataSkinGauge>},
    {"framegauge", Make<TspDataSkinFrameGaugeObject>},
    {"frameregulator", Make<TspDataSkinFrameRegulatorObject>},
    {"label", Make<TspDataSkinLabel>},
    {"bitlabel", Make<TspDataSkinBitLabel>},
    {"switch", Make<TspDataSkinSwitch>},
    {"animate", Make<TspDataSkinAnimate>},
    {"userobject", Make<TspDataUserObject>},
};

}  // namespace

std::unique_ptr<TspDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string sectionName) {
    return CreateSkinRecord<TspDataSkinObject>(kObjectTypes, typeWord, std::move(sectionName));
}

}  // namespace vemora::skin
