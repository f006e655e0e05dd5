// Non-client behaviour of the frame: hit test, size limits, window states, roll-up, the
// move and size loops, and the routing of the mouse to the caption objects.
#include <algorithm>
#include <cmath>

#include "skin/frame/dynamic_skin_form.h"

namespace vemora::skin {
namespace {

bool PtIn(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

Point TspDynamicSkinForm::ScreenToFrame(Point screen) const {
    const Rect b = platform_.WindowBounds();
    return {screen.x - b.left, screen.y - b.top};
}

bool TspDynamicSkinForm::OnCaptionObject(Point p) const {
    for (const auto& object : objects_) {
        if (AsCaption(object.get()) && InCurrentSet(*object) && PtIn(object->ObjectRect, p)) return true;
    }
    return false;
}

int TspDynamicSkinForm::FrameHitTest(Point screen) {
    const Point p = ScreenToFrame(screen);
    int code;
    if (skinApplied_ && UsableSkin()) {
        if (geometry_.width == 0) UpdateFrameGeometry(true);
        HitTestState state;
        state.rolledUp = rollUpState_;
        state.minimized = frameState_ == kFrameMinimized;
        state.maximized = frameState_ == kFrameMaximized;
        state.sizeable = Sizeable;
        state.inSizeMove = inSizeMove_;
        state.onObject = hoverObject_ != -1;
        state.borderWidth = skinData_->FormInfo.BorderWidth;
        code = skin::FrameHitTest(geometry_, mask_, state, p, [this](Point q) { return OnCaptionObject(q); });
    } else {
        const Rect caption = BuiltInLayout();
        const Rect b = platform_.WindowBounds();
        const int w = RectWidth(b), h = RectHeight(b);
        const int ch = BuiltInMetrics(platform_.IsToolWindow()).captionHeight;
        code = 0;
        if (frameState_ == kFrameNormal && !rollUpState_ && Sizeable) {
            if (hoverObject_ != -1) {
                code = kHtObject;
            } else if (p.x <= 2 && p.y <= 2) {
                code = kHtTopLeft;
            } else if (p.x >= w - 2 && p.y <= 2) {
                code = kHtTopRight;
            } else if (p.x <= 2 && p.y >= h - 2) {
                code = kHtBottomLeft;
            } else if (p.x >= w - 2 && p.y >= h - 2) {
                code = kHtBottomRight;
            } else if (p.x <= 2) {
                code = kHtLeft;
            } else if (p.y <= 2) {
                code = kHtTop;
            } else if (p.x >= w - 2) {
                code = kHtRight;
            } else if (p.y >= h - 2) {
                code = kHtBottom;
            }
        }
        if (code == 0) {
            if (PtIn(caption, p)) {
                code = kHtCaption;
            } else if (PtIn({3, ch + 3, w - 3, h - 3}, p)) {
                code = kHtClient;
            } else {
                code = kHtObject;
            }
        }
    }
    if (code == kHtObject && !platform_.TimerRunning(FrameTimer::kMouse)) {
        UpdateHoverObject(p, true);
        platform_.SetTimerRunning(FrameTimer::kMouse, true);
    }
    return code;
}

int TspDynamicSkinForm::MinTrackWidth() const {
    if (!skinApplied_ || !skinData_) return MinWidth ? MinWidth : 130;
    const int pw = skinData_->Picture.Width();
    return pw < MinWidth && frameState_ != kFrameMinimized ? MinWidth : pw;
}

int TspDynamicSkinForm::MinTrackHeight() const {
    const bool small = rollUpState_ || frameState_ == kFrameMinimized;
    if (!skinApplied_ || !skinData_) {
        const int h = BuiltInMetrics(platform_.IsToolWindow()).captionHeight + 6;
        return small ? h : std::max(h, MinHeight);
    }
    const int bar = skinData_->Picture.Height() - RectHeight(skinData_->FormInfo.ClientRect);
    return bar >= MinHeight || small ? bar : MinHeight;
}

int TspDynamicSkinForm::MaxTrackWidth() const {
    const int w = RectWidth(platform_.MonitorArea(!MaximizeOnFullScreen));
    return MaxWidth > 0 && MaxWidth < w ? MaxWidth : w;
}

int TspDynamicSkinForm::MaxTrackHeight() const {
    const int h = RectHeight(platform_.MonitorArea(!MaximizeOnFullScreen));
    return MaxHeight > 0 && MaxHeight < h ? MaxHeight : h;
}

void TspDynamicSkinForm::SetFrameState(int state) {
    if (state == frameState_) return;
    const bool mainForm = platform_.IsMainForm();
    if (!(state == kFrameMinimized && mainForm)) frameState_ = state;
    const Rect bounds = platform_.WindowBounds();
    switch (state) {
        case kFrameNormal: {
            rollUpInMaximized_ = false;
            if (!IsEmptyRect(restoreBounds_)) platform_.SetWindowBounds(restoreBounds_);
            platform_.SetTimerRunning(FrameTimer::kMouse, true);
            const Rect now = platform_.WindowBounds();
            if (RectWidth(now) == RectWidth(bounds) && RectHeight(now) == RectHeight(bounds)) ForceResize();
            platform_.RepaintHost();
            restoreBounds_ = {};
            break;
        }
        case kFrameMinimized: {
            if (mainForm) {
                platform_.MinimizeApplication();
                return;
            }
            if (IsEmptyRect(restoreBounds_)) restoreBounds_ = bounds;
            const int w = MinTrackWidth(), h = MinTrackHeight();
            const Rect a = platform_.MonitorArea(true);
            const Rect first{a.left, a.bottom - h, a.left + w, a.bottom};
            Rect place = first;
            while (platform_.MinimizedFormAt(place)) {
                place = {place.left + w, place.top, place.right + w, place.bottom};
                if (place.right > a.right) place = {a.left, place.top - h, a.left + w, place.bottom - h};
                if (place.top < a.top) {
                    place = first;
                    break;
                }
            }
            platform_.SetWindowBounds(place);
            break;
        }
        case kFrameMaximized: {
            if (IsEmptyRect(restoreBounds_)) restoreBounds_ = bounds;
            Rect target = platform_.MonitorArea(!MaximizeOnFullScreen);
            if (!MaximizeOnFullScreen) {
                const Rect whole = platform_.MonitorArea(false);
                const bool autoHiddenBar =
                    RectWidth(target) == RectWidth(whole) && RectHeight(target) == RectHeight(whole);
                if (autoHiddenBar && whole == platform_.DesktopArea(false)) {
                    target = {target.left + 1, target.top + 1, target.right - 1, target.bottom - 1};
                }
            }
            platform_.SetWindowBounds(target);
            break;
        }
        default:
            break;
    }
}

void TspDynamicSkinForm::SetRollUpState(bool value) {
    if (!borderIcons_.biRollUp || frameState_ == kFrameMinimized) return;
    if (rollUpState_ && frameState_ == kFrameMaximized && !rollUpInMaximized_) return;
    if (frameState_ == kFrameMaximized) rollUpInMaximized_ = value;
    const Rect b = platform_.WindowBounds();
    rollUpState_ = value;
    if (value) {
        rollUpSavedHeight_ = RectHeight(b);
        SetSize(RectWidth(b), MinTrackHeight());
    } else {
        SetSize(RectWidth(b), rollUpSavedHeight_);
    }
}

int TspDynamicSkinForm::CursorHitCode(int code) const {
    if (!UseFormCursorInNCArea || code == kHtClient || IsSizingCode(code)) return code;
    return kHtClient;
}

void TspDynamicSkinForm::OnSize(int width, int height) {
    frameWidth_ = width;
    frameHeight_ = height;
    if (skinApplied_ && width >= MinTrackWidth() && height >= MinTrackHeight()) {
        UpdateFrameGeometry(true);
    } else if (!skinApplied_) {
        platform_.RepaintFrame();
    }
}

bool TspDynamicSkinForm::OnSizing(int width, int height) {
    if (!inSizeMove_ || !fullDrag_) return false;
    frameWidth_ = width;
    frameHeight_ = height;
    const Rect b = platform_.WindowBounds();
    if (skinApplied_ && RectWidth(b) >= MinTrackWidth() && RectHeight(b) >= MinTrackHeight()) {
        UpdateFrameGeometry(true);
    }
    return true;
}

void TspDynamicSkinForm::OnMoving(Rect& proposed) {
    if (frameState_ == kFrameMaximized) {
        proposed = platform_.WindowBounds();
        return;
    }
    if (!Magnetic) return;
    const int m = MagneticSize;
    const Rect a = platform_.MonitorArea(true);
    const Rect b = platform_.WindowBounds();
    const int w = RectWidth(b), h = RectHeight(b);
    int left = proposed.left, top = proposed.top;
    if (a.left - m < left && left < a.left + m) left = a.left;
    if (a.top - m < top && top < a.top + m) top = a.top;
    if (a.right - m < left + w && left + w < a.right + m) left = a.right - w;
    if (a.bottom - m < top + h && top + h < a.bottom + m) top = a.bottom - h;
    proposed = {left, top, left + w, top + h};
}

void TspDynamicSkinForm::OnEnterSizeMove(bool fullDrag) {
    ResetObjectStates();
    platform_.SetTimerRunning(FrameTimer::kMouse, false);
    hoverObject_ = captureObject_ = -1;
    inSizeMove_ = true;
    fullDrag_ = fullDrag;
}

void TspDynamicSkinForm::OnExitSizeMove() {
    platform_.SetTimerRunning(FrameTimer::kMouse, false);
    hoverObject_ = previousHoverObject_ = captureObject_ = -1;
    if (skinData_ && !skinData_->Empty()) platform_.RepaintFrame();
}

void TspDynamicSkinForm::OnActivate() {
    platform_.RepaintFrame();
    hoverObject_ = -1;
    ResetObjectStates();
    UpdateCaptionObjects(true);
}

void TspDynamicSkinForm::OnSetText(const std::string& text) {
    platform_.RepaintFrame();
    if (!skinApplied_) return;
    for (auto& object : objects_) {
        TspSkinCaptionObject* caption = AsCaption(object.get());
        if (caption && caption->Record().DefaultCaption) {
            caption->Text = text;
            RepaintObject(*caption);
        }
    }
}

void TspDynamicSkinForm::ResetObjectStates() {
    for (auto& object : objects_) {
        if (AsCaption(object.get())) continue;
        object->Active = false;
        object->MouseIn = false;
        object->MorphFactor = 0;
    }
}

void TspDynamicSkinForm::UpdateCaptionObjects(bool refresh) {
    for (auto& object : objects_) {
        TspSkinCaptionObject* caption = AsCaption(object.get());
        if (!caption || !InCurrentSet(*caption)) continue;
        if (refresh) {
            if (!IsEmptyRect(caption->ActiveSkinRect)) caption->Redraw();
        } else if (caption->Morphing) {
            caption->MorphFactor = platform_.IsFormActive() ? 1 : 0;
        }
    }
}

void TspDynamicSkinForm::UpdateHoverObject(std::optional<Point> p, bool enable) {
    if (objects_.empty() || !platform_.IsFormActive()) return;
    previousHoverObject_ = hoverObject_;
    int found = -1;
    if (p) {
        for (int i = 0; i < static_cast<int>(objects_.size()); ++i) {
            const TspActiveSkinObject& o = *objects_[i];
            if (InCurrentSet(o) && o.Enabled && o.Visible && PtIn(o.ObjectRect, *p)) {
                found = i;
                break;
            }
        }
    }
    hoverObject_ = enable ? found : -1;
    if (captureObject_ != -1 && found != captureObject_) hoverObject_ = -1;
    if (hoverObject_ >= static_cast<int>(objects_.size())) hoverObject_ = -1;
    if (hoverObject_ == previousHoverObject_) return;
    const auto usable = [&](int i) {
        return i >= 0 && i < static_cast<int>(objects_.size()) && objects_[i]->Enabled &&
               objects_[i]->Visible;
    };
    if (usable(previousHoverObject_)) objects_[previousHoverObject_]->MouseLeave();
    if (usable(hoverObject_)) objects_[hoverObject_]->MouseEnter();
}

void TspDynamicSkinForm::OnMouseTimer(Point cursorScreen) {
    if (inSizeMove_) {
        platform_.SetTimerRunning(FrameTimer::kMouse, false);
        return;
    }
    const Point p = ScreenToFrame(cursorScreen);
    if (!PtIn(geometry_.NewClientRect, p) || !skinApplied_) {
        UpdateHoverObject(p, true);
    } else if (hoverObject_ != -1) {
        UpdateHoverObject(std::nullopt, true);
    }
}

void TspDynamicSkinForm::OnMorphTimer() {
    bool stepped = false;
    for (auto& object : objects_) {
        if (!object->Morphing || !object->CanMorph()) continue;
        const double step = object->Active ? 0.2 : -0.2;
        // Kept on the grid of fifths, so that five steps make a whole fade from either end.
        object->MorphFactor = std::clamp(std::round((object->MorphFactor + step) * 5) / 5, 0.0, 1.0);
        RepaintObject(*object);
        stepped = true;
    }
    if (!stepped) platform_.SetTimerRunning(FrameTimer::kMorph, false);
}

void TspDynamicSkinForm::Press(MouseButton button, Point p) {
    if (hoverObject_ == -1) return;
    TspActiveSkinObject& object = *objects_[hoverObject_];
    if (!AsCaption(&object)) platform_.SetMouseCapture(true);
    captureObject_ = hoverObject_;
    object.MouseDown(p, button);
}

void TspDynamicSkinForm::Release(MouseButton button, Point p) {
    if (captureObject_ == -1 || captureObject_ >= static_cast<int>(objects_.size())) {
        captureObject_ = -1;
        return;
    }
    TspActiveSkinObject& object = *objects_[captureObject_];
    if (!AsCaption(&object)) platform_.SetMouseCapture(false);
    captureObject_ = -1;
    object.MouseUp(p, button);
}

void TspDynamicSkinForm::OnNcMouseMove(Point screen) {
    const Point p = ScreenToFrame(screen);
    const int target = captureObject_ != -1 ? captureObject_ : hoverObject_;
    if (target >= 0 && target < static_cast<int>(objects_.size())) objects_[target]->MouseMove(p);
}

void TspDynamicSkinForm::OnNcButtonDown(MouseButton button, Point screen, int hit) {
    const Point p = ScreenToFrame(screen);
    if (button == kLeftButton && inSizeMove_) {
        inSizeMove_ = false;  // the press that started the loop returns only now
        return;
    }
    UpdateHoverObject(p, true);
    Press(button, p);
    if (hit == kHtCaption) {
        captureObject_ = -1;
        if (button == kRightButton) platform_.ShowSystemMenu({screen.x, screen.y, screen.x, screen.y});
    }
}

void TspDynamicSkinForm::OnNcButtonUp(MouseButton button, Point screen) {
    Release(button, ScreenToFrame(screen));
}

void TspDynamicSkinForm::OnButtonUp(MouseButton button) {
    Release(button, {-1, -1});
}

void TspDynamicSkinForm::OnNcButtonDblClk(MouseButton button, Point screen, int hit) {
    const Point p = ScreenToFrame(screen);
    UpdateHoverObject(p, true);
    Press(button, p);
    if (button == kLeftButton) {
        if (hoverObject_ != -1) objects_[hoverObject_]->DblClick();
        if (hit == kHtCaption) {
            CaptionDoubleClick();
            captureObject_ = -1;
        }
    } else if (hit == kHtCaption) {
        captureObject_ = -1;
    }
}

void TspDynamicSkinForm::OnButtonDblClk(MouseButton button, Point client) {
    Press(button, client);
    if (button != kLeftButton || hoverObject_ == -1) return;
    objects_[hoverObject_]->DblClick();
    if (!AsCaption(objects_[hoverObject_].get())) return;
    if (rollUpState_) {
        SetRollUpState(false);
    } else if (Sizeable) {
        SetFrameState(frameState_ == kFrameNormal ? kFrameMaximized : kFrameNormal);
    } else {
        SetRollUpState(true);
    }
}

void TspDynamicSkinForm::CaptionDoubleClick() {
    if (Sizeable && frameState_ == kFrameMinimized) {
        SetFrameState(kFrameNormal);
    } else if (Sizeable && frameState_ != kFrameMaximized && !rollUpState_ && borderIcons_.biMaximize) {
        SetFrameState(kFrameMaximized);
    } else if (Sizeable && frameState_ == kFrameMaximized && !rollUpInMaximized_) {
        SetFrameState(kFrameNormal);
    } else {
        SetRollUpState(!rollUpState_);
    }
}

void TspDynamicSkinForm::PerformCommand(SkinCommand command) {
    switch (command) {
        case SkinCommand::cmClose:
            platform_.CloseHost();
            break;
        case SkinCommand::cmMaximize:
            SetFrameState(frameState_ == kFrameMaximized ? kFrameNormal : kFrameMaximized);
            break;
        case SkinCommand::cmMinimize:
            SetFrameState(frameState_ == kFrameMinimized ? kFrameNormal : kFrameMinimized);
            break;
        case SkinCommand::cmRollUp:
            SetRollUpState(!rollUpState_);
            break;
        default:  // the system menu opens on the press; the tray needs a tray icon this frame has not
            break;
    }
}

bool TspDynamicSkinForm::ShowSystemMenuBelow(const Rect& below) {
    const Rect b = platform_.WindowBounds();
    return platform_.ShowSystemMenu(
        {b.left + below.left, b.top + below.top, b.left + below.right, b.top + below.bottom});
}

void TspDynamicSkinForm::ReleaseMenuButton() {
    for (auto& object : objects_) {
        auto* button = dynamic_cast<TspSkinButtonObject*>(object.get());
        if (button && button->HasPopupItems && button->Down()) {
            button->SetDown(false);
            return;
        }
    }
}

void TspDynamicSkinForm::ReleaseGroup(const TspActiveSkinObject& pressed, int groupIndex) {
    for (auto& object : objects_) {
        auto* button = dynamic_cast<TspSkinButtonObject*>(object.get());
        if (button && button != &pressed && button->GroupIndex == groupIndex && button->Down()) {
            button->SetDown(false);
            return;
        }
    }
}

}  // namespace vemora::skin
