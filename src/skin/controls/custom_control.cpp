#include "skin/controls/custom_control.h"

namespace vemora::skin {
namespace {

const Image24* PictureAt(const TspSkinData& data, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(data.ActivePictures.size())) return nullptr;
    const Image24& picture = data.ActivePictures[index];
    return picture.IsEmpty() ? nullptr : &picture;
}

}  // namespace

void TspSkinCustomControlModel::ResetSkinRecord() {
    skinIndex_ = -1;
    record_ = nullptr;
    picture_ = nullptr;
    mask_ = nullptr;
    kind_ = 0;
}

void TspSkinCustomControlModel::LoadSkinRecord() {
    ResetSkinRecord();
    if (!SkinData || SkinData->Empty()) return;
    const int index = SkinData->IndexOfControl(SkinDataName);
    if (index < 0) return;
    const auto* custom = dynamic_cast<const TspDataSkinCustomControl*>(SkinData->SkinControls[index].get());
    if (!custom) return;
    const Image24* picture = PictureAt(*SkinData, custom->PictureIndex);
    if (!picture) return;
    skinIndex_ = index;
    record_ = custom;
    picture_ = picture;
    mask_ = PictureAt(*SkinData, custom->MaskPictureIndex);
    geometry_ = {custom->SkinRect,        custom->LeftTopPoint,     custom->RightTopPoint,
                 custom->LeftBottomPoint, custom->RightBottomPoint, custom->ClientRect};
    kind_ = StretchKindOf(geometry_);
    fitted_ = skin::FitSkinSize(geometry_, kind_, fitted_.width, fitted_.height);
}

Size TspSkinCustomControlModel::FitSkinSize(int width, int height) {
    fitted_ = skin::FitSkinSize(geometry_, kind_, width, height);
    return {fitted_.width, fitted_.height};
}

Rect TspSkinCustomControlModel::MapSkinRect(const Rect& r) const {
    return skin::MapSkinRect(geometry_, kind_, fitted_.width, fitted_.height, r);
}

Image24 TspSkinCustomControlModel::BuildSkinImage(const Rect& from) const {
    if (!Skinned()) return {};
    return skin::BuildSkinImage(geometry_, kind_, fitted_, *picture_, from);
}

Size TspSkinCustomControlModel::SetBounds(Size current, Size requested, bool* fitted) {
    LoadSkinRecord();
    const bool fits = requested != current && Skinned();
    if (fitted) *fitted = fits;
    return fits ? FitSkinSize(requested.width, requested.height) : requested;
}

Size TspSkinCustomControlModel::SkinChangeSize(Size current) {
    LoadSkinRecord();
    if (!Skinned()) {
        return {DefaultWidth > 0 ? DefaultWidth : current.width,
                DefaultHeight > 0 ? DefaultHeight : current.height};
    }
    return FitSkinSize(current.width, current.height);
}

}  // namespace vemora::skin
