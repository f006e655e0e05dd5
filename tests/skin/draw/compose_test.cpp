#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw_test_support.h"
#include "skin/draw/copy_rect.h"
#include "skin/draw/nine_area.h"

namespace vemora::skin {
namespace {

using test::Letters;
using test::Picture;
using Grid = std::vector<std::string>;

// In the expected grids '#' is a pixel nothing was drawn on (black).

TEST(SkinCompose, CopyRectScalesNearestNeighbourAndClipsToBothImages) {
    const Image24 source = Picture({"abc", "def"});
    struct Case {
        Rect to, from;
        Grid expected;
    };
    const Case cases[] = {
        {{0, 0, 3, 2}, {0, 0, 3, 2}, {"abc.", "def.", "...."}},
        {{0, 0, 4, 1}, {0, 0, 2, 1}, {"aabb", "....", "...."}},    // enlarged
        {{0, 0, 2, 1}, {0, 0, 3, 1}, {"ac..", "....", "...."}},    // reduced: centre samples
        {{0, 0, 1, 3}, {1, 0, 2, 2}, {"b...", "e...", "e..."}},    // rows too
        {{-1, -1, 2, 1}, {0, 0, 3, 2}, {"ef..", "....", "...."}},  // target corner outside
        {{2, 1, 5, 3}, {1, 1, 4, 3}, {"....", "..ef", "...."}},    // source and target poke out
        {{0, 0, 3, 2}, {5, 5, 8, 7}, {"....", "....", "...."}},    // source outside the picture
        {{3, 0, 0, 2}, {0, 0, 3, 2}, {"....", "....", "...."}},    // reversed
        {{0, 0, 4, 3}, {0, 0, 0, 2}, {"....", "....", "...."}},    // no source width
    };
    for (const Case& c : cases) {
        Image24 target = Picture({"....", "....", "...."});
        CopyRect(target, c.to, source, c.from);
        EXPECT_EQ(Letters(target), c.expected) << c.to.left << "," << c.to.top << " " << c.from.left;
    }
}

// Wide and tall copies take the gathering and run paths; every target pixel must still be
// the source pixel under its centre: floor((2i + 1)·source length / (2·target length)).
TEST(SkinCompose, ScaledCopiesTakeTheSourcePixelUnderEachTargetPixelCentre) {
    Image24 source(300, 40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 300; ++x) source.SetPixel(x, y, PixelColor(x) | PixelColor(y) << 16 | 0x8000);
    }
    struct Case {
        Rect to, from;
    };
    const Case cases[] = {
        {{0, 0, 1897, 27}, {10, 0, 255, 27}},    // the frame's top run, enlarged about 7.7 times
        {{-13, -5, 700, 300}, {3, 2, 290, 39}},  // starting outside the target, rows enlarged too
        {{5, 0, 120, 9}, {0, 0, 300, 40}},       // reduced in both directions
        {{0, 0, 333, 12}, {250, 30, 310, 42}},   // source poking out right and below
    };
    for (const Case& c : cases) {
        Image24 target(720, 310);
        target.Fill(0x010203);
        CopyRect(target, c.to, source, c.from);
        const int64_t dw = RectWidth(c.to), dh = RectHeight(c.to), sw = RectWidth(c.from),
                      sh = RectHeight(c.from);
        int mismatches = 0;
        for (int y = 0; y < target.Height() && mismatches < 3; ++y) {
            for (int x = 0; x < target.Width() && mismatches < 3; ++x) {
                PixelColor expected = 0x010203;
                if (x >= c.to.left && x < c.to.right && y >= c.to.top && y < c.to.bottom) {
                    const int64_t sx = c.from.left + (2 * (x - c.to.left) + 1) * sw / (2 * dw);
                    const int64_t sy = c.from.top + (2 * (y - c.to.top) + 1) * sh / (2 * dh);
                    if (source.Contains(int(sx), int(sy))) expected = source.GetPixel(int(sx), int(sy));
                }
                if (target.GetPixel(x, y) != expected) {
                    ++mismatches;
                    ADD_FAILURE() << "to " << c.to.left << "," << c.to.top << " pixel " << x << "," << y;
                }
            }
        }
    }
}

// Wide and tall tilings take the doubling and block paths; every target pixel must still be
// the source pixel at its offset from the run start modulo the run length (scaled across
// the run, as for a copy).
TEST(SkinCompose, TiledCopiesRepeatTheSourceFromTheRunStart) {
    Image24 source(300, 40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 300; ++x) source.SetPixel(x, y, PixelColor(x) | PixelColor(y) << 16 | 0x8000);
    }
    enum Kind { kAlongX, kAlongY, kBoth };
    struct Case {
        Kind kind;
        Rect to, from;
    };
    const Case cases[] = {
        {kAlongX, {-7, 3, 700, 30}, {10, 0, 23, 27}}, {kAlongX, {0, 0, 720, 12}, {290, 0, 310, 24}},
        {kAlongY, {0, -9, 8, 310}, {0, 29, 8, 159}},  {kAlongY, {3, 2, 400, 300}, {5, 35, 77, 45}},
        {kBoth, {8, 27, 712, 300}, {8, 27, 37, 40}},  {kBoth, {-5, -5, 600, 200}, {1, 1, 2, 3}},
    };
    auto nearest = [](int64_t i, int64_t s, int64_t d) { return (2 * i + 1) * s / (2 * d); };
    auto wrap = [](int64_t i, int64_t n) { return ((i % n) + n) % n; };
    for (const Case& c : cases) {
        Image24 target(720, 310);
        target.Fill(0x010203);
        const int64_t dw = RectWidth(c.to), dh = RectHeight(c.to), sw = RectWidth(c.from),
                      sh = RectHeight(c.from);
        (c.kind == kAlongX   ? TileRectH
         : c.kind == kAlongY ? TileRectV
                             : TileRect)(target, c.to, source, c.from);
        int mismatches = 0;
        for (int y = 0; y < target.Height() && mismatches < 3; ++y) {
            for (int x = 0; x < target.Width() && mismatches < 3; ++x) {
                PixelColor expected = 0x010203;
                if (x >= c.to.left && x < c.to.right && y >= c.to.top && y < c.to.bottom) {
                    const int64_t i = x - c.to.left, j = y - c.to.top;
                    const int64_t sx = c.from.left + (c.kind == kAlongY ? nearest(i, sw, dw) : wrap(i, sw));
                    const int64_t sy = c.from.top + (c.kind == kAlongX ? nearest(j, sh, dh) : wrap(j, sh));
                    if (source.Contains(int(sx), int(sy))) expected = source.GetPixel(int(sx), int(sy));
                }
                if (target.GetPixel(x, y) != expected) {
                    ++mismatches;
                    ADD_FAILURE() << "kind " << c.kind << " to " << c.to.left << "," << c.to.top << " pixel "
                                  << x << "," << y;
                }
            }
        }
    }
}

TEST(SkinCompose, TilingStartsEveryCopyOneRunFurtherAndCutsTheLast) {
    const Image24 source = Picture({"abcdefghij", "klmnopqrst"});
    Image24 row = Picture({std::string(25, '.')});
    TileRectH(row, {0, 0, 25, 1}, source, {0, 0, 10, 1});  // copies at 0, 10 and 5 pixels at 20
    EXPECT_EQ(Letters(row), (Grid{"abcdefghijabcdefghijabcde"}));

    Image24 shifted = Picture({std::string(8, '.')});
    TileRectH(shifted, {-2, 0, 8, 1}, source, {0, 0, 3, 1});  // the run starts left of the image
    EXPECT_EQ(Letters(shifted), (Grid{"cabcabca"}));

    Image24 poking = Picture({std::string(8, '.')});
    TileRectH(poking, {0, 0, 8, 1}, source, {8, 0, 11, 1});  // column 10 does not exist
    EXPECT_EQ(Letters(poking), (Grid{"ij.ij.ij"}));

    Image24 column = Picture({".", ".", ".", ".", "."});
    TileRectV(column, {0, 0, 1, 5}, source, {2, 0, 3, 2});
    EXPECT_EQ(Letters(column), (Grid{"c", "m", "c", "m", "c"}));

    Image24 area = Picture({"....", "....", "...."});
    TileRect(area, {1, 0, 4, 3}, source, {0, 0, 2, 2});
    EXPECT_EQ(Letters(area), (Grid{".aba", ".klk", ".aba"}));
}

// A 5 × 5 picture with its inner rectangle one pixel in from every side; the corner points
// sit on the inner rectangle's corners.
const Grid kFrame = {"abcde", "fghij", "klmno", "pqrst", "uvwxy"};
const NineAreaPoints kFramePoints{{1, 1}, {4, 1}, {1, 4}, {4, 4}, {1, 1, 4, 4}};
// The same geometry for an 8 × 7 image.
const NineAreaPoints kGrownPoints{{1, 1}, {7, 1}, {1, 6}, {7, 6}, {1, 1, 7, 6}};

TEST(SkinCompose, NineAreaImageTilesOrStretchesItsRunsAroundFixedCorners) {
    struct Case {
        const char* name;
        bool fill;
        StretchFlags stretch;
        Grid expected;
    };
    const Case cases[] = {
        {"tiled",
         true,
         {},
         {"abcdbcde", "fghighij", "klmnlmno", "pqrsqrst", "fghighij", "klmnlmno", "uvwxvwxy"}},
        {"not filled",
         false,
         {},
         {"abcdbcde", "f######j", "k######o", "p######t", "f######j", "k######o", "uvwxvwxy"}},
        {"stretched",
         true,
         {true, true, true, true},
         {"abbccdde", "fghighij", "flmnlmnj", "kqrsqrso", "pghighit", "plmnlmnt", "uvvwwxxy"}},
        {"top stretched only",
         true,
         {false, true, false, false},
         {"abbccdde", "fghighij", "klmnlmno", "pqrsqrst", "fghighij", "klmnlmno", "uvwxvwxy"}},
    };
    const Image24 picture = Picture(kFrame);
    for (const Case& c : cases) {
        const Image24 image = BuildStretchNineAreaImage(kFramePoints, kGrownPoints, picture, {0, 0, 5, 5}, 8,
                                                        7, c.fill, c.stretch);
        EXPECT_EQ(Letters(image), c.expected) << c.name;
    }
    // The plain builder tiles every run; a source rectangle elsewhere in a larger picture
    // gives the same image.
    const Image24 larger = Picture({"zzzzzzzz", "zzabcdez", "zzfghijz", "zzklmnoz", "zzpqrstz", "zzuvwxyz"});
    EXPECT_EQ(Letters(BuildNineAreaImage(kFramePoints, kGrownPoints, larger, {2, 1, 7, 6}, 8, 7, true)),
              cases[0].expected);
}

TEST(SkinCompose, GeometryWithoutRunsOrPictureBuildsNothing) {
    const Image24 picture = Picture(kFrame);
    NineAreaPoints sameX = kFramePoints;
    sameX.rb.x = sameX.lt.x;
    NineAreaPoints sameY = kFramePoints;
    sameY.rb.y = sameY.lt.y;
    NineAreaPoints reversed = kFramePoints;  // right-top left of left-top: that run draws nothing
    reversed.rt = {0, 1};
    struct Case {
        const char* name;
        NineAreaPoints source;
        const Image24* picture;
        Rect sourceRect;
    };
    const Image24 empty;
    const Case cases[] = {
        {"all points zero", NineAreaPoints{}, &picture, {0, 0, 5, 5}},
        {"rb.x = lt.x", sameX, &picture, {0, 0, 5, 5}},
        {"rb.y = lt.y", sameY, &picture, {0, 0, 5, 5}},
        {"empty picture", kFramePoints, &empty, {0, 0, 5, 5}},
        {"source outside the picture", kFramePoints, &picture, {100, 100, 105, 105}},
    };
    for (const Case& c : cases) {
        const Image24 image =
            BuildNineAreaImage(c.source, kGrownPoints, *c.picture, c.sourceRect, 8, 7, true);
        EXPECT_EQ(image, Image24(8, 7)) << c.name;
    }
    // A reversed run is skipped and the rest is still drawn.
    const Image24 image = BuildNineAreaImage(reversed, kGrownPoints, picture, {0, 0, 5, 5}, 8, 7, false);
    EXPECT_EQ(Letters(image)[1], "f######j");
    EXPECT_TRUE(BuildNineAreaImage(kFramePoints, kGrownPoints, picture, {0, 0, 5, 5}, 0, 7, true).IsEmpty());
}

// A 6 × 6 frame picture whose corner points are not on its inner rectangle's corners,
// grown to 9 × 8 with a target inner rectangle one row taller at the top, and the left-top
// point one column further right: the two strip builders differ there.
const Grid kStripPicture = {"abcdef", "ghijkl", "mnopqr", "stuvwx", "yzABCD", "EFGHIJ"};
const NineAreaPoints kStripSource{{1, 2}, {4, 2}, {2, 4}, {4, 4}, {1, 1, 5, 5}};
const NineAreaPoints kStripTarget{{2, 2}, {7, 2}, {2, 6}, {7, 6}, {1, 2, 8, 7}};

TEST(SkinCompose, BorderStripsTileFromTheTargetPointsAtTheSourceHeights) {
    const BorderStrips strips = BuildBorderStrips(kStripSource, kStripTarget, Picture(kStripPicture), 9);
    EXPECT_EQ(Letters(strips.top), (Grid{"a#bcdbcef"}));  // left part keeps its source width
    EXPECT_EQ(Letters(strips.bottom), (Grid{"EFGHGHGIJ"}));
    EXPECT_EQ(Letters(strips.left), (Grid{"g", "s", "m", "s", "y"}));  // inner rectangle's target height
    EXPECT_EQ(Letters(strips.right), (Grid{"l", "x", "r", "x", "D"}));
}

TEST(SkinCompose, StretchBorderStripsTileFromZeroAtTheTargetHeights) {
    struct Case {
        StretchFlags stretch;
        Grid top, bottom, left, right;
    };
    const Case cases[] = {
        {{}, {"aadbcdbef", "ggjhijhkl"}, {"EFGHGHGIJ"}, {"g", "s", "m", "s", "y"}, {"l", "x", "r", "x", "D"}},
        {{true, true, true, true},
         {"aabbcddef", "gghhijjkl"},
         {"EFGGHHHIJ"},
         {"g", "m", "s", "s", "y"},
         {"l", "r", "x", "x", "D"}},
    };
    for (const Case& c : cases) {
        const BorderStrips strips = BuildStretchBorderStrips(
            kStripSource, kStripTarget, Picture(kStripPicture), {0, 0, 6, 6}, 9, 8, c.stretch);
        EXPECT_EQ(Letters(strips.top), c.top);
        EXPECT_EQ(Letters(strips.bottom), c.bottom);
        EXPECT_EQ(Letters(strips.left), c.left);
        EXPECT_EQ(Letters(strips.right), c.right);
    }
}

// The strip builders clear only strips whose pieces leave gaps: whatever the memory held
// before must never show.
TEST(SkinCompose, StripsNeverShowTheMemoryTheyWereBuiltIn) {
    const Image24 picture = Picture(kStripPicture);
    NineAreaPoints gap = kStripSource;  // a left part with no source columns
    gap.lt.x = 0;
    NineAreaPoints outside = kStripSource;  // runs reaching beyond the picture
    outside.rt.x = 9;
    outside.rb.y = 8;
    for (const NineAreaPoints* source :
         std::initializer_list<const NineAreaPoints*>{&kStripSource, &gap, &outside}) {
        for (bool stretched : {false, true}) {
            const StretchFlags flags{stretched, stretched, stretched, stretched};
            BorderStrips builds[2];
            for (int i = 0; i < 2; ++i) {
                SetStripMemoryProbe(i == 0 ? 0x00 : 0xFF);
                builds[i] = stretched ? BuildStretchBorderStrips(*source, kStripTarget, picture, {0, 0, 6, 6},
                                                                 9, 8, flags)
                                      : BuildBorderStrips(*source, kStripTarget, picture, 9);
            }
            SetStripMemoryProbe(-1);
            EXPECT_EQ(builds[0].top, builds[1].top) << stretched;
            EXPECT_EQ(builds[0].bottom, builds[1].bottom) << stretched;
            EXPECT_EQ(builds[0].left, builds[1].left) << stretched;
            EXPECT_EQ(builds[0].right, builds[1].right) << stretched;
        }
    }
}

TEST(SkinCompose, StripsWithoutSizeOrRunAreNotBuilt) {
    const Image24 picture = Picture(kStripPicture);
    NineAreaPoints flat = kStripSource;
    flat.rt.x = flat.lt.x;  // no top run: the stretch variant skips the top strip
    const BorderStrips stretch =
        BuildStretchBorderStrips(flat, kStripTarget, picture, {0, 0, 6, 6}, 9, 8, {});
    EXPECT_TRUE(stretch.top.IsEmpty());
    EXPECT_EQ(stretch.left.Height(), 8 - 1);  // side strips take the height the top strip left
    const BorderStrips plain = BuildBorderStrips(flat, kStripTarget, picture, 9);
    EXPECT_EQ(Letters(plain.top), (Grid{"a######ce"}));  // built, its middle skipped
    const BorderStrips none = BuildBorderStrips(kStripSource, kStripTarget, Image24(), 9);
    EXPECT_TRUE(none.top.IsEmpty() && none.bottom.IsEmpty() && none.left.IsEmpty() && none.right.IsEmpty());
}

TEST(SkinCompose, ThreePartStripsKeepTheirEndsAndTileTheMiddle) {
    const Image24 picture = Picture({"zLLabcdefghijRRz", "zLLklmnopqrstRRz"});
    const Image24 strip = TileStripH(2, 2, picture, {1, 0, 15, 1}, 29);
    EXPECT_EQ(Letters(strip), (Grid{"LLabcdefghijabcdefghijabcdeRR"}));
    EXPECT_EQ(Letters(TileStripH(2, 2, picture, {1, 0, 15, 2}, 3)), (Grid{"LRR", "LRR"}));  // no middle

    const Image24 tall = Picture({"a", "b", "c", "d", "e"});
    EXPECT_EQ(Letters(TileStripV(1, 1, tall, {0, 0, 1, 5}, 8)),
              (Grid{"a", "b", "c", "d", "b", "c", "d", "e"}));
}

}  // namespace
}  // namespace vemora::skin
