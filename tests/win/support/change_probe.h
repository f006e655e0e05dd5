// A second, independent watch on a directory: tells a test that Windows has reported a
// change, without going through the watch under test.
#pragma once

#include <windows.h>

#include <string>

#include "support/pump.h"
#include "win/handles.h"

namespace vemora::test {

class ChangeProbe {
  public:
    explicit ChangeProbe(const std::string& directory);
    ~ChangeProbe();
    ChangeProbe(const ChangeProbe&) = delete;
    ChangeProbe& operator=(const ChangeProbe&) = delete;
    // Waits (without pumping messages) for the next batch of file name changes.
    bool WaitForChange(unsigned timeoutMs = kEventTimeoutMs);

  private:
    bool Issue();

    win::UniqueFile dir_;
    win::UniqueHandle done_;
    OVERLAPPED overlapped_{};
    alignas(DWORD) char buffer_[4096];
};

}  // namespace vemora::test
