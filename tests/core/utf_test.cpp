#include "core/utf.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

struct UtfCase {
    std::u16string utf16;
    std::string utf8;
};

class UtfRoundTrip : public testing::TestWithParam<UtfCase> {};

TEST_P(UtfRoundTrip, ConvertsBothWays) {
    EXPECT_EQ(Utf16ToUtf8(GetParam().utf16), GetParam().utf8);
    EXPECT_EQ(Utf8ToUtf16(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(Names, UtfRoundTrip,
                         testing::Values(UtfCase{u"", ""}, UtfCase{u"a.txt", "a.txt"},
                                         UtfCase{u"新建文件夹\\报告.doc", "新建文件夹\\报告.doc"},
                                         UtfCase{u"\u00e9t\u00e9", "\xc3\xa9t\xc3\xa9"},
                                         UtfCase{u"\U0001F600.png", "\xf0\x9f\x98\x80.png"},
                                         // Unpaired surrogates are legal in file names and must survive.
                                         UtfCase{std::u16string{u'a', char16_t(0xD800), u'b'},
                                                 "a\xed\xa0\x80"
                                                 "b"},
                                         UtfCase{std::u16string{char16_t(0xDC01)}, "\xed\xb0\x81"}));

TEST(Utf8ToUtf16, ReplacesMalformedBytes) {
    const struct {
        std::string in;
        std::u16string out;
    } cases[] = {
        {"\xff", u"\uFFFD"},
        {"a\xc3", u"a\uFFFD"},            // truncated sequence
        {"\xc0\xaf", u"\uFFFD\uFFFD"},    // overlong
        {"\xe0\x80\xaf", u"\uFFFD"},      // overlong three-byte form
        {"\xf4\x90\x80\x80", u"\uFFFD"},  // above U+10FFFF
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.in), c.out) << testing::PrintToString(c.in);
}

}  // namespace
}  // namespace vemora
