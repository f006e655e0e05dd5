#include "skin/draw/win/regions.h"

#include "skin/draw/win/dib_section.h"

namespace vemora::skin::gdi {

UniqueRegion RegionFromRects(const MaskRegion& region) {
    const std::vector<uint8_t> data = RegionDataBytes(region);
    return UniqueRegion(
        ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

UniqueRegion RegionFromMask(const Image24& mask) {
    const auto region = skin::RegionFromMask(mask);
    return region ? RegionFromRects(*region) : UniqueRegion();
}

UniqueRegion RegionFromMask(HBITMAP mask) {
    const TFBitmap copy = TFBitmap::FromBitmap(mask);
    return gdi::RegionFromMask(copy.View());
}

UniqueRegion RegionFromFrameMask(const NineAreaPoints& source, const NineAreaPoints& target,
                                 const Image24& mask, int width, int height) {
    const auto parts = skin::RegionFromFrameMask(source, target, mask, width, height);
    if (!parts) return {};
    UniqueRegion united;
    for (const MaskRegion& part : *parts) {
        if (part.rects.empty()) continue;
        UniqueRegion region = RegionFromRects(part);
        if (!region) continue;
        if (!united) {
            united = std::move(region);
        } else {
            CombineRgn(united.get(), united.get(), region.get(), RGN_OR);
        }
    }
    return united;
}

bool SetWindowRegion(HWND window, UniqueRegion region, bool redraw) {
    if (!SetWindowRgn(window, region.get(), redraw)) return false;
    return region.release() != nullptr;
}

}  // namespace vemora::skin::gdi
