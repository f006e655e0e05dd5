// Skin application, geometry, outline and composition of the frame.
#include "skin/frame/dynamic_skin_form.h"

#include <algorithm>

#include "skin/draw/effects.h"

namespace vemora::skin {

BuiltInFrameMetrics BuiltInMetrics(bool toolWindow) {
    return toolWindow ? BuiltInFrameMetrics{15, 13} : BuiltInFrameMetrics{19, 17};
}

TspDynamicSkinForm::TspDynamicSkinForm(FramePlatform& platform) : platform_(platform) {}

TspDynamicSkinForm::~TspDynamicSkinForm() = default;

void TspDynamicSkinForm::SetSkinData(const TspSkinData* skinData) {
    skinData_ = skinData;
    ApplySkin();
}

void TspDynamicSkinForm::SetShowIcon(bool value) {
    showIcon_ = value;
    platform_.RepaintFrame();
}

void TspDynamicSkinForm::SetBorderIcons(const TspBorderIcons& icons) {
    borderIcons_ = icons;
    objects_.clear();
    hoverObject_ = previousHoverObject_ = captureObject_ = -1;
    CreateDefaultButtons();
    ApplyBorderIcons();
}

FrameSkin TspDynamicSkinForm::Skin() const {
    return FrameSkin{&skinData_->FormInfo, skinData_->Picture.Width(), skinData_->Picture.Height()};
}

bool TspDynamicSkinForm::UsableSkin() const {
    return skinData_ && !skinData_->Empty() && !IsEmptyRect(skinData_->FormInfo.ClientRect);
}

void TspDynamicSkinForm::ApplySkin() {
    hoverObject_ = previousHoverObject_ = captureObject_ = -1;
    skinApplied_ = skinData_ && !skinData_->Empty();
    if (skinApplied_) {
        objects_ = BuildObjects(*this, *skinData_);
        ApplyBorderIcons();
    } else {
        objects_.clear();
        UpdateWindowRegion();
    }
    EnforceMinimumSize();
    const Rect bounds = platform_.WindowBounds();
    frameWidth_ = RectWidth(bounds);
    frameHeight_ = RectHeight(bounds);
    if (skinApplied_) UpdateFrameGeometry(true);
    platform_.RepaintHost();
    UpdateCaptionObjects(true);
    platform_.SetTimerRunning(FrameTimer::kMouse, true);
}

void TspDynamicSkinForm::SkinChanging(const TspSkinData* skinData) {
    if (skinData != skinData_ || !skinData_) return;
    skinApplied_ = false;
    StopTimers();
    objects_.clear();
    hoverObject_ = previousHoverObject_ = captureObject_ = -1;
}

void TspDynamicSkinForm::SkinChanged(const TspSkinData* skinData) {
    if (skinData == skinData_ && skinData_) ApplySkin();
}

void TspDynamicSkinForm::StopTimers() {
    platform_.SetTimerRunning(FrameTimer::kMorph, false);
    platform_.SetTimerRunning(FrameTimer::kMouse, false);
}

void TspDynamicSkinForm::SetSize(int width, int height) {
    Rect b = platform_.WindowBounds();
    platform_.SetWindowBounds({b.left, b.top, b.left + width, b.top + height});
}

void TspDynamicSkinForm::EnforceMinimumSize() {
    const Rect b = platform_.WindowBounds();
    const int w = RectWidth(b), h = RectHeight(b);
    const int minW = MinTrackWidth(), minH = MinTrackHeight();
    if (w < minW && h < minH) {
        SetSize(minW, minH);
    } else if (h < minH) {
        SetSize(w, minH);
    } else if (w < minW) {
        SetSize(minW, h);
    } else {
        ForceResize();
    }
    if (rollUpState_ || frameState_ == kFrameMinimized) {
        const Rect now = platform_.WindowBounds();
        if (RectHeight(now) != minH) SetSize(RectWidth(now), minH);
        if (frameState_ == kFrameMinimized) SetSize(minW, minH);
    }
}

void TspDynamicSkinForm::ForceResize() {
    const Rect b = platform_.WindowBounds();
    const int w = RectWidth(b), h = RectHeight(b);
    if (w - 1 < MinTrackWidth()) {
        SetSize(w + 1, h);
    } else {
        SetSize(w - 1, h);
    }
    SetSize(w, h);
}

void TspDynamicSkinForm::CalcFrameGeometry() {
    if (frameWidth_ == 0 || frameHeight_ == 0) {
        const Rect b = platform_.WindowBounds();
        frameWidth_ = RectWidth(b);
        frameHeight_ = RectHeight(b);
    }
    geometry_ = skin::CalcFrameGeometry(Skin(), frameWidth_, frameHeight_);
}

void TspDynamicSkinForm::UpdateFrameGeometry(bool withObjects) {
    if (!skinData_ || skinData_->Empty()) return;
    CalcFrameGeometry();
    if (withObjects) PlaceObjects();
    UpdateWindowRegion();
    if (!regionSet_) platform_.RepaintFrame();
}

Rect TspDynamicSkinForm::ClientArea(const Rect& window) {
    if (UsableSkin()) {
        frameWidth_ = RectWidth(window);
        frameHeight_ = RectHeight(window);
        CalcFrameGeometry();
        return SkinClientArea(Skin(), window);
    }
    const BuiltInFrameMetrics m = BuiltInMetrics(platform_.IsToolWindow());
    const int b = BuiltInFrameMetrics::kBorder;
    Rect r{window.left + b, window.top + m.captionHeight + b, window.right - b, window.bottom - b};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

void TspDynamicSkinForm::UpdateWindowRegion() {
    if (!skinData_ || skinData_->MaskPicture.IsEmpty() || !skinApplied_) {
        if (regionSet_) platform_.SetWindowRegion(nullptr);
        regionSet_ = false;
        mask_ = MaskStrips{};
        return;
    }
    const FrameGeometry& g = geometry_;
    const BorderStrips strips =
        BuildBorderStrips(PictureMaskPoints(Skin()), WindowMaskPoints(g), skinData_->MaskPicture, g.width);
    // The strips are views of one block; the hit test keeps copies that own their pixels.
    mask_ = MaskStrips{strips.top, strips.bottom, strips.left, strips.right, true};
    std::vector<MaskRegion> parts;
    const Rect& m = g.NewMaskRectArea;
    if (!IsEmptyRect(m)) parts.push_back(MaskRegion{m, {m}});
    const auto add = [&](const Image24& strip, int x, int y) {
        if (auto part = MaskToRegionRects(strip, x, y); part && !part->rects.empty()) {
            parts.push_back(std::move(*part));
        }
    };
    add(mask_.top, 0, 0);
    add(mask_.bottom, 0, m.bottom);
    add(mask_.left, 0, m.top);
    add(mask_.right, m.right, m.top);
    platform_.SetWindowRegion(&parts);
    regionSet_ = true;
}

void TspDynamicSkinForm::ApplyBorderIcons() {
    for (auto& object : objects_) {
        TspSkinStdButtonObject* button = AsStdButton(object.get());
        if (!button) continue;
        const auto hide = [&] {
            button->Enabled = false;
            button->Visible = !button->SkinRectInAPicture;
        };
        if (HideCaptionButtons) {
            hide();
            continue;
        }
        switch (button->Command) {
            case SkinCommand::cmDefault:
                button->Visible = false;  // custom buttons stay hidden unless shown by the program
                break;
            case SkinCommand::cmMinimizeToTray:
                if (!borderIcons_.biMinimizeToTray) hide();
                break;
            case SkinCommand::cmRollUp:
                if (!borderIcons_.biRollUp) hide();
                break;
            case SkinCommand::cmMaximize:
                if (!borderIcons_.biMaximize) hide();
                break;
            case SkinCommand::cmMinimize:
                if (!borderIcons_.biMinimize) hide();
                break;
            case SkinCommand::cmSysMenu:
                if (!borderIcons_.biSystemMenu) hide();
                break;
            case SkinCommand::cmClose:
                break;
        }
    }
    TspSkinCaptionObject* first = nullptr;
    bool marked = false;
    for (auto& object : objects_) {
        TspSkinCaptionObject* caption = AsCaption(object.get());
        if (!caption) continue;
        if (!first) first = caption;
        if (caption->Record().DefaultCaption) {
            caption->Text = platform_.CaptionText();
            marked = true;
        }
    }
    if (!marked && first) first->Text = platform_.CaptionText();
}

void TspDynamicSkinForm::PlaceObjects() {
    const FrameSkin skin = Skin();
    for (auto& object : objects_) object->ObjectRect = MapFrameRect(skin, geometry_, object->SkinRect);
    const bool inButtonsRect = !IsEmptyRect(skin.Info().ButtonsRect);
    Rect area;
    if (inButtonsRect) {
        area = geometry_.NewButtonsRect;
    } else if (!IsEmptyRect(skin.Info().CaptionRect)) {
        area = geometry_.NewCaptionRect;
    } else {
        return;
    }
    const int t = area.top, o = geometry_.ButtonsOffset;
    const auto takesPart = [](const TspSkinStdButtonObject* b) {
        return b && b->Visible && b->SkinRectInAPicture;
    };
    const auto sizeOf = [&](const TspSkinStdButtonObject& b) {
        if (b.Command == SkinCommand::cmSysMenu && showIcon_ && b.SkinRectInAPicture) {
            return platform_.SmallIconSize();
        }
        return Point{RectWidth(b.SkinRect), RectHeight(b.SkinRect)};
    };
    std::vector<TspSkinStdButtonObject*> row;
    for (SkinCommand command : {SkinCommand::cmClose, SkinCommand::cmMaximize, SkinCommand::cmMinimize,
                                SkinCommand::cmRollUp, SkinCommand::cmMinimizeToTray}) {
        for (auto& object : objects_) {
            TspSkinStdButtonObject* b = AsStdButton(object.get());
            if (takesPart(b) && b->Command == command) {
                row.push_back(b);
                break;
            }
        }
    }
    TspSkinStdButtonObject* sysMenu = nullptr;
    for (auto& object : objects_) {
        TspSkinStdButtonObject* b = AsStdButton(object.get());
        if (!takesPart(b)) continue;
        if (b->Command == SkinCommand::cmDefault) row.push_back(b);
        if (b->Command == SkinCommand::cmSysMenu && !sysMenu) sysMenu = b;
    }
    TspSkinCaptionObject* caption = nullptr;
    for (auto& object : objects_) {
        if ((caption = AsCaption(object.get()))) break;
    }
    const Rect& cr = geometry_.NewCaptionRect;
    if (!geometry_.ButtonsInLeft) {
        int x = area.right;
        for (TspSkinStdButtonObject* b : row) {
            const Point s = sizeOf(*b);
            b->ObjectRect = {x - s.x, t, x, t + s.y};
            x -= o + s.x;
        }
        if (!inButtonsRect && caption) caption->ObjectRect.right = x + o;
        if (sysMenu) {
            const Point s = sizeOf(*sysMenu);
            const int top = cr.top + RectHeight(cr) / 2 - s.y / 2;
            sysMenu->ObjectRect = {cr.left, top, cr.left + s.x, top + s.y};
            if (caption) caption->ObjectRect.left = cr.left + s.x;
        }
    } else {
        int x = area.left;
        for (TspSkinStdButtonObject* b : row) {
            const Point s = sizeOf(*b);
            b->ObjectRect = {x, t, x + s.x, t + s.y};
            x += o + s.x;
        }
        if (!inButtonsRect) {
            if (sysMenu) {
                const Point s = sizeOf(*sysMenu);
                sysMenu->ObjectRect = {x, t, x + s.x, t + s.y};
                x += o + s.x;
            }
            if (caption) caption->ObjectRect.left = x + o;
        }
    }
}

bool TspDynamicSkinForm::CanPaintSkin() const {
    if (!UsableSkin()) return false;
    const Rect b = platform_.WindowBounds();
    return RectWidth(b) >= MinTrackWidth() && RectHeight(b) >= MinTrackHeight();
}

const Image24& TspDynamicSkinForm::SourcePicture() const {
    const bool inactive = !platform_.IsFormActive() && !skinData_->InactivePicture.IsEmpty();
    return inactive ? skinData_->InactivePicture : skinData_->Picture;
}

BorderStrips TspDynamicSkinForm::ComposeFrame() {
    const Rect b = platform_.WindowBounds();
    frameWidth_ = RectWidth(b);
    frameHeight_ = RectHeight(b);
    CalcFrameGeometry();
    PlaceObjects();
    const Image24& picture = SourcePicture();
    const SkinFormInfo& fi = skinData_->FormInfo;
    BorderStrips strips =
        BuildStretchBorderStrips(PictureFramePoints(Skin()), WindowFramePoints(geometry_), picture,
                                 {0, 0, picture.Width(), picture.Height()}, frameWidth_, frameHeight_,
                                 {fi.LeftStretch, fi.TopStretch, fi.RightStretch, fi.BottomStretch});
    ObjectCanvas top{strips.top, {0, 0}};
    ObjectCanvas bottom{strips.bottom, {0, geometry_.NewClientRect.bottom}};
    for (auto& object : objects_) {
        if (!object->Visible || !InCurrentSet(*object)) continue;
        ObjectCanvas& canvas = object->ObjectRect.bottom <= geometry_.NewClientRect.top ? top : bottom;
        object->Draw(canvas, false);
    }
    if (!platform_.IsFormActive() && fi.AutoRenderingInActiveImage) {
        for (Image24* strip : {&strips.top, &strips.bottom, &strips.left, &strips.right}) {
            if (!strip->IsEmpty()) ApplyImageEffect(*strip, fi.InActiveEffect);
        }
    }
    return strips;
}

std::optional<CaptionTextPlacement> PlaceCaptionText(const TspSkinCaptionObject& caption,
                                                     const std::string& text, const TextMeasure& measure,
                                                     int textHeight) {
    const TspDataSkinCaption& r = caption.Record();
    if (text.empty() || IsEmptyRect(r.TextRect)) return std::nullopt;
    const Rect& o = caption.ObjectRect;
    Rect t = r.TextRect;
    t.right += RectWidth(o) - RectWidth(caption.SkinRect);
    if (!IsEmptyRect(r.FrameRect)) {
        t.left += r.FrameTextRect.left;
        t.top += r.FrameTextRect.top;
        t.right += r.FrameTextRect.right - RectWidth(r.FrameRect);
    }
    CaptionTextPlacement placed{text, {}, t};
    EllipsizeText(placed.text, RectWidth(t), measure);
    const int width = measure(placed.text);
    int x = t.left;
    if (r.Alignment == TextAlignment::taRightJustify) x = t.right - width;
    if (r.Alignment == TextAlignment::taCenter) x = t.left + RectWidth(t) / 2 - width / 2;
    const int y = t.top + RectHeight(t) / 2 - textHeight / 2;
    placed.at = {x + o.left, y + o.top};
    placed.textRect = {t.left + o.left, t.top + o.top, t.right + o.left, t.bottom + o.top};
    return placed;
}

std::optional<CaptionTextPlacement> PlaceBuiltInCaptionText(const Rect& captionArea, int captionHeight,
                                                            const std::string& text,
                                                            const TextMeasure& measure, int textHeight) {
    if (text.empty()) return std::nullopt;
    // In the caption bitmap, which starts at (3, 3) of the window.
    const int left = captionArea.left - 3, right = captionArea.right - 3;
    const int free = right - left + 3;
    CaptionTextPlacement placed{text, {}, {}};
    EllipsizeText(placed.text, free, measure);
    const int width = measure(placed.text);
    const int c = left + free / 2 - (width + 5) / 2;
    placed.textRect = {c, 0, c + width + 5, captionHeight};
    placed.at = {c + 3, captionHeight / 2 - textHeight / 2};
    return placed;
}

void TspDynamicSkinForm::CreateDefaultButtons() {
    for (SkinCommand command :
         {SkinCommand::cmClose, SkinCommand::cmMaximize, SkinCommand::cmMinimize, SkinCommand::cmRollUp,
          SkinCommand::cmSysMenu, SkinCommand::cmMinimizeToTray}) {
        FrameObjectHost& host = *this;
        objects_.push_back(std::make_unique<TspSkinStdButtonObject>(host, command));
    }
}

Rect TspDynamicSkinForm::BuiltInLayout() {
    if (objects_.empty()) {
        CreateDefaultButtons();
        ApplyBorderIcons();
    }
    const Rect b = platform_.WindowBounds();
    const int w = RectWidth(b);
    const BuiltInFrameMetrics m = BuiltInMetrics(platform_.IsToolWindow());
    const int s = m.buttonSize;
    Rect caption{3, 3, w - 3, m.captionHeight};
    int x = w - 3;
    for (SkinCommand command : {SkinCommand::cmClose, SkinCommand::cmMaximize, SkinCommand::cmMinimize,
                                SkinCommand::cmRollUp, SkinCommand::cmMinimizeToTray}) {
        for (auto& object : objects_) {
            TspSkinStdButtonObject* button = AsStdButton(object.get());
            if (button && button->Visible && button->Command == command) {
                button->ObjectRect = {x - s, 4, x, 4 + s};
                x -= s;
            }
        }
    }
    caption.right = x;
    for (auto& object : objects_) {
        TspSkinStdButtonObject* button = AsStdButton(object.get());
        if (button && button->Visible && button->Command == SkinCommand::cmSysMenu) {
            const Point size = showIcon_ ? platform_.SmallIconSize() : Point{s, s};
            button->ObjectRect = {3, 4, 3 + size.x, 4 + size.y};
            caption.left = button->ObjectRect.right;
        }
    }
    return caption;
}

void TspDynamicSkinForm::DrawDefaultButton(ObjectCanvas& canvas, const TspActiveSkinObject& button) {
    platform_.DrawDefaultButton(canvas, static_cast<const TspSkinStdButtonObject&>(button));
}

void TspDynamicSkinForm::RepaintObject(TspActiveSkinObject& object) {
    if (!InCurrentSet(object)) return;
    platform_.RepaintObject(object);
}

}  // namespace vemora::skin
