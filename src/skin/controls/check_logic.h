// The check box's and radio box's rules apart from Windows: the Checked setter the settings
// code relies on, the user's toggle, groups, and the flat look's placement.
#pragma once

#include <functional>
#include <vector>

#include "skin/controls/custom_control.h"
#include "skin/data/skin_controls.h"
#include "skin/draw/geometry.h"

namespace vemora::skin {

class TspSkinCheckRadioState {
  public:
    bool Checked() const { return checked_; }
    // Stores (changed or not), repaints, unchecks the rest of the group when checking, then
    // fires OnClick: always for a check box, only on checking for a radio box.
    void SetChecked(bool checked);
    // The user's action: a check box flips; a radio box only checks.
    void Toggle();

    bool Radio = false;
    int GroupIndex = 0;
    bool CanFocused = true;
    std::function<void()> OnClick;
    std::function<void()> Repaint;
    std::function<std::vector<TspSkinCheckRadioState*>()> Siblings;  // same parent

    // Supplied by the window; a disabled box gets no input, and these guard it the same way.
    bool enabled = true;

    void MouseDown();
    void MouseUp(bool leftButton);
    void MouseEnter();
    void MouseLeave();
    void SpaceUp();
    bool MouseIn() const { return mouseIn_; }

  private:
    bool checked_ = false;
    bool mouseIn_ = false;
};

struct FlatCheckPlacement {
    Point check;   // the check picture, or the built-in square's top-left
    Rect caption;  // the measured caption at its place, its right edge limited to width − 2
};

// checkPicture: the record's check picture size; nothing (0 × 0) for the built-in look.
FlatCheckPlacement LayoutFlatCheck(Size box, Size checkPicture, Size caption, bool skinned);

// The non-flat look: the record's text area stretched with the box's width, its check area
// moved along when it lies right of the text, and the check picture centred in that area.
struct NonFlatCheckPlacement {
    Rect check;
    Rect text;
};
NonFlatCheckPlacement FitNonFlatCheck(const TspDataSkinCheckRadioControl& record, int width);

}  // namespace vemora::skin
