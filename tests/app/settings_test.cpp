#include "app/settings.h"
#include "core/integer_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace vemora {
namespace {

TEST(ReadBoolSetting, IntegerRule) {
    const struct {
        std::optional<std::string_view> stored;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {std::nullopt, true, true}, {std::nullopt, false, false},  // missing: the default
        {"1", false, true},         {"2", false, true},
        {"-1", false, true},        {"$1", false, true},
        {"0x1", false, true},       {"0X1f", false, true},
        {"01", false, true},        {" 1", false, true},  // leading blanks are skipped
        {"0", true, false},         {"$0", true, false},
        {"0x0", true, false},       {"abc", true, true},
        {"abc", false, false},  // not an integer: the default
        {"", true, true},           {"", false, false},
        {"1 ", false, false},       {"1x", false, false},
        {"$", false, false},        {"0x", true, true},
        {"$g", false, false},       {"99999999999", false, false},
        {"true", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadBoolSetting(c.stored, c.defaultValue), c.expected)
            << (c.stored ? std::string(*c.stored) : "<missing>") << " default " << c.defaultValue;
    }
}

TEST(ParseInteger, RangeAndSign) {
    const struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"0x7fffffff", 2147483647},
        {"+7", 7},
        {"-$10", -16},
        {"--1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(Settings, NumbersKeysAndDefaults) {
    const struct {
        int number;
        const char* section;
        const char* key;
        bool isText;
        bool defaultValue;
    } cases[] = {
        {0, "Vemora", "Dir", true, false},    {1, "Event", "SJ1", false, true},
        {2, "Event", "SJ2", false, false},    {3, "Event", "SJ3", false, false},
        {4, "Event", "SJ4", false, true},     {5, "Event", "SJ5", false, false},
        {6, "Event", "SJ6", false, false},    {7, "Event", "SJ7", false, false},
        {8, "Event", "SJ8", false, false},    {9, "Event", "SJ9", false, false},
        {11, "Set", "autosave", false, true}, {12, "Set", "autoclear", false, true},
        {13, "Set", "showtray", false, true}, {14, "Set", "remeberset", false, false},
    };
    for (const auto& c : cases) {
        const Setting* setting = FindSetting(c.number);
        ASSERT_NE(setting, nullptr) << c.number;
        EXPECT_STREQ(setting->section, c.section) << c.number;
        EXPECT_STREQ(setting->key, c.key) << c.number;
        EXPECT_EQ(setting->isText, c.isText) << c.number;
        EXPECT_EQ(setting->defaultValue, c.defaultValue) << c.number;
    }
    for (int missing : {-1, 10, 15, 100}) EXPECT_EQ(FindSetting(missing), nullptr) << missing;
}

TEST(Settings, ReadAndAppliedInNumberOrder) {
    // The path first (setting its text runs the path's change handler), then the boxes by number.
    std::vector<int> numbers;
    for (const Setting& setting : kSettings) numbers.push_back(setting.number);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14}));
}

}  // namespace
}  // namespace vemora
