#include "skin/data/frame_info.h"

#include <algorithm>

namespace vemora::skin {

namespace {

void VisitStretchFlags(SkinKeyVisitor& v, bool& left, bool& right, bool& top, bool& bottom) {
    v.Bool("leftstretch", left);
    v.Bool("rightstretch", right);
    v.Bool("topstretch", top);
    v.Bool("bottomstretch", bottom);
}

}  // namespace

void SkinFormInfo::LoadFromIni(const SkinIni& ini, bool hasMask) {
    SkinKeyReader reader(ini, kSection);
    VisitKeys(reader);
    if (hasMask) AdjustToMask();
    ClampCorners();
}

void SkinFormInfo::SaveToIni(SkinIni& ini) const {
    WriteSkinSection(ini, kSection, *this, &SkinFormInfo::VisitKeys);
}

void SkinFormInfo::VisitKeys(SkinKeyVisitor& v) {
    v.Corners(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    v.SkinRect("clientrect", ClientRect);
    v.PictureIndex("bgpictureindex", BGPictureIndex);
    v.PictureIndex("mdibgpictureindex", MDIBGPictureIndex);
    VisitStretchFlags(v, LeftStretch, RightStretch, TopStretch, BottomStretch);
    v.SkinRect("buttonsrect", ButtonsRect);
    v.SkinRect("captionrect", CaptionRect);
    v.Integer("buttonsoffset", ButtonsOffset);
    v.Bool("buttonsinleft", ButtonsInLeft);
    v.SkinRect("maskrectarea", MaskRectArea);
    v.SkinPoint("hittestlefttoppoint", HitTestLeftTopPoint);
    v.SkinPoint("hittestrighttoppoint", HitTestRightTopPoint);
    v.SkinPoint("hittestleftbottompoint", HitTestLeftBottomPoint);
    v.SkinPoint("hittestrightbottompoint", HitTestRightBottomPoint);
    v.SkinPoint("rollupleftpoint", RollUpLeftPoint);
    v.SkinPoint("rolluprightpoint", RollUpRightPoint);
    v.SkinRect("mainmenurect", MainMenuRect);
    v.SkinRect("iconrect", IconRect);
    v.Bool("mainmenupopupup", MainMenuPopupUp);
    v.Integer("borderwidth", BorderWidth);
    v.CursorIndex("cursorindex", CursorIndex);
    v.Bool("autorenderinginactiveimage", AutoRenderingInActiveImage);
    v.Enum("inactiveeffect", InActiveEffect);
}

void SkinFormInfo::AdjustToMask() {
    if (IsEmptyRect(MaskRectArea)) {
        MaskRectArea = ClientRect;
    } else {
        MaskRectArea.left = std::min(MaskRectArea.left, ClientRect.left);
        MaskRectArea.top = std::min(MaskRectArea.top, ClientRect.top);
        MaskRectArea.right = std::max(MaskRectArea.right, ClientRect.right);
        MaskRectArea.bottom = std::max(MaskRectArea.bottom, ClientRect.bottom);
    }
    const auto replaceZero = [](Point& hitTest, const Point& corner) {
        if (PointHasZero(hitTest)) hitTest = corner;
    };
    replaceZero(HitTestLeftTopPoint, LeftTopPoint);
    replaceZero(HitTestRightTopPoint, RightTopPoint);
    replaceZero(HitTestLeftBottomPoint, LeftBottomPoint);
    replaceZero(HitTestRightBottomPoint, RightBottomPoint);
}

void SkinFormInfo::ClampCorners() {
    // A frame whose corners coincide in X or Y is left as drawn.
    if (RightBottomPoint.x == LeftTopPoint.x || RightBottomPoint.y == LeftTopPoint.y) return;
    LeftTopPoint.x = std::max(LeftTopPoint.x, ClientRect.left);
    LeftBottomPoint.x = std::max(LeftBottomPoint.x, ClientRect.left);
    RightTopPoint.x = std::min(RightTopPoint.x, ClientRect.right);
    RightBottomPoint.x = std::min(RightBottomPoint.x, ClientRect.right);
    LeftTopPoint.y = std::max(LeftTopPoint.y, ClientRect.top);
    RightTopPoint.y = std::max(RightTopPoint.y, ClientRect.top);
    LeftBottomPoint.y = std::min(LeftBottomPoint.y, ClientRect.bottom);
    RightBottomPoint.y = std::min(RightBottomPoint.y, ClientRect.bottom);
}

void TspDataSkinPopupWindow::LoadFromIni(const SkinIni& ini) {
    SkinKeyReader reader(ini, kSection);
    VisitKeys(reader);
}

void TspDataSkinPopupWindow::SaveToIni(SkinIni& ini) const {
    WriteSkinSection(ini, kSection, *this, &TspDataSkinPopupWindow::VisitKeys);
}

void TspDataSkinPopupWindow::VisitKeys(SkinKeyVisitor& v) {
    v.PictureIndex("windowpictureindex", WindowPictureIndex);
    v.PictureIndex("maskpictureindex", MaskPictureIndex);
    v.Corners(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    v.CursorIndex("cursorindex", CursorIndex);
    v.SkinRect("itemsrect", ItemsRect);
    v.Color("scrollmarkercolor", ScrollMarkerColor);
    v.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
    VisitStretchFlags(v, LeftStretch, RightStretch, TopStretch, BottomStretch);
}

void TspDataSkinHintWindow::LoadFromIni(const SkinIni& ini) {
    SkinKeyReader reader(ini, kSection);
    VisitKeys(reader);
}

void TspDataSkinHintWindow::SaveToIni(SkinIni& ini) const {
    WriteSkinSection(ini, kSection, *this, &TspDataSkinHintWindow::VisitKeys);
}

void TspDataSkinHintWindow::VisitKeys(SkinKeyVisitor& v) {
    v.PictureIndex("windowpictureindex", WindowPictureIndex);
    v.PictureIndex("maskpictureindex", MaskPictureIndex);
    v.Corners(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    v.SkinRect("clientrect", ClientRect);
    v.Font("", Font);
    v.Color("fontcolor", FontColor);
    VisitStretchFlags(v, LeftStretch, RightStretch, TopStretch, BottomStretch);
}

}  // namespace vemora::skin
