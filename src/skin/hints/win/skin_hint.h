// The hint component: shows the hints of the controls it is given in its skinned hint window,
// replacing the platform's tool tips. The pointer's rest and leave decide when (at the
// platform's tool-tip pauses, with a 100 ms short pause from one control to the next); the
// skin decides how it looks.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "skin/data/skin_data.h"
#include "skin/hints/hint_schedule.h"
#include "skin/hints/win/skin_hint_window.h"
#include "win/handles.h"

namespace vemora::skin {

class TspSkinHint {
  public:
    // Hints belong to the form `owner`; among the components of one form only one is active.
    explicit TspSkinHint(HWND owner);
    TspSkinHint(const TspSkinHint&) = delete;
    TspSkinHint& operator=(const TspSkinHint&) = delete;
    ~TspSkinHint();

    const TspSkinData* SkinData() const { return skinData_; }
    void SetSkinData(const TspSkinData* skinData) { skinData_ = skinData; }
    bool Active() const { return active_; }
    // Making one component active deactivates the form's others.
    void SetActive(bool active);
    bool UseSkinFont = true;
    bool AlphaBlend = false;
    int AlphaBlendValue = 200;
    bool AlphaBlendSupport() const { return alphaBlendSupport_; }
    // Refused (stays false) where the system has no layered windows.
    void SetAlphaBlendSupport(bool value);
    // The platform's hint font unless replaced; the hint window uses it without a skin font.
    LOGFONTW DefaultFont;
    // Fired for every hint about to show: the text may be changed, show set false.
    std::function<void(std::string& text, bool& show)> OnShowHint;

    // The control's hint; an empty text removes it.
    void Add(HWND control, std::string_view text);
    std::string TextOf(HWND control) const;

    // A hint at the pointer, after the hint pause (the frame's caption objects use it).
    void ShowHintText(const std::string& text);
    void HideHint();

    // The first active component of the form, or null.
    static TspSkinHint* StylingComponent(HWND owner);
    TspSkinHintWindow& Window() { return window_; }
    HWND Owner() const { return owner_; }

  private:
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                        DWORD_PTR data);
    void Apply(HintSchedule::Step step);
    void ShowAtPointer();
    friend class TspSkinHintWindow;
    void TimerFired();

    HWND owner_;
    const TspSkinData* skinData_ = nullptr;
    bool active_ = true;
    bool alphaBlendSupport_ = true;
    std::map<HWND, std::string> hints_;
    HintSchedule schedule_;
    HWND tracked_ = nullptr;  // the control the pointer is over
    std::string pending_;     // the text the next show brings
    TspSkinHintWindow window_;
};

// How far the current pointer reaches below its hot spot: a hint goes that far below the
// pointer so it does not cover it.
int CursorHeightMargin();

}  // namespace vemora::skin
