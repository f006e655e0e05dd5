#include "support/pump.h"

#include <windows.h>

namespace vemora::test {
namespace {

void PumpPending() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpPending();
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void PumpFor(unsigned ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace vemora::test
