// The report list's smaller rules: filling the client width with the last column, which
// popup menu a right-click or the menu keys open, the wheel step and the background by state.
#pragma once

#include <optional>
#include <span>

namespace vemora::shell {

// The last column's new width, or none when it keeps its width: the others already take
// the available width. The scroll bar is reserved when the list has no rows (or is
// loading), so rows arriving later bring no horizontal scroll bar.
struct FillInput {
    std::span<const int> columnWidths;
    int clientWidth = 0;
    int scrollBarWidth = 0;
    bool reserveScrollBar = false;
};
std::optional<int> ResizeLastColumn(const FillInput& in);

// What opens a context menu and what the list knows at that moment.
enum class MenuRequest {
    kRightClickOnItem,  // the right button went up over an item
    kRightClickElsewhere,
    kMenuKey,  // the Applications key or Shift+F10
};
struct MenuState {
    int focused = -1;  // focused item, -1 for none
    bool focusedSelected = false;
    int firstSelected = -1;  // -1 when nothing is selected
    bool autoPopup = true;   // the list's PopupMenu pops up by itself
};
struct MenuChoice {
    enum Kind { kNone, kItemMenu, kListMenu } kind = kNone;
    int item = -1;  // the item whose icon centre the menu opens at; -1: at the point
    friend bool operator==(const MenuChoice&, const MenuChoice&) = default;
};
MenuChoice ChooseContextMenu(MenuRequest request, const MenuState& state);

// The system's context-menu request (WM_CONTEXTMENU): whether the list acts on it at all.
bool AcceptsContextMenuRequest(bool menuShownForThisClick, const MenuState& state);

// Whether a request to edit an item's label goes ahead. In report view with whole-row
// selection a click anywhere on the row selects it, so unless EditOnRowClick is set the
// edit starts only with the pointer on the label itself.
struct LabelEditRequest {
    bool reportView = true;
    bool wholeRowSelect = true;
    bool editOnRowClick = false;
    bool pointerInLabel = false;
    bool itemEditable = true;  // what the list would allow without this rule
};
bool AllowsLabelEdit(const LabelEditRequest& request);

// Pixels one wheel movement scrolls, positive towards the end: wheel lines of 16 pixels
// (32 in icon view) per notch of 120; a delta left over is kept for the next movement.
class WheelStep {
  public:
    int Scroll(int wheelDelta, int scrollLines, bool iconView);

  private:
    int remainder_ = 0;
};

// The background follows the enabled and focus state; the colour set from outside is the
// normal one, and a focus colour equal to it follows it.
class ListBackground {
  public:
    ListBackground(unsigned normal, unsigned focus, unsigned disabled)
        : normal_(normal), focus_(focus), disabled_(disabled) {}
    void SetNormal(unsigned color);
    void SetFocusColor(unsigned color) { focus_ = color; }
    void SetDisabledColor(unsigned color) { disabled_ = color; }
    unsigned For(bool enabled, bool focused) const;
    unsigned Normal() const { return normal_; }
    unsigned FocusColor() const { return focus_; }
    unsigned DisabledColor() const { return disabled_; }

  private:
    unsigned normal_, focus_, disabled_;
};

}  // namespace vemora::shell
