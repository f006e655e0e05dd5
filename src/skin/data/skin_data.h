// The in-memory skin: the pictures of the stored skin and one record per description section.
//
// Clients look records up by section name, exactly, and re-resolve the index after every
// load; while Empty() is true they use no record and draw themselves in their built-in look.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/frame_info.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_controls.h"
#include "skin/data/skin_messages.h"
#include "skin/data/skin_objects.h"
#include "skin/data/stored_skin.h"
#include "skin/draw/image.h"

namespace vemora::skin {

class TspSkinData {
  public:
    explicit TspSkinData(SkinNotifier* notifier = nullptr) : notifier_(notifier) {}
    TspSkinData(const TspSkinData&) = delete;
    TspSkinData& operator=(const TspSkinData&) = delete;

    // May be null: then loads tell no one.
    void SetNotifier(SkinNotifier* notifier) { notifier_ = notifier; }

    const TspCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    // Keeps the reference and loads from it; null keeps the current skin.
    void SetCompressedStoredSkin(const TspCompressedStoredSkin* stored);

    const TspResourceStrData* ResourceStrData() const { return resourceStrData_; }
    // Keeps the reference (may be null) and sends WM_SKIN_STRINGS_CHANGED.
    void SetResourceStrData(const TspResourceStrData* strings);

    // Loads from scratch. An empty stored skin changes nothing and sends nothing. Otherwise
    // sends WM_SKIN_CHANGING and clears the skin; a container version above 3 ends there. A
    // complete load ends with WM_SKIN_CHANGED and WM_SKIN_CHANGE_DONE. An error (SkinError:
    // damaged data, a bad bitmap, a point or rectangle without digits) propagates and leaves
    // the skin cleared and Empty(): nothing half read is kept.
    void LoadStoredSkin(const TspCompressedStoredSkin& stored);
    // The same load from a container already read: WM_SKIN_CHANGING, clear, then the pictures
    // and the description.
    void LoadFromContainer(SkinContainer container);

    // Frees records and pictures, forgets the names and sets Empty(). The frame geometry and
    // the window records keep their values, except that neither window has a picture.
    void ClearSkin();
    void NotifyForms(uint32_t message) const;

    // The first record whose section name is name, letter case included; -1 when none.
    int IndexOfObject(std::string_view name) const;
    int IndexOfControl(std::string_view name) const;
    int IndexOfArea(std::string_view name) const;

    bool Empty() const { return empty_; }

    Image24 Picture;
    Image24 InactivePicture;
    Image24 MaskPicture;
    Image24 RollUpPicture;
    Image24 RollUpMaskPicture;
    // The position in the list is a description's picture index; clients test it first.
    std::vector<Image24> ActivePictures;

    // [PICTURES]: a non-empty MaskPictureName switches the frame's mask adjustments on.
    std::string PictureName;
    std::string MaskPictureName;
    std::string RollUpPictureName;
    std::string RollUpMaskPictureName;
    std::vector<std::string> ActivePicturesNames;

    // [VERSION]
    std::string SkinName;
    std::string SkinAuthor;
    std::string AuthorEmail;
    std::string AuthorURL;
    std::string SkinComments;

    SkinFormInfo FormInfo;
    TspDataSkinPopupWindow PopupWindowData;
    TspDataSkinHintWindow HintWindowData;

    std::vector<std::unique_ptr<TspDataSkinObject>> SkinObjects;
    std::vector<std::unique_ptr<TspDataSkinControl>> SkinControls;
    std::vector<std::unique_ptr<TspDataSkinArea>> SkinAreas;

    // Added to a record's cursor index to form the cursor a client assigns to itself.
    int32_t CursorBase = 1;

  private:
    struct Content;
    // Reads the pictures and the description, then takes them over and tells the forms.
    void LoadContent(SkinContainer&& container);
    void TakeContent(Content&& content) noexcept;

    SkinNotifier* notifier_ = nullptr;
    const TspCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    const TspResourceStrData* resourceStrData_ = nullptr;
    bool empty_ = true;
};

}  // namespace vemora::skin
