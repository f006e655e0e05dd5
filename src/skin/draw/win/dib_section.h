// The Windows side of the 24-bit image: a top-down 24-bit DIB section with its own memory
// device context, whose pixels an Image24 views, drawn with one blit.
#pragma once

#include <windows.h>

#include "skin/draw/effect_bmp.h"
#include "skin/draw/image.h"
#include "win/handles.h"

namespace vemora::skin {

struct DcTraits {
    static HDC Invalid() { return nullptr; }
    static bool IsValid(HDC h) { return h != nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
using UniqueDc = win::UniqueResource<HDC, DcTraits>;

// The header of a top-down 24-bit section of the given size.
BITMAPINFO TopDown24BitInfo(int width, int height);

class DibSection {
  public:
    DibSection() = default;
    // Zero-filled; empty when the size is not allowed or the system refuses the section.
    DibSection(int width, int height);
    ~DibSection();
    DibSection(DibSection&& other) noexcept;
    DibSection& operator=(DibSection&& other) noexcept;
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    // Another bitmap's pixels converted to 24 bits through a device context of the display;
    // the bitmap must not be selected into a device context.
    static DibSection FromBitmap(HBITMAP bitmap);
    static DibSection FromImage(const Image24& image);

    bool IsEmpty() const { return !bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    HDC Dc() const { return dc_.get(); }

    // A view of the section's pixels; valid while the section lives. Pending GDI drawing
    // into the section is flushed first.
    Image24 View() const;

    void Draw(HDC target, int x, int y) const;
    // A device-dependent bitmap for `reference` holding the same pixels.
    win::UniqueBitmap ToCompatibleBitmap(HDC reference) const;

  private:
    int width_ = 0;
    int height_ = 0;
    uint8_t* bits_ = nullptr;
    win::UniqueBitmap bitmap_;
    UniqueDc dc_;
    HGDIOBJ previous_ = nullptr;  // what the memory context held before the section
};

// The working copy the pixel scans run on.
using TFBitmap = DibSection;

// Draws any image (an owned one or a section's view) at x, y with SetDIBitsToDevice.
void DrawImage(HDC target, const Image24& image, int x, int y);

// An effect image holding a bitmap's pixels (its own copy), and the effect image drawn.
TspEffectBmp EffectBmpFromBitmap(HBITMAP bitmap);
inline void DrawEffectBmp(HDC target, const TspEffectBmp& image, int x, int y) {
    DrawImage(target, image.Image(), x, y);
}

}  // namespace vemora::skin
