// Raw data resources (RCDATA) of a module.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace vemora::win {

// A copy of the RCDATA resource id of the module; nullopt when the module has none.
std::optional<std::vector<uint8_t>> LoadRcData(HMODULE module, int id);

}  // namespace vemora::win
