#include "skin/data/skin_ini.h"

#include <gtest/gtest.h>

namespace vemora::skin {
namespace {

TEST(SkinIni, DialectRules) {
    const SkinIni ini(
        "key=before any section\r\n"
        "  [ Frame ]  \r\n"
        "; comment=1\r\n"
        "  Width = 10 \n"
        "flag\r"
        "empty=\r\n"
        "width=12\r\n"
        "[other]\r\n"
        "a=1\r\n"
        "[FRAME]\r\n"
        "height=5\r\n"
        "tail=no final line break");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;  // null: absent
    };
    const Case cases[] = {
        {"frame", "height", "5"},
        {"Frame", "HEIGHT", "5"},
        {"frame", "width", nullptr},  // only the last [FRAME] is seen
        {"other", "a", "1"},
        {"frame", "tail", "no final line break"},
        {"frame", "flag", nullptr},
        {"frame", "key", nullptr},
        {"frame", "; comment", nullptr},
    };
    for (const Case& c : cases) {
        const std::string* value = ini.Find(c.section, c.key);
        if (!c.expected) {
            EXPECT_EQ(value, nullptr) << c.section << "/" << c.key;
        } else {
            ASSERT_NE(value, nullptr) << c.section << "/" << c.key;
            EXPECT_EQ(*value, c.expected);
        }
    }
}

TEST(SkinIni, LaterKeyWinsAndEmptyValueIsPresent) {
    const SkinIni ini("[s]\nk=1\nK=2\nempty=\nhex=$10\nbad=12a\n");
    EXPECT_EQ(ini.ReadInteger("s", "k"), 2);
    ASSERT_NE(ini.Find("s", "empty"), nullptr);
    EXPECT_EQ(ini.ReadString("s", "empty", "fallback"), "");
    EXPECT_EQ(ini.ReadInteger("s", "empty", 7), 7);
    EXPECT_EQ(ini.ReadInteger("s", "hex"), 16);
    EXPECT_EQ(ini.ReadInteger("s", "bad", -1), -1);
    EXPECT_EQ(ini.ReadString("s", "missing", "fallback"), "fallback");
}

TEST(SkinIni, NulEndsTheTextAndAKeylessSectionIsMissing) {
    const std::string text("[a]\nk=1\n[b]\nflag\n[c]\nk=2\0[d]\nk=3\n", 31);
    const SkinIni ini(text);
    EXPECT_TRUE(ini.HasSection("a"));
    EXPECT_FALSE(ini.HasSection("b"));
    EXPECT_TRUE(ini.HasSection("C"));
    EXPECT_FALSE(ini.HasSection("d"));
}

TEST(SkinIni, WrittenTextReadsBack) {
    SkinIni ini("[s]\nold=1\n");
    ini.EraseSection("s");
    ini.WriteInteger("s", "n", -3);
    ini.WriteString("t", "name", "x");
    const SkinIni again(ini.Text());
    EXPECT_EQ(again.Find("s", "old"), nullptr);
    EXPECT_EQ(again.ReadInteger("s", "n"), -3);
    EXPECT_EQ(again.ReadString("t", "name"), "x");
}

TEST(SplitEntry, SplitsAtTheFirstColon) {
    struct Case {
        const char* text;
        const char* name;
        const char* rest;
        bool hasColon;
    };
    for (const Case& c :
         {Case{"caption:caption", "caption", "caption", true}, Case{"a:b:c", "a", "b:c", true},
          Case{"nocolon", "nocolon", "", false}, Case{":x", "", "x", true}}) {
        const SplitResult r = SplitEntry(c.text);
        EXPECT_EQ(r.name, c.name) << c.text;
        EXPECT_EQ(r.rest, c.rest) << c.text;
        EXPECT_EQ(r.hasColon, c.hasColon) << c.text;
    }
}

}  // namespace
}  // namespace vemora::skin
