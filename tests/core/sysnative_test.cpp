#include "core/sysnative.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

TEST(PassesThroughSysnative, WholeComponentInAnyCase) {
    const struct {
        const wchar_t* path;
        bool alias;
    } cases[] = {
        {L"C:\\Windows\\Sysnative", true},  {L"c:\\windows\\SYSNATIVE\\drivers\\etc", true},
        {L"C:/Windows/sysnative/", true},   {L"\\\\?\\C:\\Windows\\Sysnative\\x", true},
        {L"C:\\Windows\\System32", false},  {L"C:\\Windows\\SysnativeOld", false},
        {L"C:\\Data\\my sysnative", false}, {L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PassesThroughSysnative(c.path), c.alias) << testing::PrintToString(std::wstring(c.path));
}

}  // namespace
}  // namespace vemora
