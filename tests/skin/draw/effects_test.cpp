#include "skin/draw/effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "draw_test_support.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/pixel_math.h"

namespace vemora::skin {
namespace {

using test::Blues;
using test::GreyImage;
using Rows = std::vector<std::vector<int>>;

TEST(SkinEffects, BlendRoundsHalvesToEvenAndClampsTheFactor) {
    struct Case {
        double k;
        int c, other, expected;
    };
    const Case cases[] = {
        {0.5, 0, 255, 128},                       // 127.5 → the even 128
        {0.5, 1, 2, 2},                           // 1.5 → 2
        {0.5, 2, 3, 2},                           // 2.5 → 2
        {0.5, 3, 4, 4},                           // 3.5 → 4
        {0, 17, 200, 17},                         // k = 0 leaves the image
        {1, 17, 200, 200},                        // k = 1 gives the other image
        {-0.5, 17, 200, 17},                      // clamped to 0
        {2, 17, 200, 200},                        // clamped to 1
        {NAN, 17, 200, 17},  {0.3, 255, 0, 179},  // (1 − 0.3)·255 lies slightly above 178.5
    };
    for (const Case& c : cases) {
        TspEffectBmp image(GreyImage({{c.c}}));
        image.Blend(TspEffectBmp(GreyImage({{c.other}})), c.k);
        EXPECT_EQ(image.GetPixel(0, 0), PixelColor(c.expected) * 0x010101u)
            << c.k << " " << c.c << " " << c.other;
    }
}

// Blend turns the rule into integer work per call (exact integers for factors m / 2^23, a
// fixed-point product, a table of offsets, channels near a half by the rule or a full table
// for large images); every channel pair must still give the rule's result. Each factor is checked over all
// 65536 pairs, blue c against blue c', through a large Blend and a small BlendRect.
TEST(SkinEffects, BlendMatchesTheRoundingRuleForEveryChannelPair) {
    Image24 current(256, 512), other(256, 512);
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 256; ++x) {
            current.SetPixel(x, y, PixelColor(x) | PixelColor(255 - x) << 8);
            other.SetPixel(x, y, PixelColor(y % 256) | PixelColor(y % 256) << 8);
        }
    }
    std::vector<double> factors = {0.5,         0.25,       0.125, 0.75,    0.375,      3.0 / 1024, 0x1p-23,
                                   1 - 0x1p-23, 0x5555p-23, 0.3,   0.1,     0.7,        1.0 / 3,    1e-12,
                                   1 - 1e-12,   0.001,      0.999, 0x1p-40, 1 - 0x1p-40};
    for (int v = 1; v < 255; v += 5) factors.push_back(1 - v / 255.0);  // a control drawn with alpha v
    // k·d just off a half, near enough that a fixed-point product could round the wrong way.
    for (double d : {255.0, 101.0, 3.0}) {
        for (double off : {1e-6, -1e-6, 1e-8, -1e-10, 1e-13})
            factors.push_back((std::floor(d / 2) + 0.5 + off) / d);
    }
    std::mt19937 random(7);
    for (int i = 0; i < 10; ++i) factors.push_back(std::uniform_real_distribution<double>(0, 1)(random));

    for (double k : factors) {
        Image24 large = current, small = current;
        Blend(large, other, k);
        BlendRect(small, other, Rect{0, 0, 256, 256}, 0, 0, k);
        [&] {
            for (int y = 0; y < 256; ++y) {
                for (int x = 0; x < 256; ++x) {
                    const uint8_t expected = BlendChannel(k, x, y);
                    ASSERT_EQ(large.ScanLine(y)[3 * x], expected) << "k=" << k << " c=" << x << " c'=" << y;
                    ASSERT_EQ(small.ScanLine(y)[3 * x], expected) << "k=" << k << " c=" << x << " c'=" << y;
                }
            }
        }();
    }
}

TEST(SkinEffects, BlendRectBlendsTheClippedRectangleFromTheGivenRowAndColumn) {
    Image24 image = GreyImage({{0, 0, 0}, {0, 0, 0}});
    const Image24 other = GreyImage({{10, 20, 30}, {40, 50, 60}});
    // From row 1, column 1 of other; the rectangle reaches past both images.
    BlendRect(image, other, Rect{1, 0, 9, 9}, 1, 1, 1.0);
    EXPECT_EQ(Blues(image), (Rows{{0, 50, 60}, {0, 0, 0}}));
    BlendRect(image, other, Rect{-1, -1, 1, 1}, -5, -5, 1.0);  // reads nothing of other
    EXPECT_EQ(Blues(image), (Rows{{0, 50, 60}, {0, 0, 0}}));
}

TEST(SkinEffects, TwoImageOperationsOnDifferentSizesDoNothing) {
    const Image24 before = GreyImage({{1, 2, 3}, {4, 5, 6}});
    const Image24 other = GreyImage({{9, 9}, {9, 9}});
    for (MorphKind kind :
         {MorphKind::mkDefault, MorphKind::mkGradient, MorphKind::mkLeftGradient, MorphKind::mkRightGradient,
          MorphKind::mkLeftSlide, MorphKind::mkRightSlide, MorphKind::mkPush}) {
        Image24 image = before;
        ApplyMorph(image, other, kind, 0.5);
        EXPECT_EQ(image, before) << int(kind);
    }
}

TEST(SkinEffects, BrightnessAndDarkness) {
    struct Case {
        bool brighten;
        double k;
        int c, expected;
    };
    const Case cases[] = {
        {true, 0.5, 0, 128},    {true, 0.5, 255, 255}, {true, 0, 77, 77},   {true, 3, 77, 255},
        {false, 0.3, 255, 179}, {false, 0.3, 10, 7},   {false, -1, 77, 77}, {false, 1, 77, 0},
    };
    for (const Case& c : cases) {
        TspEffectBmp image(GreyImage({{c.c}}));
        c.brighten ? image.Brightness(c.k) : image.Darkness(c.k);
        EXPECT_EQ(image.GetPixel(0, 0), PixelColor(c.expected) * 0x010101u)
            << c.brighten << " " << c.k << " " << c.c;
    }
}

TEST(SkinEffects, GrayscaleWeighsRedGreenAndBlue) {
    struct Case {
        PixelColor color;
        int expected;
    };
    const Case cases[] = {
        {0xFF0000, 76},  // 76.5 → the even 76
        {0xFFFFFF, 255}, {0x00FF00, 150}, {0x0000FF, 28}, {0x000000, 0}, {0x050000, 2},  // 1.5 → 2
    };
    for (const Case& c : cases) {
        TspEffectBmp image(1, 1);
        image.SetPixel(0, 0, c.color);
        image.Grayscale();
        EXPECT_EQ(image.GetPixel(0, 0), PixelColor(c.expected) * 0x010101u) << std::hex << c.color;
    }
}

// The integer path decides all but the sums ending in a half; compare it with the rule.
TEST(SkinEffects, GrayscaleMatchesTheRoundingRule) {
    Image24 image(256, 256);
    for (int b = 0; b < 256; b += 15) {
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x)
                image.SetPixel(x, y, PixelColor(b) | PixelColor(y) << 8 | PixelColor(x) << 16);
        }
        Grayscale(image);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const int expected = RoundChannel(0.3L * x + 0.59L * y + 0.11L * b);
                ASSERT_EQ(int(image.GetPixel(x, y) & 0xFF), expected) << x << " " << y << " " << b;
            }
        }
    }
}

TEST(SkinEffects, InvertAndTurnsUndoThemselves) {
    Image24 image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) image.SetPixel(x, y, PixelColor(0x102030 * (x + 1) + 0x050607 * y));
    }
    Image24 inverted = image;
    Invert(inverted);
    EXPECT_EQ(inverted.GetPixel(0, 0), 0xFFFFFFu - image.GetPixel(0, 0));
    Invert(inverted);
    EXPECT_EQ(inverted, image);

    Image24 left(3, 5), back(5, 3);
    RotateLeft(image, left);
    EXPECT_EQ(left.GetPixel(0, 4), image.GetPixel(0, 0));  // (x, y) → (y, W − 1 − x)
    EXPECT_EQ(left.GetPixel(2, 0), image.GetPixel(4, 2));
    RotateRight(left, back);
    EXPECT_EQ(back, image);

    Image24 right(3, 5);
    RotateRight(image, right);
    EXPECT_EQ(right.GetPixel(2, 0), image.GetPixel(0, 0));  // (x, y) → (H − 1 − y, x)

    Image24 flipped(5, 3);
    FlipVertical(image, flipped);
    EXPECT_EQ(flipped.GetPixel(1, 2), image.GetPixel(1, 0));

    Image24 wrongSize(4, 4);
    RotateLeft(image, wrongSize);
    EXPECT_EQ(wrongSize, Image24(4, 4));
}

TEST(SkinEffects, MorphCenterHFromTheMiddleColumnWithRampsToBothSides) {
    // x = 0 on a 10-wide image: a = 0, band = column 5, margin 5, step 0.2. The weight is the
    // current picture's share: 0 at the band, 1 at column 0.
    Image24 image = GreyImage({{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
    MorphCenter(image, GreyImage({{255, 255, 255, 255, 255, 255, 255, 255, 255, 255}}), 0);
    EXPECT_EQ(Blues(image), (Rows{{0, 51, 102, 153, 204, 255, 204, 153, 102, 51}}));

    // x = 0.4: a = 4, band 3 ... 7, margin 3, step 1/3.
    image = GreyImage({{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
    MorphCenterH(image, GreyImage({{90, 90, 90, 90, 90, 90, 90, 90, 90, 90}}), 0.4);
    EXPECT_EQ(Blues(image), (Rows{{0, 30, 60, 90, 90, 90, 90, 90, 60, 30}}));
}

TEST(SkinEffects, MorphCenterVRampsAlongRows) {
    // Taller than wide: x = 0 on 7 rows gives b = 0, margin 3, step 1/3, band row 3.
    Image24 image = GreyImage({{0}, {0}, {0}, {0}, {0}, {0}, {0}});
    MorphCenter(image, GreyImage({{90}, {90}, {90}, {90}, {90}, {90}, {90}}), 0);
    EXPECT_EQ(Blues(image), (Rows{{0}, {30}, {60}, {90}, {60}, {30}, {0}}));
}

TEST(SkinEffects, MorphsAlongTheRow) {
    const Image24 current = GreyImage({{10, 20, 30, 40}});
    const Image24 target = GreyImage({{110, 120, 130, 140}});
    struct Case {
        MorphKind kind;
        double x;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {MorphKind::mkLeftGradient, 0.5, {110, 70, 30, 40}},   // a = 2, weights 0, 0.5, 1
        {MorphKind::mkLeftGradient, 0, {110, 20, 30, 40}},     // a raised to 1
        {MorphKind::mkRightGradient, 0.5, {10, 20, 80, 140}},  // a = 2, weights from the right
        {MorphKind::mkRightGradient, 1, {35, 70, 105, 140}},   // a = 0, step 1/4 (35 is 35.0)
        {MorphKind::mkLeftSlide, 0.5, {130, 140, 30, 40}},     // b = 2
        {MorphKind::mkLeftSlide, 1, {120, 130, 140, 40}},      // b lowered to 3
        {MorphKind::mkRightSlide, 0.5, {10, 20, 110, 120}},
        {MorphKind::mkPush, 0.25, {130, 140, 10, 20}},  // a = 1: moved right by 2
        {MorphKind::mkPush, 0, {140, 10, 20, 30}},      // a = 0
        {MorphKind::mkPush, 1, {110, 120, 130, 140}},   // a lowered to 3
        {MorphKind::mkDefault, 0.5, {60, 70, 80, 90}},
        {MorphKind::mkLeftSlide, 7, {120, 130, 140, 40}},  // progress clamped
        {MorphKind::mkPush, -3, {140, 10, 20, 30}},
    };
    for (const Case& c : cases) {
        Image24 image = current;
        ApplyMorph(image, target, c.kind, c.x);
        EXPECT_EQ(Blues(image), (Rows{c.expected})) << int(c.kind) << " x=" << c.x;
    }
}

TEST(SkinEffects, MorphsOfOnePixelStayInside) {
    for (MorphKind kind : {MorphKind::mkGradient, MorphKind::mkLeftGradient, MorphKind::mkRightGradient,
                           MorphKind::mkLeftSlide, MorphKind::mkRightSlide, MorphKind::mkPush}) {
        for (double x : {0.0, 0.5, 1.0}) {
            Image24 image = GreyImage({{10}});
            ApplyMorph(image, GreyImage({{200}}), kind, x);
            const int v = int(image.GetPixel(0, 0) & 0xFF);
            EXPECT_TRUE(v == 10 || v == 200) << int(kind) << " " << x << " " << v;
        }
    }
}

TEST(SkinEffects, NoiseAddsOneOffsetPerPixelAndClamps) {
    Image24 image = GreyImage({{100, 10, 250, 100}});
    const std::vector<uint32_t> values = {0, 49, 25, 1049};  // mod 50: −25, +24, 0, +24
    size_t next = 0;
    Noise(image, 50, [&] { return values[next++]; });
    EXPECT_EQ(Blues(image), (Rows{{75, 34, 250, 124}}));
    EXPECT_EQ(next, 4u);

    Image24 unchanged = GreyImage({{100}});
    Noise(unchanged, 0, [] { return 7u; });
    EXPECT_EQ(Blues(unchanged), (Rows{{100}}));
}

TEST(SkinEffects, SplitBlurReadsRowsAboveAsChangedAndTheCurrentRowAsItWas) {
    struct Case {
        Image24 image;
        int a;
        Rows expected;
    };
    const Case cases[] = {
        {GreyImage({{10, 20, 40}}), 0, {{10, 20, 40}}},
        // One row: columns 0|1, 0|2, 1|1 (the right edge reads W − x).
        {GreyImage({{10, 20, 40}}), 1, {{15, 25, 20}}},
        // One column: row 1 reads the changed row 0, row 2 reads row 1 twice (H − y).
        {GreyImage({{0}, {40}, {80}}), 1, {{20}, {50}, {50}}},
        // A distance beyond both sides reads the last row and column instead of H and W.
        {GreyImage({{0, 100}, {100, 200}}), 5, {{100, 150}, {150, 200}}},
        {GreyImage({{10, 20}}), -1, {{10, 20}}},
    };
    for (const Case& c : cases) {
        Image24 image = c.image;
        SplitBlur(image, c.a);
        EXPECT_EQ(Blues(image), c.expected) << c.a;
    }
}

TEST(SkinEffects, ImageEffectsUseTheirFixedConstants) {
    struct Case {
        ImageEffect effect;
        PixelColor before, after;
    };
    const Case cases[] = {
        {ImageEffect::ieBrightness, 0x000000, 0x808080}, {ImageEffect::ieDarkness, 0xFFFFFF, 0xB3B3B3},
        {ImageEffect::ieGrayscale, 0xFF0000, 0x4C4C4C},  {ImageEffect::ieInvert, 0x102030, 0xEFDFCF},
        {ImageEffect::ieSplitBlur, 0x123456, 0x123456},  // a uniform picture stays as it is
    };
    for (const Case& c : cases) {
        TspEffectBmp image(2, 2);
        image.Image().Fill(c.before);
        image.Effect(c.effect);
        EXPECT_EQ(image.GetPixel(1, 1), c.after) << int(c.effect);
    }
    TspEffectBmp noisy(64, 4);
    noisy.Image().Fill(0x808080);
    noisy.Effect(ImageEffect::ieNoise);  // offsets −25 ... +24
    for (int x = 0; x < 64; ++x) {
        const int v = int(noisy.GetPixel(x, 2) & 0xFF);
        EXPECT_TRUE(v >= 128 - 25 && v <= 128 + 24) << v;
    }
}

static_assert(int(MorphKind::mkPush) == 6 && int(MorphKind::mkGradient) == 1);
static_assert(int(ImageEffect::ieInvert) == 5 && int(ImageEffect::ieNoise) == 3);

}  // namespace
}  // namespace vemora::skin
