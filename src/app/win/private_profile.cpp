#include "app/win/private_profile.h"

#include <windows.h>

#include "win/text.h"

namespace vemora {

std::string PrivateProfile::Read(const char* section, const char* key) const {
    const std::wstring wideSection = win::Widen(section);
    const std::wstring wideKey = win::Widen(key);
    std::wstring value(256, L'\0');
    for (;;) {
        const DWORD n = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), L"", value.data(),
                                                 static_cast<DWORD>(value.size()), path_.c_str());
        if (n + 1 < value.size()) {
            value.resize(n);
            return win::Narrow(value);
        }
        value.resize(value.size() * 2);  // the value filled the buffer: it may be longer
    }
}

void PrivateProfile::Write(const char* section, const char* key, std::string_view value) const {
    WritePrivateProfileStringW(win::Widen(section).c_str(), win::Widen(key).c_str(),
                               win::Widen(value).c_str(), path_.c_str());
}

}  // namespace vemora
