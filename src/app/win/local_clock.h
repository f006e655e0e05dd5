#pragma once

#include <windows.h>

#include "core/local_time.h"

namespace vemora {

inline LocalTime LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace vemora
