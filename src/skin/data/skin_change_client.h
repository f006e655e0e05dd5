// What a skinned control offers the frame of its form when the skin changes.
//
// The frame relays WM_SKIN_CHANGING as ResetSkinRecord (drop every record index, the skin is
// about to be cleared) and WM_SKIN_CHANGED as ApplySkinChange (look the records up again and
// repaint), to the controls of its window, parents before their children.
#pragma once

namespace vemora::skin {

class TspSkinData;

class SkinChangeClient {
  public:
    virtual ~SkinChangeClient() = default;

    // The skin the control draws from; null when it has none.
    virtual const TspSkinData* SkinData() const = 0;
    virtual void ResetSkinRecord() = 0;
    virtual void ApplySkinChange() = 0;
};

}  // namespace vemora::skin
