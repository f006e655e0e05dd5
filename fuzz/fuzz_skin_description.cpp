// Skin descriptions as anyone may have written them: every record reader runs, the only
// failure is a SkinError, and whatever was read writes back to a section that reads the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/data/skin_error.h"

namespace {

using namespace vemora::skin;

template <class Record, class... Adjust>
void CheckReadsBack(Record& record, Adjust... adjust) {
    SkinIni written;
    record.SaveToIni(written);
    record.LoadFromIni(written, adjust...);
    SkinIni again;
    record.SaveToIni(again);
    if (written.Text() != again.Text()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SkinContainer container;
    container.version = 3;
    container.description.assign(reinterpret_cast<const char*>(data), size);
    TspSkinData skin;
    try {
        skin.LoadFromContainer(std::move(container));
    } catch (const SkinError&) {
        if (!skin.Empty() || !skin.SkinControls.empty() || !skin.SkinObjects.empty()) __builtin_trap();
        return 0;
    }
    if (skin.Empty()) __builtin_trap();
    for (const auto& object : skin.SkinObjects) CheckReadsBack(*object);
    for (const auto& control : skin.SkinControls) CheckReadsBack(*control);
    // Without the mask adjustments: they replace hit-test points by corners clamped since.
    CheckReadsBack(skin.FormInfo, false);
    CheckReadsBack(skin.PopupWindowData);
    CheckReadsBack(skin.HintWindowData);
    for (const auto& area : skin.SkinAreas) {
        if (skin.IndexOfArea(area->SkinSectionName) < 0) __builtin_trap();
    }
    return 0;
}
