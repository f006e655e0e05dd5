#include "skin/draw/image.h"

#include <gtest/gtest.h>

#include <array>

namespace vemora::skin {
namespace {

TEST(Image24, RowLayoutMatchesATopDownDibSection) {
    struct Case {
        int width;
        int rowSize;
    };
    for (const Case& c : {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}, Case{378, 1136}}) {
        Image24 image(c.width, 2);
        EXPECT_EQ(image.RowSize(), c.rowSize) << c.width;
        EXPECT_EQ(image.ScanLine(1) - image.ScanLine(0), c.rowSize) << c.width;
    }
}

TEST(Image24, PixelsAreBlueGreenRedInMemoryAndOutsideIsIgnored) {
    Image24 image(3, 2);
    image.SetPixel(2, 1, 0x332211);
    EXPECT_EQ(image.ScanLine(1)[6], 0x11);
    EXPECT_EQ(image.ScanLine(1)[7], 0x22);
    EXPECT_EQ(image.ScanLine(1)[8], 0x33);
    EXPECT_EQ(image.GetPixel(2, 1), 0x332211u);
    image.SetPixel(3, 0, 0xFFFFFF);
    image.SetPixel(-1, 0, 0xFFFFFF);
    EXPECT_EQ(image.GetPixel(3, 0), 0u);
    Image24 expected(3, 2);
    expected.SetPixel(2, 1, 0x332211);
    EXPECT_EQ(image, expected);
}

TEST(Image24, AViewWrapsForeignMemoryAndACopyOwnsItsPixels) {
    std::array<uint8_t, 8> memory{};
    Image24 view = Image24::Wrap(memory.data(), 2, 1);
    view.SetPixel(1, 0, 0xFF0000);  // red is the third byte
    EXPECT_EQ(memory[5], 0xFF);
    Image24 copy = view;
    copy.SetPixel(1, 0, 0);
    EXPECT_EQ(memory[5], 0xFF);
    EXPECT_NE(copy.Bits(), memory.data());
}

TEST(Image24, SizesBeyondTheLimitGiveAnEmptyImage) {
    for (auto [w, h] : {std::pair{-1, 5}, {Image24::kMaxSide + 1, 1}, {30000, 30000}}) {
        EXPECT_TRUE(Image24(w, h).IsEmpty()) << w << "x" << h;
    }
}

}  // namespace
}  // namespace vemora::skin
