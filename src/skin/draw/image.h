// The 24-bit image every skin picture, effect and composition works on.
//
// Rows are top-down, pixels blue-green-red, each row padded to a multiple of 4 bytes
// (row size 3·width + width mod 4): the layout of a top-down 24-bit DIB section, so on
// Windows an image can wrap the section's pixel memory and be drawn with one call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vemora::skin {

// A colour as the pixel operations pass it: the low three bytes are blue, green, red,
// the byte order of a pixel in memory.
using PixelColor = uint32_t;

class Image24 {
  public:
    // Larger images are refused: a hostile bitmap header must not make us allocate gigabytes.
    static constexpr int kMaxSide = 1 << 15;
    static constexpr int64_t kMaxPixels = int64_t{1} << 26;

    static constexpr int RowSizeFor(int width) { return 3 * width + width % 4; }
    static bool SizeAllowed(int width, int height) {
        return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide &&
               int64_t{width} * height <= kMaxPixels;
    }

    Image24() = default;
    // A zero-filled image that owns its pixels; a size that is not allowed gives an empty image.
    Image24(int width, int height);
    // A view of pixel memory owned elsewhere (a DIB section), in this class's row layout.
    static Image24 Wrap(uint8_t* bits, int width, int height);

    // Copies always own their pixels; moves keep a view a view.
    Image24(const Image24& other);
    Image24& operator=(const Image24& other);
    Image24(Image24&& other) noexcept;
    Image24& operator=(Image24&& other) noexcept;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int RowSize() const { return RowSizeFor(width_); }
    size_t ByteSize() const { return size_t(RowSize()) * size_t(height_); }
    bool IsEmpty() const { return width_ < 1 || height_ < 1; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    uint8_t* ScanLine(int y) { return bits_ + size_t(y) * size_t(RowSize()); }
    const uint8_t* ScanLine(int y) const { return bits_ + size_t(y) * size_t(RowSize()); }
    uint8_t* Bits() { return bits_; }
    const uint8_t* Bits() const { return bits_; }

    // Outside the image GetPixel gives 0 and SetPixel does nothing.
    PixelColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, PixelColor color);
    // Copy row y out to / in from a buffer of 3·width bytes.
    void GetLine(int y, uint8_t* buffer) const;
    void SetLine(int y, const uint8_t* buffer);

    // Gives the image a new size, owning zero-filled pixels (a view becomes an owner).
    void SetSize(int width, int height);
    void Fill(PixelColor color);

    friend bool operator==(const Image24& a, const Image24& b);

  private:
    int width_ = 0;
    int height_ = 0;
    uint8_t* bits_ = nullptr;
    std::vector<uint8_t> owned_;
};

}  // namespace vemora::skin
