// The skinned push button: four pictures of its record (normal, active, down, disabled) with
// a cross-fade between normal and active, a caption and a glyph, and the standard button
// messages (BM_CLICK, BM_GETSTATE, WM_GETDLGCODE) so automation and the keyboard work.
#pragma once

#include "skin/controls/button_logic.h"
#include "skin/controls/win/skin_control.h"

namespace vemora::skin {

class TspSkinButton : public TspSkinControl, private ButtonHost {
  public:
    TspSkinButton() : TspSkinControl("button"), state_(*this) {}

    bool Create(HWND parent, int x, int y, int w, int h, std::string_view caption);
    // A strip of numGlyphs equal frames; its bottom-left colour is transparent.
    void SetGlyph(Image24 strip, int numGlyphs = 1);
    void Click();  // as the user's click: nothing while disabled

    std::function<void()> OnClick;

    // Enter in the button's dialog-like form (one whose loop calls IsDialogMessage) clicks the
    // Default button while the focus is on a control that is not a skinned button; Escape
    // clicks the Cancel button.
    bool Default() const { return state_.Default(); }
    void SetDefault(bool isDefault);
    bool Cancel() const { return state_.Cancel; }
    void SetCancel(bool cancel);

    TspSkinButtonState& State() { return state_; }
    TspButtonLayout Layout = TspButtonLayout::blGlyphLeft;
    int Spacing = 1;
    int Margin() const { return margin_; }
    void SetMargin(int margin);  // below −1 is refused

    void ApplySkinChange() override;

  protected:
    void PaintSkinImage(DibSection& image) override;
    void PaintDefaultImage(DibSection& image) override;
    void MouseEnter() override { state_.MouseEnter(); }
    void MouseLeave() override { state_.MouseLeave(); }
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    enum : UINT_PTR { kRepeatTimer = 1, kMorphTimer = 2 };
    // ButtonHost
    void StartRepeatTimer(int intervalMs) override { SetTimer(hwnd(), kRepeatTimer, intervalMs, nullptr); }
    void StopRepeatTimer() override { KillTimer(hwnd(), kRepeatTimer); }
    void StartMorphTimer() override { SetTimer(hwnd(), kMorphTimer, 20, nullptr); }
    void StopMorphTimer() override { KillTimer(hwnd(), kMorphTimer); }
    void Repaint() override { TspSkinControl::Repaint(); }
    void SetModalResult(int result) override { modalResult_ = result; }

    void DrawContent(DibSection& image, const Rect& r, bool down, bool active, HFONT font, COLORREF color);
    bool Morphing();
    HWND Root() const { return GetAncestor(hwnd(), GA_ROOT); }
    void WatchDialogKeys();
    // Every skinned button of the form learns where its focus went.
    static void FormFocusMoved(HWND root, HWND focus);
    static LRESULT CALLBACK DialogKeysProc(HWND root, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                           DWORD_PTR data);

    TspSkinButtonState state_;
    Image24 glyph_;
    int numGlyphs_ = 1;
    int margin_ = -1;
    int modalResult_ = 0;
};

}  // namespace vemora::skin
