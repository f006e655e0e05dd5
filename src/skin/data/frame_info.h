// The fixed sections of a skin: the frame ([FORMINFO]), the popup menu window ([POPUPWINDOW]),
// the hint window ([HINTWINDOW]), and the named rectangles of [SKINAREAS].
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/skin_ini.h"
#include "skin/data/skin_keys.h"
#include "skin/data/skin_values.h"
#include "skin/draw/geometry.h"
#include "skin/draw/skin_enums.h"

namespace vemora::skin {

// The frame of a skinned form. Points and rectangles are relative to the main frame picture.
struct SkinFormInfo {
    static constexpr std::string_view kSection = "FORMINFO";

    // Reads [FORMINFO], then adjusts: the mask adjustments when the skin has a mask picture
    // (a non-empty [PICTURES] "mask"), then the corner clamping.
    void LoadFromIni(const SkinIni& ini, bool hasMask);
    void SaveToIni(SkinIni& ini) const;

    Point LeftTopPoint;
    Point RightTopPoint;
    Point LeftBottomPoint;
    Point RightBottomPoint;
    Rect ClientRect;
    int32_t BGPictureIndex = -1;
    int32_t MDIBGPictureIndex = -1;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    Rect ButtonsRect;
    Rect CaptionRect;
    int32_t ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    Rect MaskRectArea;
    Point HitTestLeftTopPoint;
    Point HitTestRightTopPoint;
    Point HitTestLeftBottomPoint;
    Point HitTestRightBottomPoint;
    Point RollUpLeftPoint;
    Point RollUpRightPoint;
    Rect MainMenuRect;
    Rect IconRect;
    bool MainMenuPopupUp = false;
    int32_t BorderWidth = 0;
    int32_t CursorIndex = -1;
    bool AutoRenderingInActiveImage = false;
    ImageEffect InActiveEffect = ImageEffect::ieBrightness;

  private:
    void VisitKeys(SkinKeyVisitor& v);
    void AdjustToMask();
    void ClampCorners();
};

// The window of a skinned popup menu.
class TspDataSkinPopupWindow {
  public:
    static constexpr std::string_view kSection = "POPUPWINDOW";

    void LoadFromIni(const SkinIni& ini);
    void SaveToIni(SkinIni& ini) const;

    int32_t WindowPictureIndex = -1;  // -1: no picture
    int32_t MaskPictureIndex = -1;
    Point LeftTopPoint;
    Point RightTopPoint;
    Point LeftBottomPoint;
    Point RightBottomPoint;
    int32_t CursorIndex = -1;
    Rect ItemsRect;  // the inner area the items are drawn in
    SkinColor ScrollMarkerColor = 0;
    SkinColor ScrollMarkerActiveColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;

  private:
    void VisitKeys(SkinKeyVisitor& v);
};

// The window of a skinned hint.
class TspDataSkinHintWindow {
  public:
    static constexpr std::string_view kSection = "HINTWINDOW";

    void LoadFromIni(const SkinIni& ini);
    void SaveToIni(SkinIni& ini) const;

    int32_t WindowPictureIndex = -1;  // -1: no picture
    int32_t MaskPictureIndex = -1;
    Point LeftTopPoint;
    Point RightTopPoint;
    Point LeftBottomPoint;
    Point RightBottomPoint;
    Rect ClientRect;
    SkinFont Font;
    SkinColor FontColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;

  private:
    void VisitKeys(SkinKeyVisitor& v);
};

// A named rectangle of [SKINAREAS].
struct TspDataSkinArea {
    std::string SkinSectionName;  // the area name
    Rect AreaRect;
};

}  // namespace vemora::skin
