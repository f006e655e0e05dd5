// The redirection switch around one call, with a fake of the system's pair: the real one does
// nothing in the 64-bit build these tests run.
#include <gmock/gmock.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "win/fs_redirection.h"

namespace vemora::win {
namespace {

using testing::ElementsAreArray;

// What the fake pair was asked, in order. The pair are plain functions, as the system's are.
std::vector<std::string> calls;
BOOL disableAnswer = TRUE;
int oldValueToken;

BOOL WINAPI FakeDisable(PVOID* oldValue) {
    calls.push_back("disable");
    *oldValue = &oldValueToken;
    SetLastError(disableAnswer ? ERROR_SUCCESS : ERROR_INVALID_FUNCTION);
    return disableAnswer;
}

BOOL WINAPI FakeRevert(PVOID oldValue) {
    calls.push_back(oldValue == &oldValueToken ? "revert old" : "revert other");
    SetLastError(ERROR_INVALID_FUNCTION);
    return TRUE;
}

TEST(ScopedRedirectionOff, SwitchesOffAndRestoresOnEveryPath) {
    const Wow64RedirectionApi fake{&FakeDisable, &FakeRevert};
    const Wow64RedirectionApi missing{};
    enum Exit { kReturn, kThrow };
    const struct {
        const char* what;
        const wchar_t* path;
        const Wow64RedirectionApi& api;
        BOOL disableAnswer;
        Exit exit;
        std::vector<std::string> calls;
        bool off;
    } cases[] = {
        {"switched off, then restored",
         L"C:\\Windows\\System32",
         fake,
         TRUE,
         kReturn,
         {"disable", "revert old"},
         true},
        {"restored when the call throws",
         L"C:\\Windows\\System32",
         fake,
         TRUE,
         kThrow,
         {"disable", "revert old"},
         true},
        {"refused: nothing to restore", L"C:\\Windows\\System32", fake, FALSE, kReturn, {"disable"}, false},
        {"refused, then a throw", L"C:\\Windows\\System32", fake, FALSE, kThrow, {"disable"}, false},
        {"a system without the pair", L"C:\\Windows\\System32", missing, TRUE, kReturn, {}, false},
        {"the Sysnative alias needs it on",
         L"C:\\Windows\\Sysnative\\drivers",
         fake,
         TRUE,
         kReturn,
         {},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        calls.clear();
        disableAnswer = c.disableAnswer;
        DWORD errorAfter = 0;
        try {
            const ScopedRedirectionOff off(c.path, c.api);
            EXPECT_EQ(off.Off(), c.off);
            EXPECT_EQ(calls.size(), c.calls.empty() ? 0u : 1u) << "restored only at the end";
            SetLastError(ERROR_PATH_NOT_FOUND);  // the guarded call's failure
            if (c.exit == kThrow) throw std::runtime_error("the guarded call threw");
        } catch (const std::runtime_error&) {
        }
        errorAfter = GetLastError();
        EXPECT_THAT(calls, ElementsAreArray(c.calls));
        EXPECT_EQ(errorAfter, static_cast<DWORD>(ERROR_PATH_NOT_FOUND)) << "the guarded call's error is kept";
    }
}

}  // namespace
}  // namespace vemora::win
