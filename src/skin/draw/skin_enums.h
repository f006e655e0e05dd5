// The morph kinds and image effects a skin description names by number.
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

}  // namespace vemora::skin
