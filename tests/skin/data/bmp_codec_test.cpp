#include "skin/data/bmp_codec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/skin_error.h"

namespace vemora::skin {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v);
    Put16(b, v >> 16);
}

// A hand-made bitmap file: the headers as given, the colour table right after them (and after
// the masks of a 40-byte header), then `gap` stray bytes, then the pixel bytes.
struct BmpFile {
    uint32_t headerSize = 40;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;    // after a 40-byte header, inside a larger one
    std::vector<uint32_t> palette;  // 0xRRGGBB; three bytes each for a 12-byte header
    size_t gap = 0;
    Bytes pixels;
    std::optional<uint32_t> offset;  // replaces the computed pixel offset

    Bytes Build() const {
        Bytes header;
        Put32(header, headerSize);
        if (headerSize == 12) {
            Put16(header, uint32_t(width));
            Put16(header, uint32_t(height));
            Put16(header, planes);
            Put16(header, bitCount);
        } else {
            Put32(header, uint32_t(width));
            Put32(header, uint32_t(height));
            Put16(header, planes);
            Put16(header, bitCount);
            Put32(header, compression);
            Put32(header, uint32_t(pixels.size()));
            Put32(header, 0);
            Put32(header, 0);
            Put32(header, colorsUsed);
            Put32(header, 0);
            if (headerSize > 40) {
                for (uint32_t m : masks) Put32(header, m);
            }
            header.resize(headerSize, 0);
            if (headerSize == 40) {
                for (uint32_t m : masks) Put32(header, m);
            }
        }
        for (uint32_t c : palette) {
            header.push_back(uint8_t(c));
            header.push_back(uint8_t(c >> 8));
            header.push_back(uint8_t(c >> 16));
            if (headerSize != 12) header.push_back(0);
        }
        header.insert(header.end(), gap, 0xEE);
        Bytes file{'B', 'M'};
        Put32(file, uint32_t(14 + header.size() + pixels.size()));
        Put32(file, 0);
        Put32(file, offset.value_or(uint32_t(14 + header.size())));
        file.insert(file.end(), header.begin(), header.end());
        file.insert(file.end(), pixels.begin(), pixels.end());
        return file;
    }
};

// Rows top-down; colours 0xRRGGBB.
using Rows = std::vector<std::vector<PixelColor>>;

Image24 MakeImage(const Rows& rows) {
    Image24 image(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) image.SetPixel(int(x), int(y), rows[y][x]);
    }
    return image;
}

Rows RowsOf(const Image24& image) {
    Rows rows(size_t(image.Height()), std::vector<PixelColor>(size_t(image.Width())));
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) rows[size_t(y)][size_t(x)] = image.GetPixel(x, y);
    }
    return rows;
}

// A w × h image with `colors` distinct colours spread over it.
Image24 Pattern(int w, int h, int colors) {
    Image24 image(w, h);
    for (int i = 0; i < w * h; ++i) {
        const uint32_t k = uint32_t(i % colors);
        image.SetPixel(i % w, i / w, (k * 0x9E3779u) & 0xFFFFFF);
    }
    return image;
}

constexpr PixelColor kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

TEST(BmpCodec, EncodedImagesDecodeToThemselves) {
    struct Case {
        int bitCount;
        int width;
        int height;
        int colors;
    };
    // Widths whose rows need every amount of padding at each depth.
    const Case cases[] = {
        {1, 1, 1, 1}, {1, 9, 3, 2},     {1, 33, 2, 2}, {4, 1, 2, 3},  {4, 7, 3, 16},
        {8, 3, 2, 6}, {8, 17, 16, 256}, {24, 1, 1, 1}, {24, 2, 3, 6}, {24, 5, 4, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.bitCount << " bits, " << c.width << " x " << c.height);
        const Image24 image = Pattern(c.width, c.height, c.colors);
        const Bytes file = EncodeBmp(image, c.bitCount);
        EXPECT_EQ(BmpFileSize(file), file.size());
        EXPECT_EQ(file[28], c.bitCount);
        EXPECT_GT(int32_t(file[22] | file[23] << 8 | file[24] << 16 | file[25] << 24), 0) << "bottom-up";
        EXPECT_EQ(DecodeBmp(file), image);
    }
}

TEST(BmpCodec, EncodingRefusesMoreColoursThanThePaletteHolds) {
    for (const auto& [bitCount, colors] : {std::pair{1, 3}, {4, 17}, {8, 257}}) {
        EXPECT_THAT([&] { EncodeBmp(Pattern(300, 1, colors), bitCount); },
                    ::testing::ThrowsMessage<SkinError>(::testing::HasSubstr("colours do not fit")))
            << bitCount;
    }
    EXPECT_THROW(EncodeBmp(Pattern(2, 2, 1), 16), SkinError);
}

TEST(BmpCodec, DecodesHandMadeFiles) {
    struct Case {
        const char* name;
        BmpFile file;
        Rows expected;
    };
    const std::vector<Case> cases = {
        {"16 bits default 5-5-5, padded row",
         {.width = 3, .height = 1, .bitCount = 16, .pixels = {0x00, 0x7C, 0xE0, 0x03, 0x10, 0x00, 0, 0}},
         {{kRed, kGreen, 0x000084}}},
        {"16 bits 5-6-5 bit fields after a 40-byte header",
         {.width = 2,
          .height = 1,
          .bitCount = 16,
          .compression = 3,
          .masks = {0xF800, 0x07E0, 0x001F},
          .pixels = {0x1F, 0xF8, 0x00, 0x04}},
         {{0xFF00FF, 0x008200}}},
        {"32 bits plain: blue, green, red, unused",
         {.width = 2, .height = 1, .bitCount = 32, .pixels = {1, 2, 3, 0xFF, 4, 5, 6, 0}},
         {{0x030201, 0x060504}}},
        {"32 bits bit fields in a V5 header: red in the low byte",
         {.headerSize = 124,
          .width = 1,
          .height = 1,
          .bitCount = 32,
          .compression = 3,
          .masks = {0x000000FF, 0x0000FF00, 0x00FF0000},
          .pixels = {0x11, 0x22, 0x33, 0x44}},
         {{0x112233}}},
        {"24 bits top-down",
         {.width = 1, .height = -2, .pixels = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0}},
         {{kRed}, {kGreen}}},
        {"24 bits bottom-up, pixel offset past stray bytes",
         {.width = 1, .height = 2, .gap = 5, .pixels = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0}},
         {{kGreen}, {kRed}}},
        {"V4 header, 8 bits with a two-entry table: index 5 is past it",
         {.headerSize = 108,
          .width = 3,
          .height = 1,
          .bitCount = 8,
          .colorsUsed = 2,
          .palette = {kBlue, kWhite},
          .pixels = {1, 5, 0, 0}},
         {{kWhite, 0, kBlue}}},
        {"1 bit, a colour count of 0 means the full table",
         {.width = 10,
          .height = 1,
          .bitCount = 1,
          .palette = {kRed, kBlue},
          .pixels = {0b10100000, 0b01000000, 0, 0}},
         {{kBlue, kRed, kBlue, kRed, kRed, kRed, kRed, kRed, kRed, kBlue}}},
        {"core header, 4 bits, three-byte table entries",
         {.headerSize = 12,
          .width = 3,
          .height = 2,
          .bitCount = 4,
          .palette = {0, kRed, kGreen, kBlue, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kWhite},
          .pixels = {0x12, 0x30, 0, 0, 0xF0, 0xF0, 0, 0}},
         {{kWhite, 0, kWhite}, {kRed, kGreen, kBlue}}},
        {"core header, 24 bits",
         {.headerSize = 12, .width = 1, .height = 1, .pixels = {0xFF, 0, 0, 0}},
         {{kBlue}}},
        {"RLE8: runs, an odd absolute run, end of line, delta; skipped pixels keep index 0",
         {.width = 5,
          .height = 3,
          .bitCount = 8,
          .compression = 1,
          .colorsUsed = 4,
          .palette = {0x123456, kRed, kGreen, kBlue},
          .pixels = {2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 1, 3, 0, 1}},
         {{0x123456, 0x123456, kBlue, 0x123456, 0x123456},
          {0x123456, 0x123456, 0x123456, 0x123456, 0x123456},
          {kRed, kRed, kGreen, kBlue, kRed}}},
        {"RLE8 ending after its last row without an end mark",
         {.width = 2,
          .height = 1,
          .bitCount = 8,
          .compression = 1,
          .colorsUsed = 2,
          .palette = {0, kRed},
          .pixels = {2, 1, 0, 0}},
         {{kRed, kRed}}},
        {"RLE4: odd run, even and odd absolute runs with word padding, delta",
         {.width = 5,
          .height = 4,
          .bitCount = 4,
          .compression = 2,
          .colorsUsed = 6,
          .palette = {0x123456, kRed, kGreen, kBlue, kWhite, 0x808080},
          .pixels = {5, 0x12, 0,    0,                         // row 0: 1 2 1 2 1
                     0, 4,    0x34, 0x51, 0,    0,             // row 1: 3 4 5 1
                     0, 5,    0x12, 0x34, 0x50, 0,    0, 0,    // row 2: 1 2 3 4 5
                     0, 2,    1,    0,    1,    0x30, 0, 1}},  // delta to (1, 3): 3
         {{0x123456, kBlue, 0x123456, 0x123456, 0x123456},
          {kRed, kGreen, kBlue, kWhite, 0x808080},
          {kBlue, kWhite, 0x808080, kRed, 0x123456},
          {kRed, kGreen, kRed, kGreen, kRed}}},
        {"zero width gives an empty image", {.width = 0, .height = 3}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes file = c.file.Build();
        EXPECT_EQ(BmpFileSize(file), file.size());
        const Image24 image = DecodeBmp(file);
        EXPECT_EQ(RowsOf(image), c.expected);
        EXPECT_EQ(image, MakeImage(c.expected));
    }
}

TEST(BmpCodec, RejectsWhatAWindowsReaderRejects) {
    auto rle8 = [](int32_t height, Bytes pixels) {
        return BmpFile{.width = 5,
                       .height = height,
                       .bitCount = 8,
                       .compression = 1,
                       .colorsUsed = 2,
                       .palette = {0, kRed},
                       .pixels = std::move(pixels)}
            .Build();
    };
    auto truncated = [](Bytes file, size_t drop) {
        file.resize(file.size() - drop);
        return file;
    };
    auto with = [](Bytes file, size_t at, std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes) file[at++] = b;
        return file;
    };
    const Bytes good = EncodeBmp(Pattern(2, 2, 4), 24);
    const Bytes paletted = EncodeBmp(Pattern(2, 2, 4), 8);
    struct Case {
        const char* name;
        Bytes file;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"shorter than a file header", {'B', 'M', 1, 2, 3}, "data ends early"},
        {"bad magic", with(good, 0, {'B', 'X'}), "bad magic"},
        {"pixel rows cut short", truncated(good, 1), "data ends early"},
        {"colour table cut short", truncated(paletted, 8 + 4 * 4 - 2), "data ends early"},
        {"header cut short", truncated(good, good.size() - 30), "data ends early"},
        {"unknown header size", with(good, 14, {20}), "unsupported header size 20"},
        {"two planes", with(good, 26, {2}), "planes must be 1, not 2"},
        {"2 bits", with(good, 28, {2}), "unsupported bit count 2"},
        {"16 bits in a core header",
         BmpFile{.headerSize = 12, .width = 1, .height = 1, .bitCount = 16}.Build(),
         "unsupported bit count 16"},
        {"PNG compression", with(good, 30, {5}), "unsupported compression 5"},
        {"RLE8 on 4 bits", with(with(paletted, 28, {4}), 30, {1}), "compression 1 does not fit 4 bits"},
        {"bit fields on 24 bits", with(good, 30, {3}), "compression 3 does not fit 24 bits"},
        {"negative width", with(good, 18, {0xFE, 0xFF, 0xFF, 0xFF}), "negative width"},
        {"wider than allowed", with(good, 18, {0x01, 0x80, 0, 0}), "size 32769 x 2 is too large"},
        {"more pixels than allowed", with(with(good, 18, {0, 0x40}), 22, {0, 0x40}), "too large"},
        {"tallest top-down height", with(good, 22, {0, 0, 0, 0x80}), "too large"},
        {"pixel offset past the end", with(good, 10, {0xFF, 0xFF}), "data ends early"},
        {"pixel offset inside the header", with(good, 10, {20, 0}), "lies in the header"},
        {"top-down RLE", rle8(-1, {5, 1, 0, 1}), "top-down rows cannot be RLE compressed"},
        {"RLE run past the end of a row", rle8(1, {6, 1, 0, 1}), "runs past the image"},
        {"RLE absolute run past the end of a row", rle8(1, {2, 1, 0, 4, 1, 1, 1, 1, 0, 1}),
         "runs past the image"},
        {"RLE rows past the top", rle8(1, {0, 0, 1, 1, 0, 1}), "runs past the image"},
        {"RLE delta out of the image, then a pixel", rle8(2, {0, 2, 5, 0, 1, 1}), "runs past the image"},
        {"RLE without an end before the last row", rle8(2, {5, 1, 0, 0}), "data ends early"},
        {"RLE absolute run cut short", rle8(1, {0, 4, 1, 1}), "data ends early"},
        {"RLE delta cut short", rle8(1, {0, 2, 1}), "data ends early"},
    };
    for (const Case& c : cases) {
        EXPECT_THAT([&] { DecodeBmp(c.file); },
                    ::testing::ThrowsMessage<SkinError>(::testing::HasSubstr(c.message)))
            << c.name;
    }
}

TEST(BmpCodec, FileSizeComesFromTheHeader) {
    Bytes file = EncodeBmp(Pattern(3, 3, 2), 24);
    file.resize(file.size() + 7, 0xAA);  // what follows in a container
    EXPECT_EQ(BmpFileSize(file), file.size() - 7);
    EXPECT_EQ(ReadBmpDimensions(file).width, 3);
    EXPECT_THROW(BmpFileSize(Bytes{'B', 'M', 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), SkinError);
    EXPECT_THROW(BmpFileSize(Bytes{'M', 'B', 99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), SkinError);
    EXPECT_THROW(BmpFileSize(Bytes{'B', 'M', 99}), SkinError);
}

}  // namespace
}  // namespace vemora::skin
