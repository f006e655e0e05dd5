#include "app/event_row.h"

namespace vemora {

MappedAction MapAction(std::string_view actionName) {
    struct Entry {
        std::string_view name;
        const char* text;
    };
    static constexpr Entry kMapping[] = {
        {"ADDED", "新建"},     {"DELETED", "删除"},   {"MODIFIED", "修改"},
        {"RENAME...", "更名"}, {"RENAMED", "更名为"},
    };
    for (int i = 0; i < static_cast<int>(std::size(kMapping)); ++i) {
        if (kMapping[i].name == actionName) return {i, kMapping[i].text};
    }
    return {kNoImage, std::string(actionName)};
}

}  // namespace vemora
