// What every skinned control keeps of its skin record: the record found by name, the picture
// and geometry it draws from, and the size rules that follow. The window side holds one and
// asks it at every paint and every size change.
#pragma once

#include <string>

#include "skin/controls/custom_geometry.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_values.h"

namespace vemora::skin {

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

class TspSkinCustomControlModel {
  public:
    explicit TspSkinCustomControlModel(std::string skinDataName) : SkinDataName(std::move(skinDataName)) {}

    const TspSkinData* SkinData = nullptr;  // not owned
    std::string SkinDataName;               // a section name, matched exactly
    bool DrawDefault = true;
    bool UseSkinFont = true;
    SkinFont DefaultFont;  // 宋体, 14
    int DefaultWidth = 0;
    int DefaultHeight = 0;

    // Finds the record again. A record that is not a custom-control record, or names no
    // picture, counts as none: the control keeps its built-in look rather than draw nothing.
    void LoadSkinRecord();
    void ResetSkinRecord();

    int SkinIndex() const { return skinIndex_; }
    bool Skinned() const { return skinIndex_ != -1; }
    template <class Record>
    const Record* RecordAs() const {
        return Skinned() ? dynamic_cast<const Record*>(record_) : nullptr;
    }
    const Image24& Picture() const { return *picture_; }
    const Image24* Mask() const { return mask_; }
    const CustomSkinGeometry& Geometry() const { return geometry_; }
    int StretchKind() const { return kind_; }
    const FittedSkin& Fitted() const { return fitted_; }

    // The record's size rule on a size; remembers the fitted points for painting.
    Size FitSkinSize(int width, int height);
    Rect MapSkinRect(const Rect& r) const;
    // The control picture of the fitted size from a state rectangle of the record.
    Image24 BuildSkinImage(const Rect& from) const;

    // The set-bounds rule: the size a control asked to change from `current` to `requested`
    // takes (the record fixes some directions). `fitted` tells whether the record applied.
    Size SetBounds(Size current, Size requested, bool* fitted = nullptr);
    // The size to take after a skin change: the record's rule, or the default size without one.
    Size SkinChangeSize(Size current);

  private:
    int skinIndex_ = -1;
    const TspDataSkinControl* record_ = nullptr;
    const Image24* picture_ = nullptr;
    const Image24* mask_ = nullptr;
    CustomSkinGeometry geometry_;
    int kind_ = 0;
    FittedSkin fitted_;
};

}  // namespace vemora::skin
