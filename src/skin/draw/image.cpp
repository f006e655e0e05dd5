#include "skin/draw/image.h"

#include <algorithm>
#include <cstring>

namespace vemora::skin {

Image24::Image24(int width, int height) {
    SetSize(width, height);
}

Image24 Image24::Wrap(uint8_t* bits, int width, int height) {
    Image24 image;
    if (bits && SizeAllowed(width, height)) {
        image.width_ = width;
        image.height_ = height;
        image.bits_ = bits;
    }
    return image;
}

Image24::Image24(const Image24& other) : width_(other.width_), height_(other.height_) {
    owned_.assign(other.bits_, other.bits_ + other.ByteSize());
    bits_ = owned_.data();
}

Image24& Image24::operator=(const Image24& other) {
    if (this != &other) *this = Image24(other);
    return *this;
}

Image24::Image24(Image24&& other) noexcept
    : width_(other.width_), height_(other.height_), bits_(other.bits_), owned_(std::move(other.owned_)) {
    other.width_ = other.height_ = 0;
    other.bits_ = nullptr;
}

Image24& Image24::operator=(Image24&& other) noexcept {
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        bits_ = other.bits_;
        owned_ = std::move(other.owned_);
        other.width_ = other.height_ = 0;
        other.bits_ = nullptr;
    }
    return *this;
}

void Image24::SetSize(int width, int height) {
    if (!SizeAllowed(width, height)) width = height = 0;
    width_ = width;
    height_ = height;
    owned_.assign(ByteSize(), 0);
    bits_ = owned_.data();
}

PixelColor Image24::GetPixel(int x, int y) const {
    if (!Contains(x, y)) return 0;
    const uint8_t* p = ScanLine(y) + 3 * x;
    return PixelColor(p[0]) | PixelColor(p[1]) << 8 | PixelColor(p[2]) << 16;
}

void Image24::SetPixel(int x, int y, PixelColor color) {
    if (!Contains(x, y)) return;
    uint8_t* p = ScanLine(y) + 3 * x;
    p[0] = uint8_t(color);
    p[1] = uint8_t(color >> 8);
    p[2] = uint8_t(color >> 16);
}

void Image24::GetLine(int y, uint8_t* buffer) const {
    if (y >= 0 && y < height_) std::memcpy(buffer, ScanLine(y), size_t(3) * width_);
}

void Image24::SetLine(int y, const uint8_t* buffer) {
    if (y >= 0 && y < height_) std::memcpy(ScanLine(y), buffer, size_t(3) * width_);
}

void Image24::Fill(PixelColor color) {
    if (IsEmpty()) return;
    uint8_t* row = ScanLine(0);
    for (int x = 0; x < width_; ++x) {
        row[3 * x] = uint8_t(color);
        row[3 * x + 1] = uint8_t(color >> 8);
        row[3 * x + 2] = uint8_t(color >> 16);
    }
    for (int y = 1; y < height_; ++y) std::memcpy(ScanLine(y), row, size_t(RowSize()));
}

// Padding bytes do not take part: two images are equal when their pixels are.
bool operator==(const Image24& a, const Image24& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_) return false;
    for (int y = 0; y < a.height_; ++y) {
        if (std::memcmp(a.ScanLine(y), b.ScanLine(y), size_t(3) * a.width_) != 0) return false;
    }
    return true;
}

}  // namespace vemora::skin
