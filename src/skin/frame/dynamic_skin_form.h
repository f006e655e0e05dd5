// TspDynamicSkinForm: the skinned frame of one form, its state and its rules, without a window.
//
// It owns the non-client area: the geometry for the current size, the window outline, the
// hit test, the size limits, the window states and roll-up, and the caption objects. win/
// turns messages into the calls below and paints what ComposeFrame gives.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/draw/ellipsize.h"
#include "skin/draw/nine_area.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/frame_platform.h"

namespace vemora::skin {

struct TspBorderIcons {
    bool biSystemMenu = true;
    bool biMinimize = true;
    bool biMaximize = true;
    bool biRollUp = true;
    bool biMinimizeToTray = false;
};

// The plain frame shown while no skin applies.
struct BuiltInFrameMetrics {
    int captionHeight;  // 19, or 15 for tool windows
    int buttonSize;     // 17, or 13
    static constexpr int kBorder = 3;
};
BuiltInFrameMetrics BuiltInMetrics(bool toolWindow);

// Where a caption's text goes: the shortened text and its top-left corner in window coordinates.
struct CaptionTextPlacement {
    std::string text;
    Point at;
    Rect textRect;  // the rectangle it was placed in
};
// Nothing for an empty text or an empty "textrect". measure gives a text's width in the
// caption font; textHeight is the font's line height.
std::optional<CaptionTextPlacement> PlaceCaptionText(const TspSkinCaptionObject& caption,
                                                     const std::string& text, const TextMeasure& measure,
                                                     int textHeight);
// The built-in frame's caption: the text centred in the caption area, shortened to fit.
std::optional<CaptionTextPlacement> PlaceBuiltInCaptionText(const Rect& captionArea, int captionHeight,
                                                            const std::string& text,
                                                            const TextMeasure& measure, int textHeight);

class TspDynamicSkinForm : private FrameObjectHost {
  public:
    explicit TspDynamicSkinForm(FramePlatform& platform);
    TspDynamicSkinForm(const TspDynamicSkinForm&) = delete;
    TspDynamicSkinForm& operator=(const TspDynamicSkinForm&) = delete;
    ~TspDynamicSkinForm() override;

    // Properties
    const TspSkinData* SkinData() const { return skinData_; }
    void SetSkinData(const TspSkinData* skinData);
    bool Sizeable = true;
    bool Magnetic = false;
    int MagneticSize = 10;
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    const TspBorderIcons& BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(const TspBorderIcons& icons);
    bool HideCaptionButtons = false;
    bool ShowIcon() const override { return showIcon_; }
    void SetShowIcon(bool value);
    bool UseFormCursorInNCArea = false;
    bool MaximizeOnFullScreen = false;

    // Skin application and the skin-change messages (skinData is the message's wParam).
    void ApplySkin();
    void SkinChanging(const TspSkinData* skinData);
    void SkinChanged(const TspSkinData* skinData);
    bool SkinApplied() const { return skinApplied_; }

    // Geometry
    void UpdateFrameGeometry(bool withObjects);
    const FrameGeometry& Geometry() const { return geometry_; }
    FrameSkin Skin() const;
    bool UsableSkin() const;  // a non-empty skin with a client rectangle
    // WM_NCCALCSIZE: the client rectangle for a proposed window rectangle.
    Rect ClientArea(const Rect& window);
    const MaskStrips& Mask() const { return mask_; }

    // The border composed for the current size: the four strips with the objects on them.
    BorderStrips ComposeFrame();
    // Whether the skinned frame can be painted at the current size.
    bool CanPaintSkin() const;
    const Image24& SourcePicture() const;
    // Draws one object with the update flag onto a canvas (RepaintObject).
    void DrawObject(TspActiveSkinObject& object, ObjectCanvas& canvas) { object.Draw(canvas, true); }
    // Objects that take part in the current roll-up set, in list order.
    bool InCurrentSet(const TspActiveSkinObject& object) const { return !object.RollUp; }
    FrameObjectList& Objects() { return objects_; }
    const FrameObjectList& Objects() const { return objects_; }
    int HoverObject() const { return hoverObject_; }
    // Releases the first down button whose menu is open (the end of menu mode).
    void ReleaseMenuButton();
    int CaptureObject() const { return captureObject_; }

    // The built-in frame: its caption area after the layout (window coordinates).
    Rect BuiltInLayout();

    // Non-client behaviour
    int FrameHitTest(Point screen);
    int MinTrackWidth() const;
    int MinTrackHeight() const;
    int MaxTrackWidth() const;
    int MaxTrackHeight() const;
    int FrameState() const override { return frameState_; }
    bool RollUpState() const override { return rollUpState_; }
    const Rect& RestoreBounds() const { return restoreBounds_; }
    void SetFrameState(int state);
    void SetRollUpState(bool value);
    void ForceResize();
    // WM_SETCURSOR: the hit code the platform should see.
    int CursorHitCode(int code) const;

    // Messages, in window-size and screen terms.
    void OnSize(int width, int height);
    // False when the geometry is left to WM_SIZE.
    bool OnSizing(int width, int height);
    void OnMoving(Rect& proposed);
    void OnEnterSizeMove(bool fullDrag);
    void OnExitSizeMove();
    void OnActivate();
    void OnSetText(const std::string& text);
    bool InSizeMove() const { return inSizeMove_; }
    bool FullDragSetting() const { return fullDrag_; }

    // Mouse routing; points in screen coordinates, hit the message's hit code.
    void OnNcMouseMove(Point screen);
    void OnNcButtonDown(MouseButton button, Point screen, int hit);
    void OnNcButtonUp(MouseButton button, Point screen);
    void OnButtonUp(MouseButton button);  // a client release while the window held the capture
    void OnNcButtonDblClk(MouseButton button, Point screen, int hit);
    void OnButtonDblClk(MouseButton button, Point client);
    void OnMouseTimer(Point cursorScreen);
    void OnMorphTimer();
    void UpdateHoverObject(std::optional<Point> p, bool enable);
    void UpdateCaptionObjects(bool refresh);

    Point ScreenToFrame(Point screen) const;

  private:
    // FrameObjectHost
    bool IsFormActive() const override { return platform_.IsFormActive(); }
    void RepaintObject(TspActiveSkinObject& object) override;
    void StartMorphTimer() override { platform_.SetTimerRunning(FrameTimer::kMorph, true); }
    void PerformCommand(SkinCommand command) override;
    void CloseHost() override { platform_.CloseHost(); }
    bool ShowSystemMenuBelow(const Rect& below) override;
    void DrawSmallIcon(ObjectCanvas& canvas, Point at) override { platform_.DrawSmallIcon(canvas, at); }
    void DrawDefaultButton(ObjectCanvas& canvas, const TspActiveSkinObject& button) override;
    void ReleaseGroup(const TspActiveSkinObject& pressed, int groupIndex) override;

    void CalcFrameGeometry();
    void PlaceObjects();
    void UpdateWindowRegion();
    void ApplyBorderIcons();
    void CreateDefaultButtons();
    void ResetObjectStates();
    void StopTimers();
    void EnforceMinimumSize();
    void Press(MouseButton button, Point p);
    void Release(MouseButton button, Point p);
    void CaptionDoubleClick();
    bool OnCaptionObject(Point p) const;
    void SetSize(int width, int height);

    FramePlatform& platform_;
    const TspSkinData* skinData_ = nullptr;
    TspBorderIcons borderIcons_;
    bool showIcon_ = false;
    bool skinApplied_ = false;
    int frameWidth_ = 0, frameHeight_ = 0;
    FrameGeometry geometry_;
    MaskStrips mask_;
    bool regionSet_ = false;
    int frameState_ = kFrameNormal;
    bool rollUpState_ = false;
    bool rollUpInMaximized_ = false;
    Rect restoreBounds_;
    int rollUpSavedHeight_ = 0;
    FrameObjectList objects_;
    int hoverObject_ = -1, previousHoverObject_ = -1, captureObject_ = -1;
    bool inSizeMove_ = false;
    bool fullDrag_ = false;
};

}  // namespace vemora::skin
