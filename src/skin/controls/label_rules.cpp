#include "skin/controls/label_rules.h"

namespace vemora::skin {

Rect PanelClientRect(const TspSkinCustomControlModel& skin, Size size, TspSkinBorderStyle border,
                     bool captionMode, int defaultCaptionHeight, bool hasBackgroundPicture) {
    Rect r{0, 0, size.width, size.height};
    if (!skin.Skinned()) {
        if (border != TspSkinBorderStyle::bvNone) r = {1, 1, size.width - 1, size.height - 1};
        if (captionMode) r.top += defaultCaptionHeight;
        return r;
    }
    if (hasBackgroundPicture ||
        (border == TspSkinBorderStyle::bvNone && !captionMode && skin.StretchKind() == 1)) {
        return r;
    }
    return skin.Fitted().target.client;
}

Point AlignTextIn(const Rect& r, Size text, TextAlignment alignment) {
    const int y = r.top + RectHeight(r) / 2 - text.height / 2;
    switch (alignment) {
        case TextAlignment::taRightJustify:
            return {r.right - text.width, y};
        case TextAlignment::taCenter:
            return {r.left + RectWidth(r) / 2 - text.width / 2, y};
        default:
            return {r.left, y};
    }
}

int CaptionWidthExcess(const TspSkinCustomControlModel& skin, int width, int textWidth, int glyphExtra) {
    if (!skin.Skinned()) return textWidth + glyphExtra + 4 - width;
    if (skin.StretchKind() == 0) return 0;
    return textWidth + glyphExtra - RectWidth(skin.Fitted().target.client);
}

Size FitLabelSize(TspSkinCustomControlModel& skin, Size requested, bool useSkinSize, bool autoSize,
                  int textWidth, int glyphExtra) {
    if (!skin.Skinned()) return requested;
    Size size = requested;
    if (useSkinSize || skin.StretchKind() == 1) {
        size = skin.FitSkinSize(requested.width, requested.height);
    } else {
        // Free size: only the record's horizontal points follow the width.
        size = skin.FitSkinSize(requested.width, skin.Geometry().SkinHeight());
        size.height = requested.height;
    }
    if (autoSize) {
        const int excess = CaptionWidthExcess(skin, size.width, textWidth, glyphExtra);
        if (excess > 0) size = skin.FitSkinSize(size.width + excess, size.height);
    }
    return size;
}

}  // namespace vemora::skin
