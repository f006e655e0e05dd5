// The skinned check box and radio box. In the flat look (the one the main window uses) it
// shows its parent's background, a check picture of its record and the caption. It answers
// BM_GETCHECK, BM_SETCHECK (as assigning Checked), BM_CLICK (as the user's click) and
// BM_GETSTATE, and takes the focus so Tab reaches it and Space toggles it.
#pragma once

#include "skin/controls/check_logic.h"
#include "skin/controls/win/skin_control.h"

namespace vemora::skin {

class TspSkinCheckRadioBox : public TspSkinControl {
  public:
    TspSkinCheckRadioBox();

    bool Create(HWND parent, int x, int y, int w, int h, std::string_view caption);
    bool Checked() const { return state_.Checked(); }
    // Fires OnClick every time for a check box (only on checking for a radio box).
    void SetChecked(bool checked) { state_.SetChecked(checked); }
    void Toggle() { state_.Toggle(); }

    std::function<void()> OnClick;
    bool Flat = true;
    bool Radio() const { return state_.Radio; }
    void SetRadio(bool radio) { state_.Radio = radio; }
    int GroupIndex() const { return state_.GroupIndex; }
    void SetGroupIndex(int index) { state_.GroupIndex = index; }

    void ApplySkinChange() override;

  protected:
    void PaintSkinImage(DibSection& image) override;
    void PaintDefaultImage(DibSection& image) override;
    Size FitBounds(Size current, Size requested) override;
    void MouseEnter() override { state_.MouseEnter(); }
    void MouseLeave() override { state_.MouseLeave(); }
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void DrawCaption(DibSection& image, Rect caption, COLORREF color);
    // The check picture of the box's state.
    Rect CheckPictureRect(const TspDataSkinCheckRadioControl& record) const;
    void DrawCheckPicture(DibSection& image, const Rect& source, int x, int y);
    void PaintNonFlat(DibSection& image, const TspDataSkinCheckRadioControl& record);

    TspSkinCheckRadioState state_;
};

}  // namespace vemora::skin
