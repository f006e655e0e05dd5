#include "skin/data/skin_ini.h"

#include "core/integer_text.h"

namespace vemora::skin {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string Fold(std::string_view s) {
    std::string folded(s);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return folded;
}

}  // namespace

SkinIni::SkinIni(std::string_view text) {
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    Section* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n' && (pos == end || text[pos - 1] == '\r')) ++pos;

        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string_view name = Trim(line.substr(1, line.size() - 2));
            current = &SectionFor(name);
            // Only the last occurrence of a section is seen.
            current->entries.clear();
            current->index.clear();
            continue;
        }
        if (!current) continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;  // a key without a value matches nothing
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        const std::string folded = Fold(key);
        if (auto it = current->index.find(folded); it != current->index.end()) {
            current->entries[it->second].value = std::string(value);
        } else {
            current->index.emplace(folded, current->entries.size());
            current->entries.push_back({std::string(key), std::string(value)});
        }
    }
}

SkinIni::Section* SkinIni::FindSection(std::string_view name) {
    auto it = sectionIndex_.find(Fold(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const SkinIni::Section* SkinIni::FindSection(std::string_view name) const {
    auto it = sectionIndex_.find(Fold(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

SkinIni::Section& SkinIni::SectionFor(std::string_view name) {
    if (Section* section = FindSection(name)) return *section;
    sectionIndex_.emplace(Fold(name), sections_.size());
    sections_.push_back({std::string(name), {}, {}});
    return sections_.back();
}

const std::string* SkinIni::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    auto it = s->index.find(Fold(key));
    return it == s->index.end() ? nullptr : &s->entries[it->second].value;
}

bool SkinIni::HasSection(std::string_view section) const {
    const Section* s = FindSection(section);
    return s && !s->entries.empty();
}

std::string SkinIni::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::string* value = Find(section, key);
    return value ? *value : std::string(fallback);
}

int32_t SkinIni::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
    const std::string* value = Find(section, key);
    if (!value) return fallback;
    return ParseInteger(*value).value_or(fallback);
}

void SkinIni::EraseSection(std::string_view section) {
    if (Section* s = FindSection(section)) {
        s->entries.clear();
        s->index.clear();
    }
}

void SkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = SectionFor(section);
    const std::string folded = Fold(key);
    if (auto it = s.index.find(folded); it != s.index.end()) {
        s.entries[it->second].value = std::string(value);
    } else {
        s.index.emplace(folded, s.entries.size());
        s.entries.push_back({std::string(key), std::string(value)});
    }
}

void SkinIni::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

std::string SkinIni::Text() const {
    std::string text;
    for (const Section& s : sections_) {
        if (s.entries.empty()) continue;
        text += "[" + s.name + "]\r\n";
        for (const Entry& e : s.entries) text += e.key + "=" + e.value + "\r\n";
        text += "\r\n";
    }
    return text;
}

SplitResult SplitEntry(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return {std::string(text), {}, false};
    return {std::string(text.substr(0, colon)), std::string(text.substr(colon + 1)), true};
}

}  // namespace vemora::skin
