#include "core/version_tag.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

TEST(ReplaceVersionTag, EveryTagInAnyCase) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Vemora V$V$(目录监视专家)", "Vemora V2.8(目录监视专家)"},
        {"(Ver$V$)", "(Ver2.8)"},
        {"$v$ and $V$", "2.8 and 2.8"},
        {"no tag", "no tag"},
        {"$V", "$V"},
        {"$$V$$", "$2.8$"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceVersionTag(c.text, kVersion), c.expected) << c.text;
}

}  // namespace
}  // namespace vemora
