#include "skin/data/skin_controls.h"

#include <utility>

namespace vemora::skin {

namespace {

// The six arrow-button images of list boxes, spin edits, up-downs and scroll bars.
void VisitArrowButtons(SkinKeyVisitor& v, Rect& up, Rect& activeUp, Rect& downUp, Rect& down,
                       Rect& activeDown, Rect& downDown) {
    v.SkinRect("upbuttonrect", up);
    v.SkinRect("activeupbuttonrect", activeUp);
    v.SkinRect("downupbuttonrect", downUp);
    v.SkinRect("downbuttonrect", down);
    v.SkinRect("activedownbuttonrect", activeDown);
    v.SkinRect("downdownbuttonrect", downDown);
}

}  // namespace

void TspDataSkinControl::LoadFromIni(const SkinIni& ini) {
    SkinKeyReader reader(ini, SkinSectionName);
    VisitKeys(reader);
}

void TspDataSkinControl::SaveToIni(SkinIni& ini) const {
    WriteSkinSection(ini, SkinSectionName, *this, &TspDataSkinControl::VisitKeys);
}

void TspDataSkinControl::VisitKeys(SkinKeyVisitor& v) {
    v.PictureIndex("pictureindex", PictureIndex);
    v.PictureIndex("maskpictureindex", MaskPictureIndex);
    v.CursorIndex("cursorindex", CursorIndex);
    v.SkinRect("skinrect", SkinRect);
}

void TspDataSkinCustomControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.Corners(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    v.SkinRect("clientrect", ClientRect);
}

void TspDataSkinFrameControl::LoadFromIni(const SkinIni& ini) {
    TspDataSkinControl::LoadFromIni(ini);
    if (FramesCount < 1) FramesCount = 1;
}

void TspDataSkinFrameControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.Integer("framescount", FramesCount, 1);
    v.Enum("framesplacement", FramesPlacement);
}

void TspDataSkinButtonControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Color("disabledfontcolor", DisabledFontColor);
    v.Color("downfontcolor", DownFontColor);
    v.Bool("morphing", Morphing);
    v.Enum("morphkind", MorphKind);
    v.SkinRect("activeskinrect", ActiveSkinRect);
    v.SkinRect("downskinrect", DownSkinRect);
    v.SkinRect("disabledskinrect", DisabledSkinRect);
}

void TspDataSkinMenuButtonControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinButtonControl::VisitKeys(v);
    v.SkinRect("trackbuttonrect", TrackButtonRect);
}

void TspDataSkinCheckRadioControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Color("unenabledfontcolor", UnEnabledFontColor);
    v.Color("framefontcolor", FrameFontColor);
    v.Bool("morphing", Morphing);
    v.Enum("morphkind", MorphKind);
    v.SkinRect("activeskinrect", ActiveSkinRect);
    v.SkinRect("checkimagearea", CheckImageArea);
    v.SkinRect("textarea", TextArea);
    v.SkinRect("checkimagerect", CheckImageRect);
    v.SkinRect("uncheckimagerect", UnCheckImageRect);
    v.SkinRect("activecheckimagerect", ActiveCheckImageRect);
    v.SkinRect("activeuncheckimagerect", ActiveUnCheckImageRect);
    v.SkinRect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    v.SkinRect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
}

void TspDataSkinPanelControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.PictureIndex("bgpictureindex", BGPictureIndex);
    v.SkinRect("captionrect", CaptionRect);
    v.Enum("alignment", Alignment);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.SkinRect("checkimagerect", CheckImageRect);
    v.SkinRect("uncheckimagerect", UnCheckImageRect);
}

void TspDataSkinExPanelControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("rollhskinrect", RollHSkinRect);
    v.SkinRect("rollvskinrect", RollVSkinRect);
    v.Integer("rollleftoffset", RollLeftOffset);
    v.Integer("rollrightoffset", RollRightOffset);
    v.Integer("rolltopoffset", RollTopOffset);
    v.Integer("rollbottomoffset", RollBottomOffset);
    v.SkinRect("rollvcaptionrect", RollVCaptionRect);
    v.SkinRect("rollhcaptionrect", RollHCaptionRect);
    v.SkinRect("closebuttonrect", CloseButtonRect);
    v.SkinRect("closebuttonactiverect", CloseButtonActiveRect);
    v.SkinRect("closebuttondownrect", CloseButtonDownRect);
    v.SkinRect("hrollbuttonrect", HRollButtonRect);
    v.SkinRect("hrollbuttonactiverect", HRollButtonActiveRect);
    v.SkinRect("hrollbuttondownrect", HRollButtonDownRect);
    v.SkinRect("hrestorebuttonrect", HRestoreButtonRect);
    v.SkinRect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    v.SkinRect("hrestorebuttondownrect", HRestoreButtonDownRect);
    v.SkinRect("vrollbuttonrect", VRollButtonRect);
    v.SkinRect("vrollbuttonactiverect", VRollButtonActiveRect);
    v.SkinRect("vrollbuttondownrect", VRollButtonDownRect);
    v.SkinRect("vrestorebuttonrect", VRestoreButtonRect);
    v.SkinRect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    v.SkinRect("vrestorebuttondownrect", VRestoreButtonDownRect);
    v.SkinRect("captionrect", CaptionRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
}

void TspDataSkinLabelControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
}

void TspDataSkinStdLabelControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor, 0xFF0000);
}

void TspDataSkinBitLabelControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("skintextrect", SkinTextRect);
    v.Integer("symbolwidth", SymbolWidth);
    v.Integer("symbolheight", SymbolHeight);
    v.LineList("symbols", Symbols);
}

void TspDataSkinTabControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.SkinRect("tabrect", TabRect);
    v.SkinRect("activetabrect", ActiveTabRect);
    v.SkinRect("focustabrect", FocusTabRect);
    v.SkinRect("mouseintabrect", MouseInTabRect);
    v.SkinRect("clientrect", ClientRect);
    v.PictureIndex("bgpictureindex", BGPictureIndex);
    v.Corners(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    v.Integer("tableftoffset", TabLeftOffset);
    v.Integer("tabrightoffset", TabRightOffset);
    v.SkinRect("tabsbgrect", TabsBGRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Color("focusfontcolor", FocusFontColor);
    v.Color("mouseinfontcolor", MouseInFontColor);
    v.Text("updown", UpDown);
}

void TspDataSkinEditControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("activeskinrect", ActiveSkinRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("disabledfontcolor", DisabledFontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.SkinRect("buttonrect", ButtonRect);
    v.SkinRect("activebuttonrect", ActiveButtonRect);
    v.SkinRect("downbuttonrect", DownButtonRect);
    v.SkinRect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TspDataSkinMemoControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinEditControl::VisitKeys(v);
    v.Color("bgcolor", BGColor);
    v.Color("activebgcolor", ActiveBGColor);
}

void TspDataSkinListBox::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("itemrect", ItemRect);
    v.SkinRect("activeitemrect", ActiveItemRect);
    v.SkinRect("focusitemrect", FocusItemRect);
    v.Integer("itemleftoffset", ItemLeftOffset);
    v.Integer("itemrightoffset", ItemRightOffset);
    v.SkinRect("itemtextrect", ItemTextRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Color("focusfontcolor", FocusFontColor);
    v.SkinRect("captionrect", CaptionRect);
    v.Font("caption", CaptionFont);
    v.Color("captionfontcolor", CaptionFontColor);
    VisitArrowButtons(v, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                      ActiveDownButtonRect, DownDownButtonRect);
    v.SkinRect("checkbuttonrect", CheckButtonRect);
    v.SkinRect("activecheckbuttonrect", ActiveCheckButtonRect);
    v.SkinRect("downcheckbuttonrect", DownCheckButtonRect);
    v.Text("vscrollbarname", VScrollBarName, "vscrollbar");
    v.Text("hscrollbarname", HScrollBarName, "hscrollbar");
    v.Text("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
}

void TspDataSkinCheckListBox::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinListBox::VisitKeys(v);
    v.SkinRect("checkimagerect", CheckImageRect);
    v.SkinRect("itemcheckrect", ItemCheckRect);
    v.SkinRect("uncheckimagerect", UnCheckImageRect);
}

void TspDataSkinComboBox::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("itemrect", ItemRect);
    v.SkinRect("focusitemrect", FocusItemRect);
    v.Integer("itemleftoffset", ItemLeftOffset);
    v.Integer("itemrightoffset", ItemRightOffset);
    v.SkinRect("itemtextrect", ItemTextRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("focusfontcolor", FocusFontColor);
    v.Text("listboxname", ListBoxName);
    v.SkinRect("buttonrect", ButtonRect);
    v.SkinRect("activebuttonrect", ActiveButtonRect);
    v.SkinRect("downbuttonrect", DownButtonRect);
    v.SkinRect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TspDataSkinScrollBarControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("trackarea", TrackArea);
    VisitArrowButtons(v, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                      ActiveDownButtonRect, DownDownButtonRect);
    v.SkinRect("thumbrect", ThumbRect);
    v.SkinRect("activethumbrect", ActiveThumbRect);
    v.SkinRect("downthumbrect", DownThumbRect);
    v.Integer("thumboffset1", ThumbOffset1);
    v.Integer("thumboffset2", ThumbOffset2);
    v.Bool("thumbtransparent", ThumbTransparent);
    v.Color("thumbtransparentcolor", ThumbTransparentColor);
    v.SkinRect("glyphrect", GlyphRect);
    v.SkinRect("activeglyphrect", ActiveGlyphRect);
    v.SkinRect("downglyphrect", DownGlyphRect);
}

void TspDataSkinSpinEditControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("activeskinrect", ActiveSkinRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("activefontcolor", ActiveFontColor);
    v.Color("disabledfontcolor", DisabledFontColor);
    VisitArrowButtons(v, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                      ActiveDownButtonRect, DownDownButtonRect);
}

void TspDataSkinUpDownControl::LoadFromIni(const SkinIni& ini) {
    TspDataSkinCustomControl::LoadFromIni(ini);
    LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = Point{};
    ClientRect = Rect{};
}

void TspDataSkinUpDownControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    VisitArrowButtons(v, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                      ActiveDownButtonRect, DownDownButtonRect);
}

void TspDataSkinGaugeControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("progressarea", ProgressArea);
    v.SkinRect("progressrect", ProgressRect);
    v.Integer("beginoffset", BeginOffset);
    v.Integer("endoffset", EndOffset);
    v.Bool("vertical", Vertical);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Bool("progresstransparent", ProgressTransparent);
    v.Color("progresstransparentcolor", ProgressTransparentColor);
}

void TspDataSkinTrackBarControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("trackarea", TrackArea);
    v.SkinRect("buttonrect", ButtonRect);
    v.SkinRect("activebuttonrect", ActiveButtonRect);
    v.Bool("vertical", Vertical);
    v.Bool("buttontransparent", ButtonTransparent);
    v.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TspDataSkinScrollBoxControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.PictureIndex("bgpictureindex", BGPictureIndex);
}

void TspDataSkinControlBar::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinCustomControl::VisitKeys(v);
    v.SkinRect("itemrect", ItemRect);
    v.PictureIndex("bgpictureindex", BGPictureIndex);
}

void TspDataSkinMainMenuBar::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.SkinRect("itemsrect", ItemsRect);
    v.Text("menubaritem", MenuBarItem);
    v.Text("closebutton", CloseButton);
    v.Text("minbutton", MinButton);
    v.Text("maxbutton", MaxButton);
    v.Text("sysmenubutton", SysMenuButton);
    v.Color("trackmarkcolor", TrackMarkColor);
    v.Color("trackmarkactivecolor", TrackMarkActiveColor);
}

void TspDataSkinGridControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.SkinRect("fixedcellrect", FixedCellRect);
    v.SkinRect("selectcellrect", SelectCellRect);
    v.SkinRect("focuscellrect", FocusCellRect);
    v.Integer("fixedcellleftoffset", FixedCellLeftOffset);
    v.Integer("fixedcellrightoffset", FixedCellRightOffset);
    v.SkinRect("fixedcelltextrect", FixedCellTextRect);
    v.Integer("cellleftoffset", CellLeftOffset);
    v.Integer("cellrightoffset", CellRightOffset);
    v.SkinRect("celltextrect", CellTextRect);
    v.Color("linescolor", LinesColor);
    v.Color("bgcolor", BGColor);
    v.PictureIndex("bgpictureindex", BGPictureIndex);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("selectfontcolor", SelectFontColor);
    v.Color("focusfontcolor", FocusFontColor);
    v.Font("fixed", FixedFont);
    v.Color("fixedfontcolor", FixedFontColor);
}

void TspDataSkinTextViewControl::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    v.Color("bgcolor", BGColor);
}

void TspDataSkinSlider::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.Color("bgcolor", BGColor);
    v.SkinRect("hrulerrect", HRulerRect);
    v.SkinRect("hthumbrect", HThumbRect);
    v.SkinRect("vrulerrect", VRulerRect);
    v.SkinRect("vthumbrect", VThumbRect);
    v.Integer("edgesize", EdgeSize);
    v.Color("pointscolor", PointsColor);
}

void TspDataSkinBevel::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinControl::VisitKeys(v);
    v.Color("lightcolor", LightColor);
    v.Color("darkcolor", DarkColor);
}

void TspDataSkinFrameRegulator::VisitKeys(SkinKeyVisitor& v) {
    TspDataSkinFrameControl::VisitKeys(v);
    v.Enum("kind", Kind);
}

namespace {

template <class Record>
constexpr auto Make = MakeSkinRecord<TspDataSkinControl, Record>;

constexpr SkinRecordType<TspDataSkinControl> kControlTypes[] = {
    {"button", Make<TspDataSkinButtonControl>},
    {"menubutton", Make<TspDataSkinMenuButtonControl>},
    {"checkradio", Make<TspDataSkinCheckRadioControl>},
    {"panel", Make<TspDataSkinPanelControl>},
    {"expanel", Make<TspDataSkinExPanelControl>},
    {"label", Make<TspDataSkinLabelControl>},
    {"stdlabel", Make<TspDataSkinStdLabelControl>},
    {"bitlabel", Make<TspDataSkinBitLabelControl>},
    {"tab", Make<TspDataSkinTabControl>},
    {"edit", Make<TspDataSkinEditControl>},
    {"memo", Make<TspDataSkinMemoControl>},
    {"listbox", Make<TspDataSkinListBox>},
    {"checklistbox", Make<TspDataSkinCheckListBox>},
    {"combobox", Make<TspDataSkinComboBox>},
    {"scrollbar", Make<TspDataSkinScrollBarControl>},
    {"spinedit", Make<TspDataSkinSpinEditControl>},
    {"updown", Make<TspDataSkinUpDownControl>},
    {"gauge", Make<TspDataSkinGaugeControl>},
    {"trackbar", Make<TspDataSkinTrackBarControl>},
    {"splitter", Make<TspDataSkinSplitterControl>},
    {"scrollbox", Make<TspDataSkinScrollBoxControl>},
    {"controlbar", Make<TspDataSkinControlBar>},
    {"mainmenubar", Make<TspDataSkinMainMenuBar>},
    {"grid", Make<TspDataSkinGridControl>},
    {"treeview", Make<TspDataSkinTreeView>},
    {"listview", Make<TspDataSkinListView>},
    {"richedit", Make<TspDataSkinRichEdit>},
    {"slider", Make<TspDataSkinSlider>},
    {"bevel", Make<TspDataSkinBevel>},
    {"framegauge", Make<TspDataSkinFrameGauge>},
    {"animate", Make<TspDataSkinAnimateControl>},
    {"switch", Make<TspDataSkinSwitchControl>},
    {"frameregulator", Make<TspDataSkinFrameRegulator>},
};

}  // namespace

std::unique_ptr<TspDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string sectionName) {
    return CreateSkinRecord<TspDataSkinControl>(kControlTypes, typeWord, std::move(sectionName));
}

}  // namespace vemora::skin
