// The enums the skinned parts share: the morph kinds and image effects a skin description
// names by number, and the window states of a skinned frame.
#pragma once

namespace vemora::skin {

// How a control's picture changes from one state to the next.
enum class MorphKind {
    mkDefault = 0,
    mkGradient,
    mkLeftGradient,
    mkRightGradient,
    mkLeftSlide,
    mkRightSlide,
    mkPush
};

// The effects a skin applies to a picture.
enum class ImageEffect { ieBrightness = 0, ieDarkness, ieGrayscale, ieNoise, ieSplitBlur, ieInvert };

// A skinned frame's FrameState.
enum FrameStateValue : int { kFrameNormal = 0, kFrameMinimized = 1, kFrameMaximized = 2 };

}  // namespace vemora::skin
