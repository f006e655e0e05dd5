// Runs the thread's message loop until a condition holds or the time is up.
#pragma once

#include <windows.h>

#include <functional>

namespace vemora::test {

inline constexpr unsigned kEventTimeoutMs = 10000;

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = kEventTimeoutMs);
void PumpFor(unsigned ms);  // for checking that nothing more arrives
// Dispatches messages one at a time until one of this kind for this window has been handled.
bool PumpUntilDispatched(HWND hwnd, UINT message, unsigned timeoutMs = kEventTimeoutMs);

}  // namespace vemora::test
