// The settings kept in Vemora.ini: their numbers, sections, keys and defaults, and the
// reading rule for their values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vemora {

struct Setting {
    int number;  // a check box's Tag is the number of its setting
    const char* section;
    const char* key;
    bool isText;  // the path; every other setting is a boolean
    bool defaultValue;
};

// In the order they are read at start. There is no setting 10.
inline constexpr Setting kSettings[] = {
    {0, "Vemora", "Dir", true, false},    {1, "Event", "SJ1", false, true},
    {2, "Event", "SJ2", false, false},    {3, "Event", "SJ3", false, false},
    {4, "Event", "SJ4", false, true},     {5, "Event", "SJ5", false, false},
    {6, "Event", "SJ6", false, false},    {7, "Event", "SJ7", false, false},
    {8, "Event", "SJ8", false, false},    {9, "Event", "SJ9", false, false},
    {11, "Set", "autosave", false, true}, {12, "Set", "autoclear", false, true},
    {13, "Set", "showtray", false, true}, {14, "Set", "remeberset", false, false},
};

const Setting* FindSetting(int number);  // null for numbers outside the table

// A boolean setting: non-zero is true; a missing value or one that is no integer gives the default.
bool ReadBoolSetting(std::optional<std::string_view> stored, bool defaultValue);

inline const char* BoolSettingText(bool value) {
    return value ? "1" : "0";
}

}  // namespace vemora
