#include "win/resource_data.h"

namespace vemora::win {

std::optional<std::vector<uint8_t>> LoadRcData(HMODULE module, int id) {
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, info);
    const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes) return std::nullopt;
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, info));
}

}  // namespace vemora::win
