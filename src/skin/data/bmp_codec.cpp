#include "skin/data/bmp_codec.h"

#include <array>
#include <string>
#include <unordered_map>

#include "skin/data/skin_error.h"

namespace vemora::skin {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;

[[noreturn]] void Fail(const std::string& what) {
    throw SkinError("bitmap: " + what);
}

[[noreturn]] void EndsEarly() {
    Fail("data ends early");
}

uint16_t Get16(std::span<const uint8_t> d, size_t at) {
    return uint16_t(d[at] | d[at + 1] << 8);
}

uint32_t Get32(std::span<const uint8_t> d, size_t at) {
    return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 | uint32_t(d[at + 3]) << 24;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

// Bytes of one stored row: whole 32-bit words.
uint64_t StoredRowSize(int64_t width, int bitCount) {
    return uint64_t((width * bitCount + 31) / 32) * 4;
}

// ---------------------------------------------------------------------------------------------
// Reading

struct Header {
    size_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;  // always positive here
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    std::array<uint32_t, 3> masks{};  // red, green, blue
    size_t tableAt = 0;               // where the colour table starts
    size_t tableEntrySize = 4;
};

Header ReadHeader(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize + 4) EndsEarly();
    Header h;
    h.headerSize = Get32(file, kFileHeaderSize);
    const size_t at = kFileHeaderSize;
    const bool core = h.headerSize == kCoreHeaderSize;
    if (!core && h.headerSize != kInfoHeaderSize && h.headerSize != 52 && h.headerSize != 56 &&
        h.headerSize != 108 && h.headerSize != 124) {
        Fail("unsupported header size " + std::to_string(h.headerSize));
    }
    if (file.size() < at + h.headerSize) EndsEarly();

    int64_t height = 0;
    int planes = 0;
    if (core) {
        h.width = Get16(file, at + 4);
        height = Get16(file, at + 6);
        planes = Get16(file, at + 8);
        h.bitCount = Get16(file, at + 10);
        h.tableEntrySize = 3;
    } else {
        h.width = int32_t(Get32(file, at + 4));
        height = int32_t(Get32(file, at + 8));
        planes = Get16(file, at + 12);
        h.bitCount = Get16(file, at + 14);
        h.compression = Get32(file, at + 16);
        h.colorsUsed = Get32(file, at + 32);
    }
    if (planes != 1) Fail("planes must be 1, not " + std::to_string(planes));
    const int b = h.bitCount;
    if (!(b == 1 || b == 4 || b == 8 || b == 24 || (!core && (b == 16 || b == 32)))) {
        Fail("unsupported bit count " + std::to_string(b));
    }
    if (h.compression > kBiBitfields) Fail("unsupported compression " + std::to_string(h.compression));
    if ((h.compression == kBiRle8 && b != 8) || (h.compression == kBiRle4 && b != 4) ||
        (h.compression == kBiBitfields && b != 16 && b != 32)) {
        Fail("compression " + std::to_string(h.compression) + " does not fit " + std::to_string(b) + " bits");
    }
    if (h.width < 0) Fail("negative width " + std::to_string(h.width));
    h.topDown = height < 0;
    height = h.topDown ? -height : height;  // int64: the lowest int32 negates safely
    if (h.topDown && (h.compression == kBiRle8 || h.compression == kBiRle4)) {
        Fail("top-down rows cannot be RLE compressed");
    }
    if (height > Image24::kMaxSide || !Image24::SizeAllowed(h.width, int(height))) {
        Fail("size " + std::to_string(h.width) + " x " + std::to_string(height) + " is too large");
    }
    h.height = int32_t(height);

    h.tableAt = at + h.headerSize;
    if (h.compression == kBiBitfields) {
        if (h.headerSize == kInfoHeaderSize) {
            // The masks follow a plain info header; the later headers hold them.
            if (file.size() < h.tableAt + 12) EndsEarly();
            for (size_t i = 0; i < 3; ++i) h.masks[i] = Get32(file, h.tableAt + 4 * i);
            h.tableAt += 12;
        } else {
            for (size_t i = 0; i < 3; ++i) h.masks[i] = Get32(file, at + 40 + 4 * i);
        }
    } else if (b == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (b == 32) {
        h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    return h;
}

// Indexes past the colour table read as black: the table is always padded to 256 entries.
using Palette = std::array<PixelColor, 256>;

Palette ReadPalette(std::span<const uint8_t> file, const Header& h) {
    Palette palette{};
    if (h.bitCount > 8) return palette;
    const uint32_t full = 1u << h.bitCount;
    const uint32_t count = h.colorsUsed == 0 || h.colorsUsed > full ? full : h.colorsUsed;
    if (file.size() < h.tableAt + uint64_t{count} * h.tableEntrySize) EndsEarly();
    for (uint32_t i = 0; i < count; ++i) {
        const size_t p = h.tableAt + i * h.tableEntrySize;
        palette[i] = PixelColor(file[p]) | PixelColor(file[p + 1]) << 8 | PixelColor(file[p + 2]) << 16;
    }
    return palette;
}

// One colour channel under a bit-field mask, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (mask == 0) return;
        while (!((mask >> shift) & 1)) ++shift;
        max = mask >> shift;
    }
    uint8_t operator()(uint32_t value) const {
        if (max == 0) return 0;
        return uint8_t((uint64_t((value & mask) >> shift) * 255 + max / 2) / max);
    }
};

void DecodeRows(std::span<const uint8_t> pixels, const Header& h, const Palette& palette, Image24& image) {
    const uint64_t rowSize = StoredRowSize(h.width, h.bitCount);
    if (pixels.size() < rowSize * uint64_t(h.height)) EndsEarly();
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    for (int row = 0; row < h.height; ++row) {
        const uint8_t* src = pixels.data() + rowSize * uint64_t(row);
        uint8_t* dst = image.ScanLine(h.topDown ? row : h.height - 1 - row);
        for (int x = 0; x < h.width; ++x, dst += 3) {
            PixelColor c = 0;
            switch (h.bitCount) {
                case 1:
                    c = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    c = palette[(src[x >> 1] >> (x & 1 ? 0 : 4)) & 0xF];
                    break;
                case 8:
                    c = palette[src[x]];
                    break;
                case 24:
                    c = PixelColor(src[3 * x]) | PixelColor(src[3 * x + 1]) << 8 |
                        PixelColor(src[3 * x + 2]) << 16;
                    break;
                case 16:
                case 32: {
                    const uint32_t v = h.bitCount == 16 ? uint32_t(src[2 * x] | src[2 * x + 1] << 8)
                                                        : Get32(std::span(src + 4 * x, 4), 0);
                    c = PixelColor(blue(v)) | PixelColor(green(v)) << 8 | PixelColor(red(v)) << 16;
                    break;
                }
            }
            dst[0] = uint8_t(c);
            dst[1] = uint8_t(c >> 8);
            dst[2] = uint8_t(c >> 16);
        }
    }
}

// RLE8 and RLE4 (rows bottom-up). Pixels the data skips keep colour index 0, as the platform
// leaves them; a pixel outside the image is an error rather than being dropped silently.
void DecodeRle(std::span<const uint8_t> data, const Header& h, const Palette& palette, Image24& image) {
    image.Fill(palette[0]);
    const bool four = h.compression == kBiRle4;
    int64_t x = 0, y = 0;
    size_t p = 0;
    auto put = [&](uint8_t index) {
        if (x >= h.width || y >= h.height) Fail("RLE data runs past the image");
        image.SetPixel(int(x), int(h.height - 1 - y), palette[index]);
        ++x;
    };
    while (true) {
        if (p + 2 > data.size()) {
            // Encoders may leave out the final end mark once every row is complete.
            if (y >= h.height) return;
            EndsEarly();
        }
        const uint8_t count = data[p], value = data[p + 1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(four ? uint8_t(i & 1 ? value & 0xF : value >> 4) : value);
            continue;
        }
        switch (value) {
            case 0:
                x = 0, ++y;
                break;  // end of line
            case 1:
                return;  // end of bitmap
            case 2:      // delta
                if (p + 2 > data.size()) EndsEarly();
                x += data[p], y += data[p + 1];
                p += 2;
                break;
            default: {  // absolute run, padded to a 16-bit word
                const size_t bytes = four ? (value + 1u) / 2 : value;
                if (p + bytes > data.size()) EndsEarly();
                for (int i = 0; i < value; ++i) {
                    put(four ? uint8_t(i & 1 ? data[p + i / 2] & 0xF : data[p + i / 2] >> 4) : data[p + i]);
                }
                p += bytes + (bytes & 1);
                break;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Writing

// Colours in order of first appearance, row by row from the top.
std::unordered_map<PixelColor, uint32_t> IndexColors(const Image24& image, int bitCount,
                                                     std::vector<PixelColor>& table) {
    std::unordered_map<PixelColor, uint32_t> index;
    const size_t limit = size_t{1} << bitCount;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const PixelColor c = image.GetPixel(x, y);
            if (index.contains(c)) continue;
            if (table.size() == limit) {
                throw SkinError("bitmap: more than " + std::to_string(limit) + " colours do not fit " +
                                std::to_string(bitCount) + " bits");
            }
            index.emplace(c, uint32_t(table.size()));
            table.push_back(c);
        }
    }
    if (table.empty()) table.push_back(0);  // a table of zero entries would mean a full one
    return index;
}

}  // namespace

size_t BmpFileSize(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize) EndsEarly();
    if (file[0] != 'B' || file[1] != 'M') Fail("not a bitmap file (bad magic)");
    const uint32_t size = Get32(file, 2);
    if (size < kFileHeaderSize + kCoreHeaderSize) Fail("file size " + std::to_string(size) + " is too small");
    return size;
}

BmpDimensions ReadBmpDimensions(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize) EndsEarly();
    if (file[0] != 'B' || file[1] != 'M') Fail("not a bitmap file (bad magic)");
    const Header h = ReadHeader(file);
    return {h.width, h.height};
}

Image24 DecodeBmp(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize) EndsEarly();
    if (file[0] != 'B' || file[1] != 'M') Fail("not a bitmap file (bad magic)");
    const Header h = ReadHeader(file);
    const Palette palette = ReadPalette(file, h);
    const uint32_t offset = Get32(file, 10);
    if (offset < kFileHeaderSize + h.headerSize)
        Fail("pixel offset " + std::to_string(offset) + " lies in the header");
    if (offset > file.size()) EndsEarly();
    const std::span<const uint8_t> pixels = file.subspan(offset);
    if (h.width == 0 || h.height == 0) return {};
    if (h.compression == kBiRgb || h.compression == kBiBitfields) {
        // Checked before allocating: the pixels must be there.
        if (pixels.size() < StoredRowSize(h.width, h.bitCount) * uint64_t(h.height)) EndsEarly();
    }
    Image24 image(h.width, h.height);
    if (h.compression == kBiRle8 || h.compression == kBiRle4) {
        DecodeRle(pixels, h, palette, image);
    } else {
        DecodeRows(pixels, h, palette, image);
    }
    return image;
}

std::vector<uint8_t> EncodeBmp(const Image24& image, int bitCount) {
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) {
        throw SkinError("bitmap: cannot write " + std::to_string(bitCount) + " bits per pixel");
    }
    std::vector<PixelColor> table;
    std::unordered_map<PixelColor, uint32_t> index;
    if (bitCount < 24) index = IndexColors(image, bitCount, table);

    const int w = image.Width(), hgt = image.Height();
    const size_t rowSize = StoredRowSize(w, bitCount);
    const size_t offBits = kFileHeaderSize + kInfoHeaderSize + 4 * table.size();
    const size_t fileSize = offBits + rowSize * size_t(hgt);

    std::vector<uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, uint32_t(fileSize));
    Put32(out, 0);
    Put32(out, uint32_t(offBits));
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(hgt));
    Put16(out, 1);
    Put16(out, uint32_t(bitCount));
    Put32(out, kBiRgb);
    Put32(out, uint32_t(rowSize * size_t(hgt)));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, uint32_t(table.size()));
    Put32(out, 0);
    for (const PixelColor c : table) Put32(out, c & 0xFFFFFF);

    for (int y = hgt - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        out.resize(rowStart + rowSize, 0);
        uint8_t* row = out.data() + rowStart;
        if (bitCount == 24) {
            image.GetLine(y, row);
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const uint32_t i = index.at(image.GetPixel(x, y));
            const int bitPos = x * bitCount;
            row[bitPos / 8] |= uint8_t(i << (8 - bitCount - bitPos % 8));
        }
    }
    return out;
}

}  // namespace vemora::skin
