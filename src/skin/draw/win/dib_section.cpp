#include "skin/draw/win/dib_section.h"

#include <algorithm>
#include <utility>

namespace vemora::skin {

BITMAPINFO TopDown24BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

DibSection::DibSection(int width, int height) {
    if (!Image24::SizeAllowed(width, height) || width < 1 || height < 1) return;
    const BITMAPINFO info = TopDown24BitInfo(width, height);
    void* bits = nullptr;
    win::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc || !bits) return;
    previous_ = SelectObject(dc.get(), bitmap.get());
    width_ = width;
    height_ = height;
    bits_ = static_cast<uint8_t*>(bits);
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
}

DibSection::~DibSection() {
    if (dc_ && previous_) SelectObject(dc_.get(), previous_);
}

DibSection::DibSection(DibSection&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      bits_(std::exchange(other.bits_, nullptr)),
      bitmap_(std::move(other.bitmap_)),
      dc_(std::move(other.dc_)),
      previous_(std::exchange(other.previous_, nullptr)) {}

DibSection& DibSection::operator=(DibSection&& other) noexcept {
    if (this != &other) {
        if (dc_ && previous_) SelectObject(dc_.get(), previous_);
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        bits_ = std::exchange(other.bits_, nullptr);
        previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
}

DibSection DibSection::FromBitmap(HBITMAP bitmap) {
    BITMAP header{};
    if (!bitmap || GetObjectW(bitmap, sizeof(header), &header) == 0) return {};
    const int width = header.bmWidth, height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    DibSection section(width, height);
    if (section.IsEmpty()) return section;
    UniqueDc display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    BITMAPINFO info = TopDown24BitInfo(width, height);
    GdiFlush();
    if (!display ||
        GetDIBits(display.get(), bitmap, 0, UINT(height), section.bits_, &info, DIB_RGB_COLORS) == 0) {
        return {};
    }
    return section;
}

DibSection DibSection::FromImage(const Image24& image) {
    DibSection section(image.Width(), image.Height());
    if (!section.IsEmpty()) {
        GdiFlush();
        for (int y = 0; y < image.Height(); ++y) {
            std::copy_n(image.ScanLine(y), image.RowSize(),
                        section.bits_ + size_t(y) * size_t(image.RowSize()));
        }
    }
    return section;
}

Image24 DibSection::View() const {
    GdiFlush();
    return Image24::Wrap(bits_, width_, height_);
}

void DibSection::Draw(HDC target, int x, int y) const {
    if (!IsEmpty()) BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

win::UniqueBitmap DibSection::ToCompatibleBitmap(HDC reference) const {
    if (IsEmpty()) return {};
    win::UniqueBitmap bitmap(CreateCompatibleBitmap(reference, width_, height_));
    if (!bitmap) return {};
    const BITMAPINFO info = TopDown24BitInfo(width_, height_);
    GdiFlush();
    if (SetDIBits(reference, bitmap.get(), 0, UINT(height_), bits_, &info, DIB_RGB_COLORS) == 0) return {};
    return bitmap;
}

void DrawImage(HDC target, const Image24& image, int x, int y) {
    if (image.IsEmpty()) return;
    const BITMAPINFO info = TopDown24BitInfo(image.Width(), image.Height());
    SetDIBitsToDevice(target, x, y, DWORD(image.Width()), DWORD(image.Height()), 0, 0, 0,
                      UINT(image.Height()), image.Bits(), &info, DIB_RGB_COLORS);
}

TspEffectBmp EffectBmpFromBitmap(HBITMAP bitmap) {
    const DibSection section = DibSection::FromBitmap(bitmap);
    const Image24 view = section.View();
    return TspEffectBmp(Image24(view));  // the copy owns its pixels; the view dies with the section
}

}  // namespace vemora::skin
