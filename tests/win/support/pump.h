// Runs the thread's message loop until a condition holds or the time is up.
#pragma once

#include <functional>

namespace vemora::test {

inline constexpr unsigned kEventTimeoutMs = 10000;

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = kEventTimeoutMs);
void PumpFor(unsigned ms);  // for checking that nothing more arrives

}  // namespace vemora::test
