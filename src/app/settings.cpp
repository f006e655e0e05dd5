#include "app/settings.h"

#include "core/integer_text.h"

namespace vemora {

const Setting* FindSetting(int number) {
    for (const Setting& setting : kSettings) {
        if (setting.number == number) return &setting;
    }
    return nullptr;
}

bool ReadBoolSetting(std::optional<std::string_view> stored, bool defaultValue) {
    if (!stored) return defaultValue;
    const std::optional<int32_t> value = ParseInteger(*stored);
    return value ? *value != 0 : defaultValue;
}

}  // namespace vemora
