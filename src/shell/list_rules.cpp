#include "shell/list_rules.h"

#include <numeric>

namespace vemora::shell {

std::optional<int> ResizeLastColumn(const FillInput& in) {
    if (in.columnWidths.empty()) return std::nullopt;
    const int sum = std::accumulate(in.columnWidths.begin(), in.columnWidths.end() - 1, 0);
    const int available = in.clientWidth - (in.reserveScrollBar ? in.scrollBarWidth : 0);
    if (sum >= available) return std::nullopt;
    const int rest = available - sum;
    return rest <= 4 ? 5 : rest;
}

MenuChoice ChooseContextMenu(MenuRequest request, const MenuState& state) {
    if (request == MenuRequest::kRightClickOnItem) return {MenuChoice::kItemMenu, -1};
    if (state.focused < 0) return state.autoPopup ? MenuChoice{MenuChoice::kListMenu, -1} : MenuChoice{};
    if (state.focusedSelected) return {MenuChoice::kItemMenu, state.focused};
    if (state.firstSelected >= 0) return {MenuChoice::kItemMenu, state.firstSelected};
    return {MenuChoice::kListMenu, -1};
}

bool AcceptsContextMenuRequest(bool menuShownForThisClick, const MenuState& state) {
    return !menuShownForThisClick && (state.focused >= 0 || state.firstSelected >= 0);
}

bool AllowsLabelEdit(const LabelEditRequest& request) {
    const bool labelOnly = request.reportView && request.wholeRowSelect && !request.editOnRowClick;
    return request.itemEditable && (!labelOnly || request.pointerInLabel);
}

int WheelStep::Scroll(int wheelDelta, int scrollLines, bool iconView) {
    constexpr int kNotch = 120;
    remainder_ += wheelDelta;
    const int notches = remainder_ / kNotch;
    remainder_ -= notches * kNotch;
    return -notches * scrollLines * (iconView ? 32 : 16);
}

void ListBackground::SetNormal(unsigned color) {
    if (focus_ == normal_) focus_ = color;
    normal_ = color;
}

unsigned ListBackground::For(bool enabled, bool focused) const {
    if (!enabled) return disabled_;
    return focused ? focus_ : normal_;
}

}  // namespace vemora::shell
