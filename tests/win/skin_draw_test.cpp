// The skin's drawing on real GDI: DIB sections, regions, marks, glyph frames and the screen
// routines.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "skin/draw/glyph_frame.h"
#include "skin/draw/marks.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/nine_area.h"
#include "skin/draw/win/dib_section.h"
#include "skin/draw/win/gdi_draw.h"
#include "skin/draw/win/regions.h"
#include "skin/draw/win/screen.h"

namespace vemora::skin {
namespace {

// An image whose every pixel differs, 37 wide so that rows carry padding.
Image24 Pattern(int w, int h) {
    Image24 image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.SetPixel(x, y, PixelColor(x * 7) | PixelColor(y * 11) << 8 | PixelColor(x ^ y) << 16);
    }
    return image;
}

TEST(SkinDibSection, AComposedImageComesBackThroughGdiUnchanged) {
    const Image24 picture = Pattern(12, 10);
    const NineAreaPoints source{{3, 3}, {9, 3}, {3, 7}, {9, 7}, {3, 3, 9, 7}};
    const NineAreaPoints target{{3, 3}, {34, 3}, {3, 20}, {34, 20}, {3, 3, 34, 20}};
    const Image24 composed = BuildNineAreaImage(source, target, picture, {0, 0, 12, 10}, 37, 23, true);

    // Into a section with SetDIBitsToDevice, over to another with BitBlt, out to a
    // device-dependent bitmap with SetDIBits and back with GetDIBits.
    DibSection first(37, 23), second(37, 23);
    ASSERT_FALSE(first.IsEmpty());
    DrawImage(first.Dc(), composed, 0, 0);
    EXPECT_EQ(first.View(), composed);
    first.Draw(second.Dc(), 0, 0);
    HDC screen = GetDC(nullptr);
    win::UniqueBitmap device = second.ToCompatibleBitmap(screen);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(device);
    const DibSection back = DibSection::FromBitmap(device.get());
    EXPECT_EQ(back.View(), composed);
    EXPECT_EQ(DibSection::FromImage(composed).View(), composed);
    EXPECT_TRUE(DibSection(0, 5).IsEmpty());

    // An effect image from the bitmap, inverted and drawn back.
    TspEffectBmp effect = EffectBmpFromBitmap(device.get());
    effect.Invert();
    DibSection drawn(37, 23);
    DrawEffectBmp(drawn.Dc(), effect, 0, 0);
    Image24 inverted = composed;
    Invert(inverted);
    EXPECT_EQ(drawn.View(), inverted);
}

// Rows that all differ and touch every edge, so GDI keeps one rectangle per run.
const char* const kMask[] = {"####..", ".#####", "##.###", "..###."};

Image24 MaskImage() {
    Image24 mask(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) mask.SetPixel(x, y, kMask[y][x] == '#' ? 0x000000 : 0xFFFFFF);
    }
    return mask;
}

std::vector<uint8_t> RegionData(HRGN region) {
    std::vector<uint8_t> data(GetRegionData(region, 0, nullptr));
    GetRegionData(region, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    return data;
}

TEST(SkinRegions, TheRegionOfAMaskHasItsRectangles) {
    const auto rects = MaskToRegionRects(MaskImage(), 0, 0);
    ASSERT_TRUE(rects);
    std::vector<uint8_t> expected = RegionDataBytes(*rects);
    UniqueRegion region = gdi::RegionFromMask(MaskImage());
    ASSERT_TRUE(region);
    std::vector<uint8_t> got = RegionData(region.get());
    ASSERT_EQ(got.size(), expected.size());
    std::memset(got.data() + 12, 0, 4);  // GDI fills in the size of the rectangle block
    EXPECT_EQ(got, expected);
    EXPECT_FALSE(gdi::RegionFromMask(Image24()));
}

TEST(SkinRegions, AOneBitMaskGivesTheRegionOfItsTrueColourEquivalent) {
    // Monochrome rows are word-aligned; a set bit is white.
    std::vector<uint8_t> bits(2 * 4, 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            if (kMask[y][x] == '.') bits[size_t(2 * y)] |= uint8_t(0x80 >> x);
        }
    }
    win::UniqueBitmap mono(CreateBitmap(6, 4, 1, 1, bits.data()));
    ASSERT_TRUE(mono);
    UniqueRegion fromBitmap = gdi::RegionFromMask(mono.get());
    UniqueRegion fromImage = gdi::RegionFromMask(MaskImage());
    ASSERT_TRUE(fromBitmap && fromImage);
    EXPECT_TRUE(EqualRgn(fromBitmap.get(), fromImage.get()));
}

TEST(SkinRegions, AFrameRegionUnitesTheInnerRectangleWithTheStrips) {
    Image24 mask(5, 5);
    mask.Fill(0);
    mask.SetPixel(0, 0, 0xFFFFFF);  // rounded top corners
    mask.SetPixel(4, 0, 0xFFFFFF);
    const NineAreaPoints source{{1, 1}, {4, 1}, {1, 4}, {4, 4}, {1, 1, 4, 4}};
    NineAreaPoints target{{1, 1}, {7, 1}, {1, 6}, {7, 6}, {1, 1, 7, 6}};
    UniqueRegion region = gdi::RegionFromFrameMask(source, target, mask, 8, 7);
    ASSERT_TRUE(region);
    UniqueRegion expected(CreateRectRgn(0, 1, 8, 7));
    UniqueRegion top(CreateRectRgn(1, 0, 7, 1));
    CombineRgn(expected.get(), expected.get(), top.get(), RGN_OR);
    EXPECT_TRUE(EqualRgn(region.get(), expected.get()));

    target.rt = {0, 1};
    EXPECT_FALSE(gdi::RegionFromFrameMask(source, target, mask, 8, 7));
}

// The marks on a device context set exactly the pixels the portable shapes name.
TEST(SkinGdiDraw, MarksAndGlyphFramesMatchTheirPortableDrawing) {
    const COLORREF ink = RGB(0x20, 0x40, 0x60);
    DibSection section(20, 16);
    Image24 expected(20, 16);
    FillShape(section.Dc(), CheckMarkShape(2, 1), ink);
    DrawCheckMark(expected, 2, 1, PixelFromColorRef(ink));
    FillShape(section.Dc(), CloseGlyphShape(8, 4), ink);
    DrawCloseGlyph(expected, 8, 4, PixelFromColorRef(ink));
    EXPECT_EQ(section.View(), expected);

    // Four frames of 5 × 3; frame 3's bottom-left colour is left out.
    Image24 strip = Pattern(20, 3);
    strip.SetPixel(11, 0, strip.GetPixel(10, 2));
    DibSection canvas(9, 6);
    Image24 portable(9, 6);
    DrawGlyphFrame(canvas.Dc(), 2, 1, strip, 4, 3);
    DrawGlyphFrame(portable, 2, 1, strip, 4, 3);
    EXPECT_EQ(canvas.View(), portable);
}

TEST(SkinGdiDraw, EllipsizedTextFitsItsWidthInTheFont) {
    DibSection section(4, 4);
    HGDIOBJ font = SelectObject(section.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    auto width = [&](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(section.Dc(), text.c_str(), int(text.size()), &size);
        return int(size.cx);
    };
    std::string text = "Watching C:\\Users\\Public\\Documents for changes";
    EllipsizeText(section.Dc(), text, 100);
    EXPECT_EQ(text.substr(text.size() - 3), "...");
    EXPECT_LE(width(text), 100);
    std::string narrow = "Watching";
    EllipsizeText(section.Dc(), narrow, 1);
    EXPECT_EQ(narrow, "...");
    SelectObject(section.Dc(), font);
}

TEST(SkinScreen, DesktopAndMonitorAreasLieOnTheScreen) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    for (bool workArea : {false, true}) {
        const Rect desktop = GetDesktopArea(workArea);
        EXPECT_FALSE(IsEmptyRect(desktop)) << workArea;
        EXPECT_TRUE(desktop.left >= 0 && desktop.top >= 0 && desktop.right <= w && desktop.bottom <= h)
            << workArea;
        const Rect monitor = GetMonitorArea(GetDesktopWindow(), workArea);
        EXPECT_FALSE(IsEmptyRect(monitor)) << workArea;
        if (GetSystemMetrics(SM_CMONITORS) == 1) {
            EXPECT_EQ(monitor, desktop) << workArea;
        }
    }
    EXPECT_EQ(GetDesktopArea(false), (Rect{0, 0, w, h}));
}

TEST(SkinScreen, VersionTestsReadMajorAndMinorFromTheLowBytes) {
    struct Case {
        DWORD version;
        bool xp, family;
    };
    const Case cases[] = {
        {0x0A280105, true, true},   // 5.1, build in the high word
        {0x00000005, false, true},  // 5.0
        {0x00000205, false, true},  // 5.2
        {0x00000006, false, false}, {0x00000106, false, false}, {0x00000104, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsWindowsXPVersion(c.version), c.xp) << std::hex << c.version;
        EXPECT_EQ(IsWindows2000FamilyVersion(c.version), c.family) << std::hex << c.version;
    }
}

TEST(SkinScreen, WindowAlphaSetsTheLayeredAttribute) {
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 40, 30,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window);
    EXPECT_TRUE(SetWindowAlpha(window, 300));  // clamped
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
    EXPECT_TRUE(flags & LWA_ALPHA);
    EXPECT_TRUE(SetWindowAlpha(window, 128));
    GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 128);
    DestroyWindow(window);
}

TEST(SkinScreen, CopyScreenAreaFillsTheBitmap) {
    DibSection shot(16, 8);
    Image24 before = shot.View();
    before.Fill(0x123456);
    CopyScreenArea(0, 0, shot);
    Image24 screenPixels = shot.View();
    HDC screen = GetDC(nullptr);
    const COLORREF corner = GetPixel(screen, 3, 2);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(screenPixels.GetPixel(3, 2), PixelFromColorRef(corner));
}

}  // namespace
}  // namespace vemora::skin
