#include "skin/draw/marks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draw_test_support.h"
#include "skin/draw/ellipsize.h"
#include "skin/draw/glyph_frame.h"

namespace vemora::skin {
namespace {

using test::Letters;
using test::Picture;
using Grid = std::vector<std::string>;

constexpr PixelColor kInk = 0x102030;

Grid Drawn(int w, int h, const std::function<void(Image24&)>& draw) {
    Image24 image = Picture(Grid(size_t(h), std::string(size_t(w), '.')));
    draw(image);
    return Letters(image, kInk);
}

TEST(SkinMarks, ArrowsPointTheirWayFromTheCentreOfTheRectangle) {
    struct Case {
        int direction;
        Grid expected;
    };
    const Case cases[] = {
        {1,
         {".........", ".....#...", "....##...", "...###...", "..####...", "...###...", "....##...",
          ".....#...", "........."}},
        {2,
         {".........", "...#.....", "...##....", "...###...", "...####..", "...###...", "...##....",
          "...#.....", "........."}},
        {3,
         {".........", ".........", "....#....", "...###...", "..#####..", ".#######.", ".........",
          ".........", "........."}},
        {4,
         {".........", ".........", ".........", ".#######.", "..#####..", "...###...", "....#....",
          ".........", "........."}},
        {5, Grid(9, ".........")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Drawn(9, 9,
                        [&](Image24& image) {
                            DrawArrowMark(image, {0, 0, 9, 9}, kInk, c.direction);
                        }),
                  c.expected)
            << c.direction;
    }
}

TEST(SkinMarks, MarksAndCaptionGlyphsAgainstTheirPixels) {
    struct Case {
        const char* name;
        std::function<void(Image24&)> draw;
        Grid expected;
    };
    const Case cases[] = {
        {"check mark",
         [](Image24& i) { DrawCheckMark(i, 0, 0, kInk); },
         {"........", "......#.", ".....##.", "#...###.", "##.###..", "#####...", ".###....", "..#.....",
          "........"}},
        {"radio dot",
         [](Image24& i) { DrawRadioDot(i, 1, 1, kInk); },
         {"........", ".######.", ".######.", ".######.", ".######.", ".######.", ".######.", "........"}},
        {"close",
         [](Image24& i) { DrawCloseGlyph(i, 0, 0, kInk); },
         {"...........", ".##.....##.", "..##...##..", "...##.##...", "....###....", "....###....",
          "...##.##...", "..##...##..", ".##.....##.", "..........."}},
        {"restore",
         [](Image24& i) { DrawRestoreGlyph(i, 0, 0, kInk); },
         {"..########.", "..########.", "..#......#.", "..#......#.", "#######..#.", "##########.",
          "#.....#....", "#.....#....", "#.....#....", "#######...."}},
        {"maximize",
         [](Image24& i) { DrawMaximizeGlyph(i, 0, 0, kInk); },
         {"###########", "###########", "#.........#", "#.........#", "#.........#", "#.........#",
          "#.........#", "#.........#", "#.........#", "###########"}},
        {"roll-up, down",  // the first line has no length: the end pixel is left out
         [](Image24& i) { DrawTriangleDownGlyph(i, 0, 0, kInk); },
         {"...........", "...........", ".########..", "..######...", "...####....", "....##.....",
          "...........", "...........", "...........", "..........."}},
        {"system menu and minimize",
         [](Image24& i) {
             DrawSysMenuGlyph(i, 0, 0, kInk);
             DrawMinimizeGlyph(i, 0, 0, kInk);
         },
         {"...........", "...........", "...........", ".########..", ".#......#..", ".########..",
          "...........", "...........", ".########..", ".########.."}},
        {"clipped at the canvas edge",
         [](Image24& i) { DrawCloseGlyph(i, -4, -4, kInk); },
         {"###....", "###....", "#.##...", "...##..", "....##.", ".......", ".......", "......."}},
    };
    for (const Case& c : cases) {
        const int w = int(c.expected[0].size()), h = int(c.expected.size());
        EXPECT_EQ(Drawn(w, h, c.draw), c.expected) << c.name;
    }
}

TEST(SkinGlyphFrame, DrawsOneFrameWithItsBottomLeftColourTransparent) {
    // Four frames of 10 columns; frame 2's bottom-left pixel is 'z'.
    const Image24 strip =
        Picture({"aaaaaaaaaabcdezghijkllllllllllmmmmmmmmmm", "aaaaaaaaaazbzbzbzbzbllllllllllmmmmmmmmmm"});
    EXPECT_EQ(GlyphFrameRect(strip, 4, 2), (Rect{10, 0, 20, 2}));
    Image24 canvas = Picture({"............", "............"});
    DrawGlyphFrame(canvas, 1, 0, strip, 4, 2);
    EXPECT_EQ(Letters(canvas), (Grid{".bcde.ghijk.", "..b.b.b.b.b."}));

    for (auto [count, frame] : {std::pair{4, 0}, {4, 5}, {0, 1}, {41, 1}}) {
        Image24 untouched = Picture({"............", "............"});
        DrawGlyphFrame(untouched, 0, 0, strip, count, frame);
        EXPECT_EQ(Letters(untouched), (Grid{"............", "............"})) << count << " " << frame;
    }
    Image24 clipped = Picture({"...", "..."});
    DrawGlyphFrame(clipped, -8, 1, strip, 4, 2);
    EXPECT_EQ(Letters(clipped), (Grid{"...", "jk."}));
    DrawGlyphFrame(clipped, 0, 0, Image24(), 1, 1);
}

TEST(SkinEllipsize, KeepsTheLongestPrefixThatFitsWithDots) {
    // ASCII letters 5 pixels, '.' 2, any other character 12.
    const TextMeasure measure = [](std::string_view text) {
        int width = 0;
        for (unsigned char c : text) {
            if ((c & 0xC0) == 0x80) continue;
            width += c == '.' ? 2 : c < 0x80 ? 5 : 12;
        }
        return width;
    };
    struct Case {
        std::string text;
        int max;
        std::string expected;
    };
    const Case cases[] = {
        {"Hello", 25, "Hello"}, {"Hello", 24, "Hel..."},
        {"Hello", 11, "H..."},  {"Hello", 5, "..."},          // narrower than "..."
        {"", -1, "..."},        {"监视目录", 40, "监视..."},  // shortened by whole characters
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EllipsizeText(text, c.max, measure);
        EXPECT_EQ(text, c.expected) << c.text << " " << c.max;
    }
}

}  // namespace
}  // namespace vemora::skin
