// Vemora.ini through the system's private-profile services, one value per call. Values
// are UTF-8 here; the system keeps the file in the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace vemora {

class PrivateProfile {
  public:
    explicit PrivateProfile(std::wstring path) : path_(std::move(path)) {}

    std::string Read(const char* section, const char* key) const;  // "" when missing
    // A file that cannot be written keeps its old values; nothing is reported.
    void Write(const char* section, const char* key, std::string_view value) const;

    const std::wstring& path() const { return path_; }

  private:
    std::wstring path_;
};

}  // namespace vemora
