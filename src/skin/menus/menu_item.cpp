#include "skin/menus/menu_item.h"

#include <algorithm>

namespace vemora::skin {

TMenuItem& TMenuItem::Add(std::string caption, std::function<void()> onClick) {
    return Insert(Count(), std::move(caption), std::move(onClick));
}

TMenuItem& TMenuItem::Insert(int index, std::string caption, std::function<void()> onClick) {
    index = std::clamp(index, 0, Count());
    auto item = std::make_unique<TMenuItem>(std::move(caption), std::move(onClick));
    return **items_.insert(items_.begin() + index, std::move(item));
}

void TMenuItem::Delete(int index) {
    if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
}

int TMenuItem::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (items_[size_t(i)]->Name == name) return i;
    }
    return -1;
}

char AcceleratorOf(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const char c = caption[i + 1];
        return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    return 0;
}

std::string CaptionWithoutPrefix(std::string_view caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        text += caption[i];
    }
    return text;
}

}  // namespace vemora::skin
