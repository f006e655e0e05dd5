// Frame-less layout surfaces: the panel and the status bar hold other controls in the skin's
// client rectangle; the label and the status panel draw one line of text.
#pragma once

#include "skin/controls/label_rules.h"
#include "skin/controls/win/skin_control.h"

namespace vemora::skin {

class TspSkinPanel : public TspSkinControl {
  public:
    TspSkinPanel() : TspSkinPanel("panel") {}

    bool Create(HWND parent, int x, int y, int w, int h);
    // Where aligned children go.
    Rect ClientRectForChildren();
    TspSkinBorderStyle BorderStyle = TspSkinBorderStyle::bvFrame;

  protected:
    explicit TspSkinPanel(std::string skinDataName) : TspSkinControl(std::move(skinDataName)) {}
    void PaintSkinImage(DibSection& image) override;
    void PaintDefaultImage(DibSection& image) override;
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    virtual void AlignChildren() {}
};

class TspSkinLabel : public TspSkinControl {
  public:
    TspSkinLabel() : TspSkinLabel("label") {}

    bool Create(HWND parent, int x, int y, int w, int h, std::string_view caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TextAlignment Alignment = TextAlignment::taLeftJustify;
    bool UseSkinSize = true;
    TspSkinBorderStyle BorderStyle = TspSkinBorderStyle::bvFrame;

  protected:
    explicit TspSkinLabel(std::string skinDataName) : TspSkinControl(std::move(skinDataName)) {}
    void PaintSkinImage(DibSection& image) override;
    void PaintDefaultImage(DibSection& image) override;
    Size FitBounds(Size current, Size requested) override;
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    int TextWidth();
    void DrawCaption(DibSection& image, const Rect& r);
    void AdjustWidth();

    bool autoSize_ = false;
};

class TspSkinStatusPanel : public TspSkinLabel {
  public:
    TspSkinStatusPanel() : TspSkinLabel("statuspanel") { UseSkinSize = true; }

  protected:
    void PaintSkinImage(DibSection& image) override;
    void PaintDefaultImage(DibSection& image) override;
};

// A panel at the bottom of its form holding one status panel that fills it.
class TspSkinStatusBar : public TspSkinPanel {
  public:
    TspSkinStatusBar() : TspSkinPanel("statusbar") { BorderStyle = TspSkinBorderStyle::bvNone; }

    bool Create(HWND parent);
    void SetPanelText(std::string_view text) { panel_.SetText(text); }
    std::string PanelText() const { return panel_.Text(); }
    TspSkinStatusPanel& Panel() { return panel_; }
    // The bar's height when laid out: the record's, or 21 without one.
    int Height() const { return TspSkinControl::Height(); }
    // Passes the skin on to its panel.
    void SetSkinData(const TspSkinData* data);

  protected:
    void AlignChildren() override;

  private:
    TspSkinStatusPanel panel_;
};

}  // namespace vemora::skin
