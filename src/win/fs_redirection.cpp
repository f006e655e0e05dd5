#include "win/fs_redirection.h"

#include "core/sysnative.h"

namespace vemora::win {

const Wow64RedirectionApi& SystemWow64RedirectionApi() {
    static const Wow64RedirectionApi api = [] {
        Wow64RedirectionApi found;
        if (const HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
            found.disable = reinterpret_cast<decltype(found.disable)>(
                reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64DisableWow64FsRedirection")));
            found.revert = reinterpret_cast<decltype(found.revert)>(
                reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64RevertWow64FsRedirection")));
        }
        if (!found.disable || !found.revert) found = {};
        return found;
    }();
    return api;
}

ScopedRedirectionOff::ScopedRedirectionOff(std::wstring_view path, const Wow64RedirectionApi& api)
    : api_(api) {
    if (!api_.disable || !api_.revert || PassesThroughSysnative(path)) return;
    const DWORD error = GetLastError();
    off_ = api_.disable(&oldValue_) != FALSE;
    SetLastError(error);
}

ScopedRedirectionOff::~ScopedRedirectionOff() {
    if (!off_) return;
    const DWORD error = GetLastError();
    api_.revert(oldValue_);
    SetLastError(error);
}

}  // namespace vemora::win
