#include "skin/draw/mask_region.h"

#include <cstring>

#include "skin/draw/coords.h"

namespace vemora::skin {
namespace {

bool IsBlack(const uint8_t* p) {
    return (p[0] | p[1] | p[2]) == 0;
}

// Eight pixels at a time: 24 bytes that are all zero (inside a black run) or that hold no
// zero byte at all (no black pixel can start there).
bool AllZero24(const uint8_t* p) {
    uint64_t a, b, c;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    std::memcpy(&c, p + 16, 8);
    return (a | b | c) == 0;
}
bool HasZeroByte(uint64_t v) {
    return ((v - 0x0101010101010101ull) & ~v & 0x8080808080808080ull) != 0;
}
bool NoZeroByte24(const uint8_t* p) {
    uint64_t a, b, c;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    std::memcpy(&c, p + 16, 8);
    return !HasZeroByte(a) && !HasZeroByte(b) && !HasZeroByte(c);
}

// Appends the black runs of one row.
void ScanRow(const uint8_t* row, int width, int y, int xOffset, int yOffset, std::vector<Rect>& rects) {
    int x = 0;
    while (x < width) {
        while (x + 8 <= width && NoZeroByte24(row + 3 * x)) x += 8;
        while (x < width && !IsBlack(row + 3 * x)) ++x;
        if (x >= width) break;
        const int start = x;
        while (x + 8 <= width && AllZero24(row + 3 * x)) x += 8;
        while (x < width && IsBlack(row + 3 * x)) ++x;
        rects.push_back(Rect{start + xOffset, y + yOffset, x + xOffset, y + 1 + yOffset});
    }
}

void PutInt32(std::vector<uint8_t>& out, size_t at, int32_t v) {
    const uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(u >> (8 * i));
}

void PutRect(std::vector<uint8_t>& out, size_t at, const Rect& r) {
    PutInt32(out, at, r.left);
    PutInt32(out, at + 4, r.top);
    PutInt32(out, at + 8, r.right);
    PutInt32(out, at + 12, r.bottom);
}

void Append(std::vector<MaskRegion>& parts, const Image24& strip, int x, int y) {
    if (strip.Width() < 1 || strip.Height() < 1) return;
    if (auto region = MaskToRegionRects(strip, x, y)) parts.push_back(std::move(*region));
}

}  // namespace

std::optional<MaskRegion> MaskToRegionRects(const Image24& mask, int xOffset, int yOffset) {
    if (mask.IsEmpty()) return std::nullopt;
    const int dx = SaneCoord(xOffset), dy = SaneCoord(yOffset);
    MaskRegion region;
    region.bounds = Rect{dx, dy, dx + mask.Width(), dy + mask.Height()};
    for (int y = 0; y < mask.Height(); ++y) ScanRow(mask.ScanLine(y), mask.Width(), y, dx, dy, region.rects);
    return region;
}

std::vector<uint8_t> RegionDataBytes(const MaskRegion& region) {
    std::vector<uint8_t> out(32 + 16 * region.rects.size(), 0);
    PutInt32(out, 0, 32);
    PutInt32(out, 4, 1);
    PutInt32(out, 8, int32_t(region.rects.size()));
    PutInt32(out, 12, 0);
    PutRect(out, 16, region.bounds);
    for (size_t i = 0; i < region.rects.size(); ++i) PutRect(out, 32 + 16 * i, region.rects[i]);
    return out;
}

std::optional<MaskRegion> RegionFromMask(const Image24& mask) {
    return MaskToRegionRects(mask, 0, 0);
}

std::optional<std::vector<MaskRegion>> RegionFromFrameMask(const NineAreaPoints& source,
                                                           const NineAreaPoints& target, const Image24& mask,
                                                           int width, int /*height*/) {
    if (target.rt.x < target.lt.x || target.lb.y < target.lt.y) return std::nullopt;
    const BorderStrips strips = BuildBorderStrips(source, target, mask, width);
    const Rect client = SaneRect(target.client);
    std::vector<MaskRegion> parts;
    if (!IsEmptyRect(client)) parts.push_back(MaskRegion{client, {client}});
    Append(parts, strips.top, 0, 0);
    Append(parts, strips.bottom, 0, client.bottom);
    Append(parts, strips.left, 0, client.top);
    Append(parts, strips.right, client.right, client.top);
    return parts;
}

std::vector<Rect> RegionRects(const std::vector<MaskRegion>& parts) {
    std::vector<Rect> rects;
    for (const MaskRegion& part : parts) rects.insert(rects.end(), part.rects.begin(), part.rects.end());
    return rects;
}

}  // namespace vemora::skin
