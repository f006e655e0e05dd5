// The INI dialect of a skin description.
//
// Lines end in CR LF, CR or LF; a NUL byte ends the text. Lines are trimmed; empty lines and
// lines starting with ";" are skipped. "[name]" opens a section; lines before the first
// section are ignored. Section names and keys match without regard to ASCII letter case; a
// section given twice is seen only in its last occurrence, a key given twice only in its
// last. A line without "=" is a key without a value that no lookup finds. Text is kept as
// the bytes of the ANSI code page it was written in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vemora::skin {

class SkinIni {
  public:
    SkinIni() = default;
    explicit SkinIni(std::string_view text);

    // Null when the key is absent; an empty value is present.
    const std::string* Find(std::string_view section, std::string_view key) const;
    // A section counts only when it holds at least one key.
    bool HasSection(std::string_view section) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    // Absent, empty or not an integer by the shared integer rule: the fallback.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback = 0) const;

    void EraseSection(std::string_view section);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);

    // Sections in the order they first appeared, lines ending in CR LF.
    std::string Text() const;

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;                     // in order, later duplicates replace earlier
        std::unordered_map<std::string, size_t> index;  // folded key → entry
    };

    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    Section& SectionFor(std::string_view name);

    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;  // folded name → section
};

// Splits a list entry "name:rest" at the first ":"; without ":" the rest is empty and
// hasColon false.
struct SplitResult {
    std::string name;
    std::string rest;
    bool hasColon = false;
};
SplitResult SplitEntry(std::string_view text);

}  // namespace vemora::skin
