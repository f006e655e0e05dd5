// The push button's rules apart from Windows: where glyph and caption go, which picture and
// glyph frame it shows, and how mouse, keyboard and timers turn into clicks.
#pragma once

#include <functional>
#include <vector>

#include "skin/controls/custom_control.h"
#include "skin/draw/geometry.h"

namespace vemora::skin {

enum class TspButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ButtonContentPlacement {
    Point glyph;
    Rect caption;  // the measured caption widened by 2 to the right; the caption is centred in it
};

// glyph: one frame's size (0 × 0 without a glyph); text: the measured caption.
ButtonContentPlacement LayoutButtonContent(const Rect& r, Size glyph, Size text, TspButtonLayout layout,
                                           int margin, int spacing);

// 1 normal, 2 disabled, 3 down, 4 active, limited to the frames the strip has.
int ButtonGlyphFrame(int numGlyphs, bool enabled, bool down, bool active);

enum class ButtonPicture { kNormal, kActive, kDown, kDisabled, kMorph };

struct ButtonLook {
    ButtonPicture picture = ButtonPicture::kNormal;
    bool down = false;
    bool active = false;
};

// What the window does for the button: timers and repaints. Tests count and drive them.
class ButtonHost {
  public:
    virtual ~ButtonHost() = default;
    virtual void StartRepeatTimer(int intervalMs) = 0;
    virtual void StopRepeatTimer() = 0;
    virtual void StartMorphTimer() = 0;  // 20 ms ticks
    virtual void StopMorphTimer() = 0;
    virtual void Repaint() = 0;
    virtual void SetModalResult(int result) = 0;  // of the parent form
};

class TspSkinButtonState {
  public:
    explicit TspSkinButtonState(ButtonHost& host) : host_(host) {}

    // Properties
    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);  // a group button takes no focus
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool can) { canFocused_ = can; }
    // Default: Enter clicks it while the focus is on a control that is not a skinned button.
    // Cancel: Escape clicks it.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);  // the window then recomputes the form's default flags
    bool Cancel = false;
    bool AllowAllUp = false;
    bool RepeatMode = false;
    int RepeatInterval = 100;
    int ModalResult = 0;
    std::function<void()> OnClick;
    // The other buttons with the same parent (for groups).
    std::function<std::vector<TspSkinButtonState*>()> Siblings;

    // Supplied by the window
    bool enabled = true;
    bool focused = false;
    bool morphing = false;  // the record morphs and applies

    // The one place where a click takes effect.
    void ButtonClick();

    // Events
    void MouseDown();
    void MouseUp();
    void MouseEnter();
    void MouseLeave();
    void RepeatTick() { ButtonClick(); }
    void MorphTick();
    void SpaceDown();
    void SpaceUp();
    void EnterKey();
    void FocusChanged(bool focused);
    // The focus of the button's form moved: to a skinned button (this one or another) or to
    // another kind of control.
    void FormFocusChanged(bool toSkinButton, bool toThis);
    // Whether Enter offered to the form's controls clicks this button, and Escape.
    bool TakesEnter() const { return activeDefault_ && enabled && canFocused_; }
    bool TakesEscape(bool modifierHeld) const { return Cancel && canFocused_ && enabled && !modifierHeld; }
    bool ActiveDefault() const { return activeDefault_; }
    void EnabledChanged(bool enabled);
    void SkinChanged(bool morphing);

    bool MouseIn() const { return mouseIn_; }
    bool Pressed() const { return pressed_; }
    double MorphFactor() const { return morphFactor_; }
    ButtonLook Look(bool hasDisabledPicture) const;

  private:
    void StartMorph();
    bool LooksHot() const;  // the mouse-enter / leave condition for a repaint or morph

    ButtonHost& host_;
    bool down_ = false;
    int groupIndex_ = 0;
    bool canFocused_ = true;
    bool default_ = false;
    bool activeDefault_ = false;  // this button answers Enter
    bool mouseIn_ = false;
    bool pressed_ = false;
    bool wasDown_ = false;
    bool repeating_ = false;
    bool morphRunning_ = false;
    double morphFactor_ = 0;
};

}  // namespace vemora::skin
