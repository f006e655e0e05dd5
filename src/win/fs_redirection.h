// A 32-bit process on 64-bit Windows that opens C:\Windows\System32 is silently given
// SysWOW64. The watch and its type test must see the folder the user named, so they switch
// the redirection off around that one call. The switch is per thread and affects every file
// call in between, so it is held for no longer than the call itself.
#pragma once

#include <windows.h>

#include <string_view>

namespace vemora::win {

// kernel32's switch, looked up at run time: older systems lack it, and in a 64-bit process
// it does nothing.
struct Wow64RedirectionApi {
    BOOL(WINAPI* disable)(PVOID* oldValue) = nullptr;
    BOOL(WINAPI* revert)(PVOID oldValue) = nullptr;
};
const Wow64RedirectionApi& SystemWow64RedirectionApi();

class ScopedRedirectionOff {
  public:
    // A path through the Sysnative alias keeps the redirection on: the alias exists only then.
    explicit ScopedRedirectionOff(std::wstring_view path,
                                  const Wow64RedirectionApi& api = SystemWow64RedirectionApi());
    ~ScopedRedirectionOff();  // restores it, keeping the guarded call's last error
    ScopedRedirectionOff(const ScopedRedirectionOff&) = delete;
    ScopedRedirectionOff& operator=(const ScopedRedirectionOff&) = delete;

    bool Off() const { return off_; }

  private:
    const Wow64RedirectionApi& api_;
    PVOID oldValue_ = nullptr;
    bool off_ = false;
};

}  // namespace vemora::win
