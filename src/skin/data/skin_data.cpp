#include "skin/data/skin_data.h"

#include <algorithm>
#include <utility>

#include "skin/data/skin_ini.h"
#include "skin/data/skin_values.h"

namespace vemora::skin {

namespace {

// "count", then "0", "1", … each "name:rest"; entries that are absent or have no ":" are
// skipped, so they cost a lookup each and nothing more.
template <class Take>
void ForEachListEntry(const SkinIni& ini, std::string_view section, Take take) {
    const int32_t count = std::clamp(ini.ReadInteger(section, "count", 0), 0, kMaxSkinListEntries);
    for (int32_t i = 0; i < count; ++i) {
        const std::string* entry = ini.Find(section, std::to_string(i));
        if (!entry) continue;
        SplitResult split = SplitEntry(*entry);
        if (split.hasColon) take(split);
    }
}

// Entries of an unknown type word create nothing.
template <class Record, class Create>
std::vector<std::unique_ptr<Record>> ReadRecordList(const SkinIni& ini, std::string_view section,
                                                    Create create) {
    std::vector<std::unique_ptr<Record>> records;
    ForEachListEntry(ini, section, [&](SplitResult& split) {
        std::unique_ptr<Record> record = create(split.rest, std::move(split.name));
        if (!record) return;
        record->LoadFromIni(ini);
        records.push_back(std::move(record));
    });
    return records;
}

std::vector<std::unique_ptr<TspDataSkinArea>> ReadSkinAreas(const SkinIni& ini) {
    std::vector<std::unique_ptr<TspDataSkinArea>> areas;
    ForEachListEntry(ini, "SKINAREAS", [&](SplitResult& split) {
        areas.push_back(std::make_unique<TspDataSkinArea>(
            TspDataSkinArea{std::move(split.name), ParseSkinRect(split.rest)}));
    });
    return areas;
}

template <class List>
int IndexOfName(const List& records, std::string_view name) {
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i]->SkinSectionName == name) return int(i);
    }
    return -1;
}

}  // namespace

// Everything one load reads, held apart until the whole description has been read.
struct TspSkinData::Content {
    SkinContainer container;
    std::string skinName, skinAuthor, authorEmail, authorUrl, skinComments;
    std::string pictureName, maskPictureName, rollUpPictureName, rollUpMaskPictureName;
    std::vector<std::string> activePicturesNames;
    SkinFormInfo formInfo;
    TspDataSkinPopupWindow popupWindow;
    TspDataSkinHintWindow hintWindow;
    std::vector<std::unique_ptr<TspDataSkinArea>> areas;
    std::vector<std::unique_ptr<TspDataSkinObject>> objects;
    std::vector<std::unique_ptr<TspDataSkinControl>> controls;
};

void TspSkinData::SetResourceStrData(const TspResourceStrData* strings) {
    resourceStrData_ = strings;
    NotifyForms(WM_SKIN_STRINGS_CHANGED);
}

void TspSkinData::LoadFromContainer(SkinContainer container) {
    empty_ = true;
    NotifyForms(WM_SKIN_CHANGING);
    ClearSkin();
    LoadContent(std::move(container));
}

void TspSkinData::LoadContent(SkinContainer&& container) {
    Content c;
    {
        const SkinIni ini(container.description);
        container.description = {};
        c.container = std::move(container);

        c.skinName = ini.ReadString("VERSION", "skinname");
        c.skinAuthor = ini.ReadString("VERSION", "skinauthor");
        c.authorEmail = ini.ReadString("VERSION", "authoremail");
        c.authorUrl = ini.ReadString("VERSION", "authorurl");
        c.skinComments = ini.ReadString("VERSION", "skincomments");

        c.pictureName = ini.ReadString("PICTURES", "picture");
        c.maskPictureName = ini.ReadString("PICTURES", "mask");
        c.rollUpPictureName = ini.ReadString("PICTURES", "rolluppicture");
        c.rollUpMaskPictureName = ini.ReadString("PICTURES", "rollupmask");
        c.activePicturesNames = ReadNumberedList(ini, "PICTURES", "activepictures");

        c.formInfo.LoadFromIni(ini, !c.maskPictureName.empty());
        c.popupWindow.LoadFromIni(ini);
        c.hintWindow.LoadFromIni(ini);
        c.areas = ReadSkinAreas(ini);
        c.objects = ReadRecordList<TspDataSkinObject>(ini, "SKINOBJECTS", CreateSkinObject);
        c.controls = ReadRecordList<TspDataSkinControl>(ini, "SKINCONTROLS", CreateSkinControl);
    }  // the parsed description is released before the forms hear of the new skin
    TakeContent(std::move(c));
    empty_ = false;
    NotifyForms(WM_SKIN_CHANGED);
    NotifyForms(WM_SKIN_CHANGE_DONE);
}

void TspSkinData::TakeContent(Content&& c) noexcept {
    Picture = std::move(c.container.picture);
    InactivePicture = std::move(c.container.inactivePicture);
    MaskPicture = std::move(c.container.maskPicture);
    RollUpPicture = std::move(c.container.rollUpPicture);
    RollUpMaskPicture = std::move(c.container.rollUpMaskPicture);
    ActivePictures = std::move(c.container.activePictures);
    SkinName = std::move(c.skinName);
    SkinAuthor = std::move(c.skinAuthor);
    AuthorEmail = std::move(c.authorEmail);
    AuthorURL = std::move(c.authorUrl);
    SkinComments = std::move(c.skinComments);
    PictureName = std::move(c.pictureName);
    MaskPictureName = std::move(c.maskPictureName);
    RollUpPictureName = std::move(c.rollUpPictureName);
    RollUpMaskPictureName = std::move(c.rollUpMaskPictureName);
    ActivePicturesNames = std::move(c.activePicturesNames);
    FormInfo = c.formInfo;
    PopupWindowData = c.popupWindow;
    HintWindowData = std::move(c.hintWindow);
    SkinAreas = std::move(c.areas);
    SkinObjects = std::move(c.objects);
    SkinControls = std::move(c.controls);
}

void TspSkinData::ClearSkin() {
    SkinAreas.clear();
    SkinObjects.clear();
    SkinControls.clear();
    ActivePictures.clear();
    PopupWindowData.WindowPictureIndex = -1;
    HintWindowData.WindowPictureIndex = -1;
    ActivePicturesNames.clear();
    Picture = Image24();
    InactivePicture = Image24();
    MaskPicture = Image24();
    RollUpPicture = Image24();
    RollUpMaskPicture = Image24();
    PictureName.clear();
    MaskPictureName.clear();
    RollUpPictureName.clear();
    RollUpMaskPictureName.clear();
    empty_ = true;
}

void TspSkinData::NotifyForms(uint32_t message) const {
    if (notifier_) notifier_->NotifyForms(message, *this);
}

int TspSkinData::IndexOfObject(std::string_view name) const {
    return IndexOfName(SkinObjects, name);
}

int TspSkinData::IndexOfControl(std::string_view name) const {
    return IndexOfName(SkinControls, name);
}

int TspSkinData::IndexOfArea(std::string_view name) const {
    return IndexOfName(SkinAreas, name);
}

}  // namespace vemora::skin
