#include <vector>

#include "skin/hints/win/skin_hint.h"

namespace vemora::skin {
namespace {

// Reads a bitmap's pixels as 32-bit values (a monochrome mask gives black and white).
std::vector<uint32_t> Pixels32(HBITMAP bitmap, int& width, int& height) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info)) return {};
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, UINT(height), pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows != height) pixels.clear();
    return pixels;
}

}  // namespace

int CursorHeightMargin() {
    const int fallback = GetSystemMetrics(SM_CYCURSOR);
    ICONINFO icon{};
    HCURSOR cursor = GetCursor();
    if (!cursor || !GetIconInfo(cursor, &icon)) return fallback;
    const win::UniqueBitmap mask(icon.hbmMask);
    const win::UniqueBitmap color(icon.hbmColor);
    int width = 0, height = 0;
    const std::vector<uint32_t> pixels = Pixels32(mask.get(), width, height);
    if (pixels.empty()) return fallback;
    // A monochrome cursor stacks its AND mask over its XOR mask.
    const bool monochrome = !color;
    const int rows = monochrome ? height / 2 : height;
    int last = -1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool andBit = (pixels[size_t(y) * size_t(width) + size_t(x)] & 0xFFFFFF) != 0;
            const bool xorBit =
                monochrome && (pixels[size_t(y + rows) * size_t(width) + size_t(x)] & 0xFFFFFF) != 0;
            if (!andBit || xorBit) last = y;
        }
    }
    return last < 0 ? fallback : last - int(icon.yHotspot) + 1;
}

}  // namespace vemora::skin
