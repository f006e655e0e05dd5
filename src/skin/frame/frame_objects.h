// The live objects on a skinned frame: the caption text area and the caption buttons.
//
// Each object knows its place on the window (ObjectRect), its looks, and follows the mouse
// through plain events; what it needs of the frame (is the form active, repaint me, run this
// command) it asks through FrameObjectHost, so the state machines run without a window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/draw/geometry.h"
#include "skin/draw/image.h"
#include "skin/draw/skin_enums.h"

namespace vemora::skin {

class TspActiveSkinObject;

enum MouseButton { kLeftButton = 0, kRightButton = 1 };

// An image the objects draw on, whose top-left pixel lies at `origin` in window coordinates.
struct ObjectCanvas {
    Image24& image;
    Point origin;
};

class FrameObjectHost {
  public:
    virtual ~FrameObjectHost() = default;
    virtual bool IsFormActive() const = 0;
    virtual int FrameState() const = 0;
    virtual bool RollUpState() const = 0;
    virtual bool ShowIcon() const = 0;
    virtual void RepaintObject(TspActiveSkinObject& object) = 0;
    virtual void StartMorphTimer() = 0;
    virtual void PerformCommand(SkinCommand command) = 0;
    virtual void CloseHost() = 0;
    // The system-menu button was pressed: its menu opens below `below` (window coordinates).
    // False when the menu has no items and nothing opened.
    virtual bool ShowSystemMenuBelow(const Rect& below) = 0;
    virtual void DrawSmallIcon(ObjectCanvas& canvas, Point at) = 0;
    // The built-in look of a button without a skin (drawn by the frame).
    virtual void DrawDefaultButton(ObjectCanvas& canvas, const TspActiveSkinObject& button) = 0;
    // Releases the first other down button of the group.
    virtual void ReleaseGroup(const TspActiveSkinObject& pressed, int groupIndex) = 0;
};

class TspActiveSkinObject {
  public:
    // Fields of the record; pictures are those of the skin the object was built from.
    TspActiveSkinObject(FrameObjectHost& host, const TspSkinData* skin, const TspDataSkinObject* record);
    virtual ~TspActiveSkinObject() = default;
    TspActiveSkinObject(const TspActiveSkinObject&) = delete;
    TspActiveSkinObject& operator=(const TspActiveSkinObject&) = delete;

    virtual void Draw(ObjectCanvas& canvas, bool update);
    virtual void DblClick() {}
    virtual void MouseDown(Point, MouseButton) {}
    virtual void MouseUp(Point, MouseButton) {}
    virtual void MouseMove(Point) {}
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual bool CanMorph() const;

    bool ActiveRectEmpty() const { return IsEmptyRect(ActiveSkinRect) || !ownPicture_; }
    bool FadeInProgress() const {
        return Morphing && ((Active && MorphFactor != 1) || (!Active && MorphFactor != 0));
    }
    // Morphing objects fade on the morph timer; the others repaint at once.
    void Redraw();

    std::string IDName;
    std::string Hint;
    Rect SkinRect, ActiveSkinRect, InActiveSkinRect;
    bool SkinRectInAPicture = false;
    bool Morphing = false;
    MorphKind Kind = MorphKind::mkDefault;
    double MorphFactor = 0;
    bool RollUp = false;
    Rect ObjectRect;
    bool Active = false;
    bool Enabled = true;
    bool Visible = true;
    bool MouseIn = false;

  protected:
    // Copies `from` of a picture (scaled) to ObjectRect on the canvas; nothing without a picture.
    void CopyLook(ObjectCanvas& canvas, const Image24* picture, const Rect& from) const;
    // The blend of two looks of the own picture at MorphFactor.
    void DrawFade(ObjectCanvas& canvas, const Image24* normalPicture, const Rect& normal,
                  const Rect& active) const;
    const Image24* NormalPicture() const { return SkinRectInAPicture ? ownPicture_ : framePicture_; }

    FrameObjectHost& host_;
    const Image24* framePicture_ = nullptr;
    const Image24* ownPicture_ = nullptr;
};

class TspUserObject : public TspActiveSkinObject {
  public:
    using TspActiveSkinObject::TspActiveSkinObject;
};

class TspSkinButtonObject : public TspActiveSkinObject {
  public:
    TspSkinButtonObject(FrameObjectHost& host, const TspSkinData* skin, const TspDataSkinButton* record);

    void Draw(ObjectCanvas& canvas, bool update) override;
    void MouseDown(Point p, MouseButton button) override;
    void MouseUp(Point p, MouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    void SetDown(bool value);
    bool Down() const { return down_; }

    Rect DownRect, DisableSkinRect;
    int GroupIndex = -1;
    bool HasPopupItems = false;

  protected:
    bool down_ = false;
};

class TspSkinStdButtonObject : public TspSkinButtonObject {
  public:
    TspSkinStdButtonObject(FrameObjectHost& host, const TspSkinData* skin,
                           const TspDataSkinStdButton* record);
    // A built-in button of the frame without a skin: 1 × 1 looks at (0, 0), so hovering and
    // pressing repaint it.
    TspSkinStdButtonObject(FrameObjectHost& host, SkinCommand command);

    void Draw(ObjectCanvas& canvas, bool update) override;
    void DblClick() override;
    void MouseDown(Point p, MouseButton button) override;
    void MouseUp(Point p, MouseButton button) override;
    bool CanMorph() const override;

    // A maximize button while maximized (and so on) shows its restore looks.
    bool ShowsRestoreLook() const;
    bool DrawsIcon() const;

    SkinCommand Command = SkinCommand::cmDefault;
    Rect RestoreRect, RestoreActiveRect, RestoreDownRect;
    bool FromSkin = true;
    bool DefaultButton = false;
};

class TspSkinCaptionObject : public TspActiveSkinObject {
  public:
    TspSkinCaptionObject(FrameObjectHost& host, const TspSkinData* skin, const TspDataSkinCaption* record);

    // The caption's text is painted by the frame over the composed border.
    void Draw(ObjectCanvas&, bool) override {}
    void MouseEnter() override { MouseIn = true; }
    void MouseLeave() override { MouseIn = false; }

    const TspDataSkinCaption& Record() const { return record_; }
    std::string Text;

  private:
    TspDataSkinCaption record_;
};

using FrameObjectList = std::vector<std::unique_ptr<TspActiveSkinObject>>;

// One object per record of the kinds the frame runs, in list order; other records make none.
FrameObjectList BuildObjects(FrameObjectHost& host, const TspSkinData& skin);

inline TspSkinCaptionObject* AsCaption(TspActiveSkinObject* object) {
    return dynamic_cast<TspSkinCaptionObject*>(object);
}
inline TspSkinStdButtonObject* AsStdButton(TspActiveSkinObject* object) {
    return dynamic_cast<TspSkinStdButtonObject*>(object);
}

}  // namespace vemora::skin
