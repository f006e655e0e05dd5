// One list of keys per record, walked by a reader and by a writer.
//
// A record names each of its keys once, with its field and its default, in reading order;
// the reading visitor fills the fields from a section, the writing visitor writes them back
// in the same forms. So a record's reader and writer cannot drift apart.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/data/skin_ini.h"
#include "skin/data/skin_values.h"

namespace vemora::skin {

class SkinKeyVisitor {
  public:
    virtual ~SkinKeyVisitor() = default;

    virtual void Integer(std::string_view key, int32_t& field, int32_t fallback = 0) = 0;
    virtual void Bool(std::string_view key, bool& field) = 0;
    virtual void Text(std::string_view key, std::string& field, std::string_view fallback = {}) = 0;
    virtual void SkinPoint(std::string_view key, Point& field) = 0;
    virtual void SkinRect(std::string_view key, Rect& field) = 0;
    virtual void Styles(std::string_view key, FontStyles& field) = 0;
    virtual void Enumeration(std::string_view key, int& field, const SkinEnumInfo& info) = 0;
    virtual void LineList(std::string_view prefix, std::vector<std::string>& field) = 0;

    void PictureIndex(std::string_view key, int32_t& field) { Integer(key, field, -1); }
    void CursorIndex(std::string_view key, int32_t& field) { Integer(key, field, -1); }
    void Color(std::string_view key, SkinColor& field, SkinColor fallback = 0) {
        Integer(key, field, fallback);
    }
    template <class E>
    void Enum(std::string_view key, E& field) {
        int value = static_cast<int>(field);
        Enumeration(key, value, EnumInfoOf(E{}));
        field = static_cast<E>(value);
    }
    // prefix+"fontname" (default "宋体"), prefix+"fontheight" (default 14), prefix+"fontstyle".
    void Font(std::string_view prefix, SkinFont& font);
    // The corner points of a nine-area picture: "lefttoppoint", "righttoppoint",
    // "leftbottompoint", "rightbottompoint".
    void Corners(Point& leftTop, Point& rightTop, Point& leftBottom, Point& rightBottom);
};

class SkinKeyReader final : public SkinKeyVisitor {
  public:
    SkinKeyReader(const SkinIni& ini, std::string_view section) : ini_(ini), section_(section) {}

    void Integer(std::string_view key, int32_t& field, int32_t fallback) override;
    void Bool(std::string_view key, bool& field) override;
    void Text(std::string_view key, std::string& field, std::string_view fallback) override;
    void SkinPoint(std::string_view key, Point& field) override;
    void SkinRect(std::string_view key, Rect& field) override;
    void Styles(std::string_view key, FontStyles& field) override;
    void Enumeration(std::string_view key, int& field, const SkinEnumInfo& info) override;
    void LineList(std::string_view prefix, std::vector<std::string>& field) override;

  private:
    const SkinIni& ini_;
    std::string section_;
};

// Only reads the fields it is given, so a record may pass itself to it from a const writer.
class SkinKeyWriter final : public SkinKeyVisitor {
  public:
    SkinKeyWriter(SkinIni& ini, std::string_view section) : ini_(ini), section_(section) {}

    void Integer(std::string_view key, int32_t& field, int32_t fallback) override;
    void Bool(std::string_view key, bool& field) override;
    void Text(std::string_view key, std::string& field, std::string_view fallback) override;
    void SkinPoint(std::string_view key, Point& field) override;
    void SkinRect(std::string_view key, Rect& field) override;
    void Styles(std::string_view key, FontStyles& field) override;
    void Enumeration(std::string_view key, int& field, const SkinEnumInfo& info) override;
    void LineList(std::string_view prefix, std::vector<std::string>& field) override;

  private:
    SkinIni& ini_;
    std::string section_;
};

// Replaces section by the keys record's visit writes, in reading order. The writer only reads
// the fields, so a const record may be walked by its (non-const) visit.
template <class Record>
void WriteSkinSection(SkinIni& ini, std::string_view section, const Record& record,
                      void (Record::*visit)(SkinKeyVisitor&)) {
    ini.EraseSection(section);
    SkinKeyWriter writer(ini, section);
    (const_cast<Record&>(record).*visit)(writer);
}

// A type word of [SKINOBJECTS] or [SKINCONTROLS] and the record class it makes.
template <class Base>
struct SkinRecordType {
    std::string_view word;
    std::unique_ptr<Base> (*make)(std::string sectionName);
};

template <class Base, class Record>
std::unique_ptr<Base> MakeSkinRecord(std::string sectionName) {
    return std::make_unique<Record>(std::move(sectionName));
}

// The record for typeWord (exact case) in types, read from section sectionName; null for a
// word the table does not hold.
template <class Base>
std::unique_ptr<Base> CreateSkinRecord(std::span<const SkinRecordType<Base>> types, std::string_view typeWord,
                                       std::string sectionName) {
    for (const SkinRecordType<Base>& type : types) {
        if (type.word == typeWord) return type.make(std::move(sectionName));
    }
    return nullptr;
}

}  // namespace vemora::skin
