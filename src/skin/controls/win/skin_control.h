// The base of the skinned controls: a window of its own class, painted whole into one
// off-screen bitmap and blitted once (the erase message is ignored, so nothing flickers), that
// takes its look from a named skin record and falls back to a built-in look without one.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "skin/controls/custom_control.h"
#include "skin/data/skin_change_client.h"
#include "skin/draw/win/dib_section.h"
#include "win/controls/control.h"
#include "win/handles.h"

namespace vemora::skin {

// Fonts by face, height and style, made once and kept for the control's life.
class FontCache {
  public:
    HFONT Get(const SkinFont& font);  // the face in the skin's ANSI code page

  private:
    std::map<std::tuple<std::string, int, bool, bool, bool, bool>, win::UniqueFont> fonts_;
};

// A skin colour (0x00BBGGRR, as read) as a COLORREF.
inline COLORREF ColorOf(SkinColor c) {
    return static_cast<COLORREF>(c) & 0xFFFFFF;
}

class TspSkinControl : public win::Control, public SkinChangeClient {
  public:
    const TspSkinData* SkinData() const override { return skin_.SkinData; }
    void SetSkinData(const TspSkinData* data);
    const std::string& SkinDataName() const { return skin_.SkinDataName; }
    void SetSkinDataName(std::string name) { skin_.SkinDataName = std::move(name); }
    int SkinIndex() const { return skin_.SkinIndex(); }

    bool DrawDefault() const { return skin_.DrawDefault; }
    void SetDrawDefault(bool draw);
    void SetAlphaBlend(bool blend);
    void SetAlphaBlendValue(int value);
    bool UseSkinFont() const { return skin_.UseSkinFont; }
    void SetUseSkinFont(bool use);
    void SetDefaultWidth(int width);
    void SetDefaultHeight(int height);

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    void ResetSkinRecord() override { skin_.ResetSkinRecord(); }
    void ApplySkinChange() override;

    // The whole control as it paints, into a device context of its size.
    void PaintTo(HDC dc);

    int Width() const;
    int Height() const;

  protected:
    explicit TspSkinControl(std::string skinDataName) : skin_(std::move(skinDataName)) {}

    // Registers the class on first use (no background brush: the control paints every pixel).
    bool CreateSkinned(const wchar_t* className, std::string_view text, DWORD style, DWORD exStyle, int x,
                       int y, int w, int h, HWND parent);

    virtual void PaintSkinImage(DibSection& image);
    virtual void PaintDefaultImage(DibSection& image);
    // The size a request turns into; the base applies the record's rule.
    virtual Size FitBounds(Size current, Size requested);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    void UpdateSkinRegion();
    void Repaint() { InvalidateRect(hwnd(), nullptr, FALSE); }
    void ResizeTo(Size size);

    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    // The font of the built-in look (and of the skinned one without UseSkinFont).
    HFONT DefaultHFont() { return fonts_.Get(skin_.DefaultFont); }
    HFONT TextFont(const SkinFont& recordFont) {
        return fonts_.Get(skin_.UseSkinFont ? recordFont : skin_.DefaultFont);
    }
    bool MouseInside() const { return tracking_; }

    TspSkinCustomControlModel skin_;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 200;

  private:
    void Paint(HDC target);
    void TrackMouse(LPARAM lp);

    FontCache fonts_;
    HFONT parentFont_ = nullptr;
    bool tracking_ = false;
    bool hasRegion_ = false;
};

// Text on a device context: measured and drawn on one line in the current font.
Size MeasureText(HDC dc, const std::string& text);
void DrawTextLine(HDC dc, const std::string& text, const Rect& r, COLORREF color, UINT format);

}  // namespace vemora::skin
