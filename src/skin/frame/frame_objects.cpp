#include "skin/frame/frame_objects.h"

#include "skin/draw/copy_rect.h"
#include "skin/draw/effect_bmp.h"

namespace vemora::skin {
namespace {

const Image24* OwnPicture(const TspSkinData* skin, int index) {
    if (!skin || index < 0 || index >= static_cast<int>(skin->ActivePictures.size())) return nullptr;
    const Image24& picture = skin->ActivePictures[index];
    return picture.IsEmpty() ? nullptr : &picture;
}

Rect Offset(const Rect& r, Point origin) {
    return {r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

// A look of `size` cut from a picture.
TspEffectBmp Look(const Image24* picture, const Rect& from, int width, int height) {
    TspEffectBmp look(width, height);
    if (picture) CopyRect(look.Image(), {0, 0, width, height}, *picture, from);
    return look;
}

}  // namespace

TspActiveSkinObject::TspActiveSkinObject(FrameObjectHost& host, const TspSkinData* skin,
                                         const TspDataSkinObject* record)
    : host_(host) {
    if (!record) return;
    IDName = record->SkinSectionName;
    Hint = record->Hint;
    SkinRect = record->SkinRect;
    ActiveSkinRect = record->ActiveSkinRect;
    InActiveSkinRect = record->InActiveSkinRect;
    SkinRectInAPicture = record->SkinRectInAPicture;
    Morphing = record->Morphing;
    Kind = record->MorphKind;
    RollUp = record->RollUp;
    ObjectRect = SkinRect;
    if (skin) {
        const Image24& frame = RollUp ? skin->RollUpPicture : skin->Picture;
        framePicture_ = frame.IsEmpty() ? nullptr : &frame;
        ownPicture_ = OwnPicture(skin, record->ActivePictureIndex);
    }
}

void TspActiveSkinObject::CopyLook(ObjectCanvas& canvas, const Image24* picture, const Rect& from) const {
    if (picture) CopyRect(canvas.image, Offset(ObjectRect, canvas.origin), *picture, from);
}

void TspActiveSkinObject::DrawFade(ObjectCanvas& canvas, const Image24* normalPicture, const Rect& normal,
                                   const Rect& active) const {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w < 1 || h < 1) return;
    TspEffectBmp blend = Look(normalPicture, normal, w, h);
    blend.Morph(Look(ownPicture_, active, w, h), Kind, MorphFactor);
    CopyRect(canvas.image, Offset(ObjectRect, canvas.origin), blend.Image(), {0, 0, w, h});
}

void TspActiveSkinObject::Draw(ObjectCanvas& canvas, bool update) {
    if (Enabled && !host_.IsFormActive() && !IsEmptyRect(InActiveSkinRect) && ownPicture_) {
        CopyLook(canvas, ownPicture_, InActiveSkinRect);
    } else if (FadeInProgress() && !ActiveRectEmpty()) {
        DrawFade(canvas, NormalPicture(), SkinRect, ActiveSkinRect);
    } else if (!Active || ActiveRectEmpty()) {
        // Without its own picture the normal look is already part of the composed border.
        if (update || SkinRectInAPicture) CopyLook(canvas, NormalPicture(), SkinRect);
    } else {
        CopyLook(canvas, ownPicture_, ActiveSkinRect);
    }
}

void TspActiveSkinObject::Redraw() {
    if (Morphing) {
        host_.StartMorphTimer();
    } else {
        host_.RepaintObject(*this);
    }
}

void TspActiveSkinObject::MouseEnter() {
    MouseIn = true;
    Active = true;
    if (!ActiveRectEmpty()) Redraw();
}

void TspActiveSkinObject::MouseLeave() {
    MouseIn = false;
    Active = false;
    if (!ActiveRectEmpty()) Redraw();
}

bool TspActiveSkinObject::CanMorph() const {
    return (Active && MorphFactor < 1) || (!Active && MorphFactor > 0);
}

TspSkinButtonObject::TspSkinButtonObject(FrameObjectHost& host, const TspSkinData* skin,
                                         const TspDataSkinButton* record)
    : TspActiveSkinObject(host, skin, record) {
    if (!record) return;
    DownRect = record->DownRect;
    DisableSkinRect = record->DisableSkinRect;
    GroupIndex = record->GroupIndex;
}

void TspSkinButtonObject::Draw(ObjectCanvas& canvas, bool update) {
    if (!Enabled && !IsEmptyRect(DisableSkinRect) && ownPicture_) {
        CopyLook(canvas, ownPicture_, DisableSkinRect);
    } else if (down_ && !IsEmptyRect(DownRect) && ownPicture_ && (GroupIndex != -1 || MouseIn)) {
        CopyLook(canvas, ownPicture_, DownRect);
    } else {
        TspActiveSkinObject::Draw(canvas, update);
    }
}

void TspSkinButtonObject::SetDown(bool value) {
    down_ = value;
    if (!IsEmptyRect(DownRect)) {
        if (!value) {
            if (GroupIndex != -1 || HasPopupItems) Active = false;
            if (Morphing) host_.RepaintObject(*this);
            Redraw();
            return;
        }
        if (Morphing) MorphFactor = 1;
        host_.RepaintObject(*this);
    }
    if (value && GroupIndex != -1) host_.ReleaseGroup(*this, GroupIndex);
}

void TspSkinButtonObject::MouseDown(Point, MouseButton button) {
    if (!Enabled) return;
    if (button == kLeftButton && !down_) SetDown(true);
}

void TspSkinButtonObject::MouseUp(Point, MouseButton button) {
    if (!Enabled) return;
    if (button == kLeftButton && !HasPopupItems && GroupIndex == -1 && down_) SetDown(false);
}

void TspSkinButtonObject::MouseEnter() {
    MouseIn = true;
    Active = true;
    if (!IsEmptyRect(DownRect) && down_) {
        if (GroupIndex == -1) host_.RepaintObject(*this);
    } else if (!ActiveRectEmpty()) {
        Redraw();
    }
}

void TspSkinButtonObject::MouseLeave() {
    MouseIn = false;
    if (down_ && !IsEmptyRect(DownRect) && (HasPopupItems || GroupIndex != -1)) return;
    Active = false;
    if (Morphing && down_) MorphFactor = 1;
    if (!ActiveRectEmpty() || (!IsEmptyRect(DownRect) && GroupIndex == -1)) Redraw();
}

TspSkinStdButtonObject::TspSkinStdButtonObject(FrameObjectHost& host, const TspSkinData* skin,
                                               const TspDataSkinStdButton* record)
    : TspSkinButtonObject(host, skin, record) {
    if (!record) return;
    Command = record->Command;
    RestoreRect = record->RestoreRect;
    RestoreActiveRect = record->RestoreActiveRect;
    RestoreDownRect = record->RestoreDownRect;
}

TspSkinStdButtonObject::TspSkinStdButtonObject(FrameObjectHost& host, SkinCommand command)
    : TspSkinButtonObject(host, nullptr, nullptr) {
    Command = command;
    FromSkin = false;
    DefaultButton = true;
    SkinRectInAPicture = true;
    SkinRect = ActiveSkinRect = DownRect = Rect{0, 0, 1, 1};
}

bool TspSkinStdButtonObject::DrawsIcon() const {
    return Command == SkinCommand::cmSysMenu && host_.ShowIcon() && SkinRectInAPicture;
}

bool TspSkinStdButtonObject::ShowsRestoreLook() const {
    return (Command == SkinCommand::cmMaximize && host_.FrameState() == kFrameMaximized) ||
           (Command == SkinCommand::cmMinimize && host_.FrameState() == kFrameMinimized) ||
           (Command == SkinCommand::cmRollUp && host_.RollUpState());
}

void TspSkinStdButtonObject::Draw(ObjectCanvas& canvas, bool update) {
    if (DefaultButton) {
        host_.DrawDefaultButton(canvas, *this);
        return;
    }
    if (Enabled && (host_.IsFormActive() || IsEmptyRect(InActiveSkinRect))) {
        if (DrawsIcon()) {
            host_.DrawSmallIcon(canvas, {ObjectRect.left, ObjectRect.top});
            MorphFactor = 0;
            return;
        }
        if (ShowsRestoreLook() && !IsEmptyRect(RestoreRect) && ownPicture_) {
            if (down_ && !IsEmptyRect(RestoreDownRect) && MouseIn) {
                CopyLook(canvas, ownPicture_, RestoreDownRect);
            } else if (FadeInProgress() && !IsEmptyRect(RestoreActiveRect)) {
                DrawFade(canvas, ownPicture_, RestoreRect, RestoreActiveRect);
            } else if (Active && !IsEmptyRect(RestoreActiveRect)) {
                CopyLook(canvas, ownPicture_, RestoreActiveRect);
            } else {
                CopyLook(canvas, ownPicture_, RestoreRect);
            }
            return;
        }
    }
    TspSkinButtonObject::Draw(canvas, update);
}

void TspSkinStdButtonObject::DblClick() {
    if (Command == SkinCommand::cmSysMenu) host_.CloseHost();
}

void TspSkinStdButtonObject::MouseDown(Point, MouseButton button) {
    if (!Enabled || button != kLeftButton || down_) return;
    SetDown(true);
    // While its menu is open the button stays down; the end of menu mode releases it.
    if (Command == SkinCommand::cmSysMenu) HasPopupItems = host_.ShowSystemMenuBelow(ObjectRect);
}

void TspSkinStdButtonObject::MouseUp(Point p, MouseButton button) {
    const bool perform = Active && button == kLeftButton;
    if (Command == SkinCommand::cmClose) {
        TspSkinButtonObject::MouseUp(p, button);  // drawn released before the window closes
        if (perform) host_.PerformCommand(Command);
        return;
    }
    if (perform) host_.PerformCommand(Command);
    TspSkinButtonObject::MouseUp(p, button);
}

bool TspSkinStdButtonObject::CanMorph() const {
    return !DrawsIcon() && TspSkinButtonObject::CanMorph();
}

TspSkinCaptionObject::TspSkinCaptionObject(FrameObjectHost& host, const TspSkinData* skin,
                                           const TspDataSkinCaption* record)
    : TspActiveSkinObject(host, skin, record), record_(*record) {}

FrameObjectList BuildObjects(FrameObjectHost& host, const TspSkinData& skin) {
    FrameObjectList objects;
    for (const auto& record : skin.SkinObjects) {
        const TspDataSkinObject* r = record.get();
        // Menu items belong to the menu engine, not to the frame.
        if (dynamic_cast<const TspDataSkinMenuItem*>(r) || dynamic_cast<const TspDataSkinMainMenuItem*>(r) ||
            dynamic_cast<const TspDataSkinMainMenuBarButton*>(r)) {
            continue;
        }
        if (const auto* std = dynamic_cast<const TspDataSkinStdButton*>(r)) {
            objects.push_back(std::make_unique<TspSkinStdButtonObject>(host, &skin, std));
        } else if (const auto* button = dynamic_cast<const TspDataSkinButton*>(r)) {
            objects.push_back(std::make_unique<TspSkinButtonObject>(host, &skin, button));
        } else if (const auto* caption = dynamic_cast<const TspDataSkinCaption*>(r)) {
            objects.push_back(std::make_unique<TspSkinCaptionObject>(host, &skin, caption));
        } else if (dynamic_cast<const TspDataUserObject*>(r)) {
            objects.push_back(std::make_unique<TspUserObject>(host, &skin, r));
        }
    }
    return objects;
}

}  // namespace vemora::skin
