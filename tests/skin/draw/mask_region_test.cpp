#include "skin/draw/mask_region.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "draw_test_support.h"
#include "skin/data/bmp_codec.h"

namespace vemora::skin {
namespace {

using test::Picture;
using Grid = std::vector<std::string>;
using Rects = std::vector<Rect>;

// In mask grids '#' is black (inside), '.' white, 'r' a colour with zero bytes that is not black.

TEST(SkinMaskRegion, EveryBlackRunOfARowIsOneRectangle) {
    struct Case {
        std::string row;
        Rects expected;
    };
    const Case cases[] = {
        {"#######", {{0, 0, 7, 1}}},
        {".......", {}},
        {"#..##.#", {{0, 0, 1, 1}, {3, 0, 5, 1}, {6, 0, 7, 1}}},
        {"########################", {{0, 0, 24, 1}}},  // whole blocks of eight
        {"..........#.........######", {{10, 0, 11, 1}, {20, 0, 26, 1}}},
        {"rrrrrrrrr#rrrrrrrr##", {{9, 0, 10, 1}, {18, 0, 20, 1}}},
    };
    for (const Case& c : cases) {
        Image24 mask = Picture({c.row});
        for (int x = 0; x < mask.Width(); ++x) {
            if (c.row[size_t(x)] == 'r') mask.SetPixel(x, 0, 0x0000FF);
        }
        const auto region = MaskToRegionRects(mask, 0, 0);
        ASSERT_TRUE(region);
        EXPECT_EQ(region->rects, c.expected) << c.row;
    }
}

TEST(SkinMaskRegion, RectanglesAreInScanOrderAtTheOffset) {
    const auto region = MaskToRegionRects(Picture({"#..#", "....", ".##."}), 5, 7);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->bounds, (Rect{5, 7, 9, 10}));
    EXPECT_EQ(region->rects, (Rects{{5, 7, 6, 8}, {8, 7, 9, 8}, {6, 9, 8, 10}}));
    EXPECT_FALSE(MaskToRegionRects(Image24(), 0, 0));
    EXPECT_FALSE(RegionFromMask(Image24()));
}

TEST(SkinMaskRegion, RegionDataIsTheHeaderThenSixteenBytesPerRectangle) {
    const MaskRegion region{{-1, 2, 300, 4}, {{0, 2, 1, 3}, {-1, 3, 300, 4}}};
    const std::vector<uint8_t> data = RegionDataBytes(region);
    ASSERT_EQ(data.size(), 32u + 2 * 16u);
    auto at = [&](size_t offset) {
        int32_t v;
        std::memcpy(&v, data.data() + offset, 4);
        return v;
    };
    EXPECT_EQ((std::vector<int32_t>{at(0), at(4), at(8), at(12), at(16), at(20), at(24), at(28)}),
              (std::vector<int32_t>{32, 1, 2, 0, -1, 2, 300, 4}));
    EXPECT_EQ((std::vector<int32_t>{at(48), at(52), at(56), at(60)}), (std::vector<int32_t>{-1, 3, 300, 4}));
    EXPECT_EQ(RegionDataBytes(MaskRegion{{0, 0, 3, 3}, {}}).size(), 32u);
}

// A bottom-up palette bitmap file of the given depth; rows of palette indices, top first.
std::vector<uint8_t> IndexedBmp(int bits, const std::vector<PixelColor>& palette,
                                const std::vector<std::vector<int>>& rows) {
    const int h = int(rows.size()), w = int(rows[0].size());
    const size_t stride = (size_t(w) * bits + 31) / 32 * 4;
    const size_t offset = 14 + 40 + 4 * palette.size();
    std::vector<uint8_t> file(offset + stride * h, 0);
    auto put = [&](size_t at, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) file[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, uint32_t(file.size()), 4);
    put(10, uint32_t(offset), 4);
    put(14, 40, 4);
    put(18, uint32_t(w), 4);
    put(22, uint32_t(h), 4);
    put(26, 1, 2);
    put(28, uint32_t(bits), 2);
    put(46, uint32_t(palette.size()), 4);
    for (size_t i = 0; i < palette.size(); ++i) put(54 + 4 * i, palette[i], 4);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = file.data() + offset + stride * size_t(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const int bit = x * bits;
            row[bit / 8] |= uint8_t(rows[size_t(y)][size_t(x)] << (8 - bits - bit % 8));
        }
    }
    return file;
}

// Palette masks decode to the colours of their entries; black entries are inside, and a
// near-black entry is not.
TEST(SkinMaskRegion, PaletteMasksGiveTheRectanglesOfTheirTrueColourEquivalent) {
    const std::vector<std::vector<int>> indices = {
        {1, 0, 0, 1, 1, 1, 0, 0, 1},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 1, 1, 1, 1, 1, 1, 1, 1},
        {0, 2, 0, 3, 0, 1, 2, 0, 3},
    };
    // Index 0 is black; 2 and 3 exist only in the deeper palettes.
    const std::vector<PixelColor> colors = {0x000000, 0xFFFFFF, 0x000001, 0x808080};
    const Image24 trueColour = [&] {
        Image24 image(9, 4);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 9; ++x) image.SetPixel(x, y, colors[size_t(indices[size_t(y)][size_t(x)])]);
        }
        return image;
    }();
    const auto expected = MaskToRegionRects(trueColour, 0, 0);
    ASSERT_TRUE(expected);

    struct Case {
        int bits;
        std::vector<PixelColor> palette;
    };
    std::vector<PixelColor> wide(256, 0x00FF00);
    for (size_t i = 0; i < colors.size(); ++i) wide[i] = colors[i];
    const Case cases[] = {
        {1, {0x000000, 0xFFFFFF}},
        {4, {colors[0], colors[1], colors[2], colors[3], 0x123456}},
        {8, wide},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<int>> rows = indices;
        if (c.bits == 1) {
            for (auto& row : rows) {
                for (int& i : row) i = i == 0 ? 0 : 1;  // a two-colour mask has only black and white
            }
        }
        const Image24 decoded = DecodeBmp(IndexedBmp(c.bits, c.palette, rows));
        const auto region = MaskToRegionRects(decoded, 0, 0);
        ASSERT_TRUE(region) << c.bits;
        if (c.bits == 1) {
            EXPECT_EQ(region->rects, (Rects{{1, 0, 3, 1},
                                            {6, 0, 8, 1},
                                            {0, 1, 9, 2},
                                            {0, 3, 1, 4},
                                            {2, 3, 3, 4},
                                            {4, 3, 5, 4},
                                            {7, 3, 8, 4}}));
        } else {
            EXPECT_EQ(region->rects, expected->rects) << c.bits;
        }
    }
}

// Rasterises the union of rectangles into a grid of '#' (inside) and '.'.
Grid Coverage(const Rects& rects, int w, int h) {
    Grid grid(size_t(h), std::string(size_t(w), '.'));
    for (const Rect& r : rects) {
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y) {
            for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x) grid[size_t(y)][size_t(x)] = '#';
        }
    }
    return grid;
}

TEST(SkinMaskRegion, AFrameRegionIsTheInnerRectangleWithTheMaskStripsAround) {
    // Rounded top corners: the right one moves with the frame's right edge.
    const Image24 mask = Picture({".###.", "#####", "#####", "#####", "#####"});
    const NineAreaPoints source{{1, 1}, {4, 1}, {1, 4}, {4, 4}, {1, 1, 4, 4}};
    NineAreaPoints target{{1, 1}, {7, 1}, {1, 6}, {7, 6}, {1, 1, 7, 6}};
    const auto parts = RegionFromFrameMask(source, target, mask, 8, 7);
    ASSERT_TRUE(parts);
    EXPECT_EQ(Coverage(RegionRects(*parts), 8, 7),
              (Grid{".######.", "########", "########", "########", "########", "########", "########"}));
    ASSERT_EQ(parts->size(), 5u);  // the inner rectangle, then top, bottom, left and right
    EXPECT_EQ((*parts)[0].rects, (Rects{{1, 1, 7, 6}}));
    EXPECT_EQ((*parts)[2].rects, (Rects{{0, 6, 8, 7}}));
    EXPECT_EQ((*parts)[4].rects.front(), (Rect{7, 1, 8, 2}));

    target.client = Rect{1, 1, 1, 6};  // no inner area: only the strips remain
    const auto strips = RegionFromFrameMask(source, target, mask, 8, 7);
    ASSERT_TRUE(strips);
    EXPECT_EQ(strips->size(), 4u);

    NineAreaPoints reversed = target;
    reversed.rt = {0, 1};
    EXPECT_FALSE(RegionFromFrameMask(source, reversed, mask, 8, 7));
    reversed = target;
    reversed.lb = {1, 0};
    EXPECT_FALSE(RegionFromFrameMask(source, reversed, mask, 8, 7));
}

}  // namespace
}  // namespace vemora::skin
