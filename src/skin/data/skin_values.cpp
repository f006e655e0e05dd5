#include "skin/data/skin_values.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "skin/data/skin_error.h"

namespace vemora::skin {

namespace {

constexpr SkinEnumWord kAlignmentWords[] = {
    {"taleftjustify", int(TextAlignment::taLeftJustify)},
    {"tacenter", int(TextAlignment::taCenter)},
    {"tarightjustify", int(TextAlignment::taRightJustify)},
};
constexpr SkinEnumWord kMorphKindWords[] = {
    {"mkdefault", int(MorphKind::mkDefault)},
    {"mkgradient", int(MorphKind::mkGradient)},
    {"mkleftgradient", int(MorphKind::mkLeftGradient)},
    {"mkrightgradient", int(MorphKind::mkRightGradient)},
    {"mkleftslide", int(MorphKind::mkLeftSlide)},
    {"mkrightslide", int(MorphKind::mkRightSlide)},
    {"mkpush", int(MorphKind::mkPush)},
};
constexpr SkinEnumWord kImageEffectWords[] = {
    {"iebrightness", int(ImageEffect::ieBrightness)}, {"iedarkness", int(ImageEffect::ieDarkness)},
    {"iegrayscale", int(ImageEffect::ieGrayscale)},   {"ienoise", int(ImageEffect::ieNoise)},
    {"iesplitblur", int(ImageEffect::ieSplitBlur)},   {"ieinvert", int(ImageEffect::ieInvert)},
};
constexpr SkinEnumWord kCommandWords[] = {
    {"cmclose", int(SkinCommand::cmClose)},
    {"cmmaximize", int(SkinCommand::cmMaximize)},
    {"cmminimize", int(SkinCommand::cmMinimize)},
    {"cmsysmenu", int(SkinCommand::cmSysMenu)},
    {"cmdefault", int(SkinCommand::cmDefault)},
    {"cmrollup", int(SkinCommand::cmRollUp)},
    {"cmminimizetotray", int(SkinCommand::cmMinimizeToTray)},
};
constexpr SkinEnumWord kPlacementWords[] = {
    {"fphorizontal", int(FramePlacement::fpHorizontal)},
    {"fpvertical", int(FramePlacement::fpVertical)},
};
constexpr SkinEnumWord kRegulatorKindWords[] = {
    {"rkround", int(RegulatorKind::rkRound)},
    {"rkhorizontal", int(RegulatorKind::rkHorizontal)},
    {"rkvertical", int(RegulatorKind::rkVertical)},
};
constexpr SkinEnumWord kGaugeKindWords[] = {
    {"gkhorizontal", int(GaugeKind::gkHorizontal)},
    {"gkvertical", int(GaugeKind::gkVertical)},
};

// Digits of each expected field, by the point/rectangle rule.
template <size_t N>
std::array<int, N> ParseSkinNumbers(std::string_view text) {
    std::array<std::string, N> fields;
    size_t field = 0;
    for (const char c : text) {
        if (c == ',') {
            ++field;
        } else if (c >= '0' && c <= '9' && field < N) {
            fields[field] += c;
        }
    }
    std::array<int, N> numbers{};
    for (size_t i = 0; i < N; ++i) {
        const std::string& digits = fields[i];
        int64_t value = 0;
        bool valid = !digits.empty();
        for (const char c : digits) {
            value = value * 10 + (c - '0');
            if (value > INT32_MAX) {
                valid = false;
                break;
            }
        }
        if (!valid) throw SkinError("'" + digits + "' is not a valid integer value");
        numbers[i] = static_cast<int>(value);
    }
    return numbers;
}

int32_t ListCount(const SkinIni& ini, std::string_view section, const std::string& countKey, int32_t cap) {
    return std::clamp(ini.ReadInteger(section, countKey, 0), 0, cap);
}

}  // namespace

const SkinEnumInfo& EnumInfoOf(TextAlignment) {
    static const SkinEnumInfo info{kAlignmentWords, int(TextAlignment::taCenter),
                                   int(TextAlignment::taRightJustify)};
    return info;
}
const SkinEnumInfo& EnumInfoOf(MorphKind) {
    static const SkinEnumInfo info{kMorphKindWords, int(MorphKind::mkDefault), int(MorphKind::mkDefault)};
    return info;
}
const SkinEnumInfo& EnumInfoOf(ImageEffect) {
    static const SkinEnumInfo info{kImageEffectWords, int(ImageEffect::ieBrightness),
                                   int(ImageEffect::ieGrayscale)};
    return info;
}
const SkinEnumInfo& EnumInfoOf(SkinCommand) {
    static const SkinEnumInfo info{kCommandWords, int(SkinCommand::cmDefault),
                                   int(SkinCommand::cmMinimizeToTray)};
    return info;
}
const SkinEnumInfo& EnumInfoOf(FramePlacement) {
    static const SkinEnumInfo info{kPlacementWords, int(FramePlacement::fpHorizontal),
                                   int(FramePlacement::fpVertical)};
    return info;
}
const SkinEnumInfo& EnumInfoOf(RegulatorKind) {
    static const SkinEnumInfo info{kRegulatorKindWords, int(RegulatorKind::rkRound),
                                   int(RegulatorKind::rkVertical)};
    return info;
}
const SkinEnumInfo& EnumInfoOf(GaugeKind) {
    static const SkinEnumInfo info{kGaugeKindWords, int(GaugeKind::gkHorizontal), int(GaugeKind::gkVertical)};
    return info;
}

int ReadSkinEnumValue(const SkinIni& ini, std::string_view section, std::string_view key,
                      const SkinEnumInfo& info) {
    const std::string* word = ini.Find(section, key);
    if (!word) return info.absent;
    for (const SkinEnumWord& w : info.words) {
        if (w.word == *word) return w.value;
    }
    return info.unknown;
}

std::string_view SkinEnumWordOf(int value, const SkinEnumInfo& info) {
    for (const int wanted : {value, info.unknown}) {
        for (const SkinEnumWord& w : info.words) {
            if (w.value == wanted) return w.word;
        }
    }
    return {};
}

Point ParseSkinPoint(std::string_view text) {
    const auto n = ParseSkinNumbers<2>(text);
    return {n[0], n[1]};
}

Rect ParseSkinRect(std::string_view text) {
    const auto n = ParseSkinNumbers<4>(text);
    return {n[0], n[1], n[2], n[3]};
}

Point ReadSkinPoint(const SkinIni& ini, std::string_view section, std::string_view key) {
    const std::string* value = ini.Find(section, key);
    return value ? ParseSkinPoint(*value) : Point{};
}

Rect ReadSkinRect(const SkinIni& ini, std::string_view section, std::string_view key) {
    const std::string* value = ini.Find(section, key);
    return value ? ParseSkinRect(*value) : Rect{};
}

bool ReadSkinBool(const SkinIni& ini, std::string_view section, std::string_view key) {
    return ini.ReadInteger(section, key, 0) == 1;
}

FontStyles ReadFontStyles(const SkinIni& ini, std::string_view section, std::string_view key) {
    const std::string* value = ini.Find(section, key);
    if (!value) return {};
    const auto has = [&](std::string_view word) { return value->find(word) != std::string::npos; };
    return {has("fsbold"), has("fsitalic"), has("fsunderline"), has("fsstrikeout")};
}

std::vector<std::string> ReadNumberedList(const SkinIni& ini, std::string_view section,
                                          std::string_view name) {
    const int32_t count = ListCount(ini, section, std::string(name) + "count", kMaxSkinListEntries);
    std::vector<std::string> items;
    items.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i) items.push_back(ini.ReadString(section, std::to_string(i)));
    return items;
}

std::vector<std::string> ReadLineList(const SkinIni& ini, std::string_view section, std::string_view prefix) {
    const std::string linePrefix = std::string(prefix) + "line";
    const int32_t count = ListCount(ini, section, linePrefix + "count", kMaxSkinLineListEntries);
    std::vector<std::string> lines;
    lines.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i)
        lines.push_back(ini.ReadString(section, linePrefix + std::to_string(i)));
    return lines;
}

std::string SkinPointText(const Point& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string SkinRectText(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string FontStylesText(const FontStyles& styles) {
    std::string text;
    const auto add = [&](bool on, std::string_view word) {
        if (!on) return;
        if (!text.empty()) text += ',';
        text += word;
    };
    add(styles.bold, "fsbold");
    add(styles.italic, "fsitalic");
    add(styles.underline, "fsunderline");
    add(styles.strikeOut, "fsstrikeout");
    return text;
}

void WriteSkinPoint(SkinIni& ini, std::string_view section, std::string_view key, const Point& p) {
    ini.WriteString(section, key, SkinPointText(p));
}

void WriteSkinRect(SkinIni& ini, std::string_view section, std::string_view key, const Rect& r) {
    ini.WriteString(section, key, SkinRectText(r));
}

void WriteSkinBool(SkinIni& ini, std::string_view section, std::string_view key, bool value) {
    ini.WriteInteger(section, key, value ? 1 : 0);
}

void WriteFontStyles(SkinIni& ini, std::string_view section, std::string_view key, const FontStyles& styles) {
    ini.WriteString(section, key, FontStylesText(styles));
}

void WriteNumberedList(SkinIni& ini, std::string_view section, std::string_view name,
                       const std::vector<std::string>& items) {
    ini.WriteInteger(section, std::string(name) + "count", int32_t(items.size()));
    for (size_t i = 0; i < items.size(); ++i) ini.WriteString(section, std::to_string(i), items[i]);
}

void WriteLineList(SkinIni& ini, std::string_view section, std::string_view prefix,
                   const std::vector<std::string>& lines) {
    const std::string linePrefix = std::string(prefix) + "line";
    ini.WriteInteger(section, linePrefix + "count", int32_t(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i)
        ini.WriteString(section, linePrefix + std::to_string(i), lines[i]);
}

}  // namespace vemora::skin
