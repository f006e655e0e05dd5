#pragma once

#include <windows.h>

#include <string>

namespace vemora::win {

// The system's own message for an error code, without the trailing line break.
std::string SystemErrorText(DWORD code);

}  // namespace vemora::win
