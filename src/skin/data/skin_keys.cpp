#include "skin/data/skin_keys.h"

namespace vemora::skin {

void SkinKeyVisitor::Font(std::string_view prefix, SkinFont& font) {
    const std::string p(prefix);
    Text(p + "fontname", font.Name, kDefaultSkinFontName);
    Integer(p + "fontheight", font.Height, kDefaultSkinFontHeight);
    Styles(p + "fontstyle", font.Style);
}

void SkinKeyVisitor::Corners(Point& leftTop, Point& rightTop, Point& leftBottom, Point& rightBottom) {
    SkinPoint("lefttoppoint", leftTop);
    SkinPoint("righttoppoint", rightTop);
    SkinPoint("leftbottompoint", leftBottom);
    SkinPoint("rightbottompoint", rightBottom);
}

void SkinKeyReader::Integer(std::string_view key, int32_t& field, int32_t fallback) {
    field = ini_.ReadInteger(section_, key, fallback);
}
void SkinKeyReader::Bool(std::string_view key, bool& field) {
    field = ReadSkinBool(ini_, section_, key);
}
void SkinKeyReader::Text(std::string_view key, std::string& field, std::string_view fallback) {
    field = ini_.ReadString(section_, key, fallback);
}
void SkinKeyReader::SkinPoint(std::string_view key, Point& field) {
    field = ReadSkinPoint(ini_, section_, key);
}
void SkinKeyReader::SkinRect(std::string_view key, Rect& field) {
    field = ReadSkinRect(ini_, section_, key);
}
void SkinKeyReader::Styles(std::string_view key, FontStyles& field) {
    field = ReadFontStyles(ini_, section_, key);
}
void SkinKeyReader::Enumeration(std::string_view key, int& field, const SkinEnumInfo& info) {
    field = ReadSkinEnumValue(ini_, section_, key, info);
}
void SkinKeyReader::LineList(std::string_view prefix, std::vector<std::string>& field) {
    field = ReadLineList(ini_, section_, prefix);
}

void SkinKeyWriter::Integer(std::string_view key, int32_t& field, int32_t) {
    ini_.WriteInteger(section_, key, field);
}
void SkinKeyWriter::Bool(std::string_view key, bool& field) {
    WriteSkinBool(ini_, section_, key, field);
}
void SkinKeyWriter::Text(std::string_view key, std::string& field, std::string_view) {
    ini_.WriteString(section_, key, field);
}
void SkinKeyWriter::SkinPoint(std::string_view key, Point& field) {
    WriteSkinPoint(ini_, section_, key, field);
}
void SkinKeyWriter::SkinRect(std::string_view key, Rect& field) {
    WriteSkinRect(ini_, section_, key, field);
}
void SkinKeyWriter::Styles(std::string_view key, FontStyles& field) {
    WriteFontStyles(ini_, section_, key, field);
}
void SkinKeyWriter::Enumeration(std::string_view key, int& field, const SkinEnumInfo& info) {
    ini_.WriteString(section_, key, SkinEnumWordOf(field, info));
}
void SkinKeyWriter::LineList(std::string_view prefix, std::vector<std::string>& field) {
    WriteLineList(ini_, section_, prefix, field);
}

}  // namespace vemora::skin
