// A row of same-sized images from a bitmap resource whose magenta pixels are transparent:
// an image list for controls, and per-image bitmaps with alpha for menus.
#pragma once

#include <vector>

#include "win/handles.h"

namespace vemora::win {

class ImageStrip {
  public:
    bool Load(HINSTANCE instance, int bitmapId, int size);
    HIMAGELIST List() const { return list_.get(); }
    int Count() const { return list_ ? ImageList_GetImageCount(list_.get()) : 0; }
    HBITMAP MenuBitmap(int index) const;
    HICON Icon(int index) const;  // caller owns the icon

  private:
    UniqueImageList list_;
    std::vector<UniqueBitmap> menuBitmaps_;
};

}  // namespace vemora::win
