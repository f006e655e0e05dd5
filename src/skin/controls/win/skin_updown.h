// The skinned up-down: two arrow buttons drawn from an "hupdown" or "vupdown" record (or a
// built-in look), stepping Position while a button is held. The page control shows one in
// place of the native scroll arrows when its tabs do not fit.
#pragma once

#include "skin/controls/updown_logic.h"
#include "skin/controls/win/skin_control.h"

namespace vemora::skin {

class TspSkinUpDown : public TspSkinControl, private UpDownHost {
  public:
    // The record name follows the orientation: "hupdown" or "vupdown".
    explicit TspSkinUpDown(bool horizontal = true)
        : TspSkinControl(horizontal ? "hupdown" : "vupdown"), horizontal_(horizontal), state_(*this) {}

    bool Create(HWND parent, int x, int y, int w, int h);
    TspSkinUpDownState& State() { return state_; }
    bool UseSkinSize = true;
    UpDownButtons Buttons();

  protected:
    void PaintSkinImage(DibSection& image) override;
    void PaintDefaultImage(DibSection& image) override;
    Size FitBounds(Size current, Size requested) override;
    void MouseLeave() override { state_.MouseLeave(); }
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    enum : UINT_PTR { kStepTimer = 1 };
    void StartTimer(int periodMs) override { SetTimer(hwnd(), kStepTimer, periodMs, nullptr); }
    void StopTimer() override { KillTimer(hwnd(), kStepTimer); }
    void Repaint() override { TspSkinControl::Repaint(); }
    UpDownButton ButtonAt(LPARAM lp);

    bool horizontal_;
    TspSkinUpDownState state_;
};

}  // namespace vemora::skin
