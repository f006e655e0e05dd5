#include "win/controls/image_strip.h"

#include <cstdint>

namespace vemora::win {
namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

// One image as a 32-bit premultiplied bitmap: the form menus want for images with alpha.
UniqueBitmap AlphaBitmap(HDC screen, HBITMAP strip, int index, int size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HGDIOBJ oldSource = SelectObject(source, strip);
    HGDIOBJ oldTarget = SelectObject(target, bitmap.get());
    BitBlt(target, 0, 0, size, size, source, index * size, 0, SRCCOPY);
    GdiFlush();
    auto* pixel = static_cast<uint32_t*>(bits);
    for (int i = 0; i < size * size; ++i) {
        const uint32_t rgb = pixel[i] & 0xFFFFFF;
        pixel[i] = rgb == 0xFF00FF ? 0 : rgb | 0xFF000000;
    }
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
    DeleteDC(source);
    DeleteDC(target);
    return bitmap;
}

}  // namespace

bool ImageStrip::Load(HINSTANCE instance, int bitmapId, int size) {
    UniqueBitmap strip(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!strip) return false;
    BITMAP info{};
    GetObjectW(strip.get(), sizeof(info), &info);
    const int count = info.bmWidth / size;
    list_.reset(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
    ImageList_AddMasked(list_.get(), strip.get(), kTransparent);
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < count; ++i) menuBitmaps_.push_back(AlphaBitmap(screen, strip.get(), i, size));
    ReleaseDC(nullptr, screen);
    return true;
}

HBITMAP ImageStrip::MenuBitmap(int index) const {
    return index >= 0 && index < static_cast<int>(menuBitmaps_.size()) ? menuBitmaps_[index].get() : nullptr;
}

HICON ImageStrip::Icon(int index) const {
    return ImageList_GetIcon(list_.get(), index, ILD_TRANSPARENT);
}

}  // namespace vemora::win
