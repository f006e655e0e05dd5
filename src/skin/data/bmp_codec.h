// Windows bitmap files, read and written without the platform: the pictures inside a stored
// skin and the ones the skin's generator writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/draw/image.h"

namespace vemora::skin {

// The total size a bitmap file's header gives; throws SkinError when the bytes are too few
// for a file header or the header is not a bitmap's.
size_t BmpFileSize(std::span<const uint8_t> file);

// The size of the image a bitmap file holds, after the checks DecodeBmp makes of its headers;
// lets a reader refuse pictures before it allocates them.
struct BmpDimensions {
    int width = 0;
    int height = 0;
};
BmpDimensions ReadBmpDimensions(std::span<const uint8_t> file);

// Decodes one bitmap file (1, 4, 8, 16, 24 or 32 bits, palettes, bottom-up and top-down rows,
// RLE4, RLE8 and bit fields) into a 24-bit image. Throws SkinError for anything a Windows
// bitmap reader would reject; never reads outside the given bytes. The span is the file: the
// total size in its header only tells a container where the next item starts. Pixels an RLE
// stream skips keep palette colour 0, as the platform leaves them; indexes past the palette
// read as black; an RLE pixel outside the image is an error. A 0-pixel side gives an empty
// image.
Image24 DecodeBmp(std::span<const uint8_t> file);

// A bottom-up bitmap file of the image. bitCount 24 stores the pixels as they are; 1, 4 and 8
// store a palette of the image's colours and throw SkinError when it holds too many.
std::vector<uint8_t> EncodeBmp(const Image24& image, int bitCount = 24);

}  // namespace vemora::skin
