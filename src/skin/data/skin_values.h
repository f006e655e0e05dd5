// The value types of a skin description: how each is read from the dialect and written back.
//
// Strings are the description's own ANSI bytes (code page 936); nothing here converts them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_ini.h"
#include "skin/draw/geometry.h"
#include "skin/draw/skin_enums.h"

namespace vemora::skin {

// A Windows colour 0x00BBGGRR as the description writes it; kept as the integer read.
using SkinColor = int32_t;

// "宋体" in code page 936: the font every font key falls back to.
inline constexpr std::string_view kDefaultSkinFontName = "\xCB\xCE\xCC\xE5";
inline constexpr int32_t kDefaultSkinFontHeight = 14;

// Lists stop at these lengths whatever their counts say. Absent entries still count as empty
// texts, so a hostile count of two billion would otherwise hang the load; and a line list
// belongs to a record, of which a description may hold thousands, so its cap is lower.
inline constexpr int32_t kMaxSkinListEntries = 100000;
inline constexpr int32_t kMaxSkinLineListEntries = 1000;

struct FontStyles {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontStyles&, const FontStyles&) = default;
};

// The font a record draws its text in (keys prefix+"fontname", prefix+"fontheight", prefix+"fontstyle").
struct SkinFont {
    std::string Name{kDefaultSkinFontName};
    int32_t Height = kDefaultSkinFontHeight;
    FontStyles Style;
    friend bool operator==(const SkinFont&, const SkinFont&) = default;
};

enum class TextAlignment { taLeftJustify = 0, taRightJustify, taCenter };

// The action of a caption button or an animate object (key "command").
enum class SkinCommand {
    cmClose = 0,
    cmMaximize,
    cmMinimize,
    cmSysMenu,
    cmDefault,
    cmRollUp,
    cmMinimizeToTray
};

// How the frames of a strip lie (key "framesplacement").
enum class FramePlacement { fpHorizontal = 0, fpVertical };

enum class RegulatorKind { rkRound = 0, rkHorizontal, rkVertical };
enum class GaugeKind { gkHorizontal = 0, gkVertical };

// The words of an enumeration: matched exactly, letter case included, in table order.
struct SkinEnumWord {
    std::string_view word;
    int value;
};
struct SkinEnumInfo {
    std::span<const SkinEnumWord> words;
    int absent;   // the value of a missing key
    int unknown;  // the value of a word not in the table (an empty value included)
};

const SkinEnumInfo& EnumInfoOf(TextAlignment);
const SkinEnumInfo& EnumInfoOf(MorphKind);
const SkinEnumInfo& EnumInfoOf(ImageEffect);
const SkinEnumInfo& EnumInfoOf(SkinCommand);
const SkinEnumInfo& EnumInfoOf(FramePlacement);
const SkinEnumInfo& EnumInfoOf(RegulatorKind);
const SkinEnumInfo& EnumInfoOf(GaugeKind);

int ReadSkinEnumValue(const SkinIni& ini, std::string_view section, std::string_view key,
                      const SkinEnumInfo& info);
// The word of a value; an out-of-table value writes the word of the unknown fallback.
std::string_view SkinEnumWordOf(int value, const SkinEnumInfo& info);

template <class E>
E ReadSkinEnum(const SkinIni& ini, std::string_view section, std::string_view key) {
    return static_cast<E>(ReadSkinEnumValue(ini, section, key, EnumInfoOf(E{})));
}
template <class E>
void WriteSkinEnum(SkinIni& ini, std::string_view section, std::string_view key, E value) {
    ini.WriteString(section, key, SkinEnumWordOf(static_cast<int>(value), EnumInfoOf(E{})));
}

inline TextAlignment ReadAlignment(const SkinIni& ini, std::string_view section, std::string_view key) {
    return ReadSkinEnum<TextAlignment>(ini, section, key);
}
inline MorphKind ReadMorphKind(const SkinIni& ini, std::string_view section, std::string_view key) {
    return ReadSkinEnum<MorphKind>(ini, section, key);
}
inline ImageEffect ReadImageEffect(const SkinIni& ini, std::string_view section, std::string_view key) {
    return ReadSkinEnum<ImageEffect>(ini, section, key);
}

// The point/rectangle rule: "," separates fields, digits are kept, everything else (blanks,
// signs, letters) is dropped; each field must then hold a decimal number within 32 bits, or
// SkinError("'<field>' is not a valid integer value") is raised. Numbers beyond the expected
// two or four are ignored.
Point ParseSkinPoint(std::string_view text);
Rect ParseSkinRect(std::string_view text);

// Absent keys read "0,0" and "0,0,0,0"; an empty value is an error like any field without digits.
Point ReadSkinPoint(const SkinIni& ini, std::string_view section, std::string_view key);
Rect ReadSkinRect(const SkinIni& ini, std::string_view section, std::string_view key);
// True only for a value that reads as the integer 1 ("1", "01", "$1", "0x1").
bool ReadSkinBool(const SkinIni& ini, std::string_view section, std::string_view key);
// "fsbold", "fsitalic", "fsunderline", "fsstrikeout" anywhere in the value, exact case.
FontStyles ReadFontStyles(const SkinIni& ini, std::string_view section, std::string_view key);
// name+"count", then the keys "0", "1", … ; absent entries give "". At most kMaxSkinListEntries.
std::vector<std::string> ReadNumberedList(const SkinIni& ini, std::string_view section,
                                          std::string_view name);
// prefix+"linecount", then prefix+"line0", prefix+"line1", … ; absent entries give "". At most
// kMaxSkinLineListEntries.
std::vector<std::string> ReadLineList(const SkinIni& ini, std::string_view section, std::string_view prefix);

std::string SkinPointText(const Point& p);
std::string SkinRectText(const Rect& r);
std::string FontStylesText(const FontStyles& styles);

void WriteSkinPoint(SkinIni& ini, std::string_view section, std::string_view key, const Point& p);
void WriteSkinRect(SkinIni& ini, std::string_view section, std::string_view key, const Rect& r);
void WriteSkinBool(SkinIni& ini, std::string_view section, std::string_view key, bool value);
void WriteFontStyles(SkinIni& ini, std::string_view section, std::string_view key, const FontStyles& styles);
void WriteNumberedList(SkinIni& ini, std::string_view section, std::string_view name,
                       const std::vector<std::string>& items);
void WriteLineList(SkinIni& ini, std::string_view section, std::string_view prefix,
                   const std::vector<std::string>& lines);

}  // namespace vemora::skin
