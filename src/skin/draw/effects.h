// The pixel effects of skin pictures: cross-fades and the state-change morphs, the effects
// that turn an active frame into an inactive one, and quarter turns.
//
// Every fractional result is rounded in extended precision with halves going to the even
// neighbour and then clamped into 0 ... 255. In the morphs `image` holds the current picture
// and `other` the one being changed to; progress x runs from 0 towards 1 (values outside are
// clamped, so a stray factor never moves a copy outside the image).
#pragma once

#include <cstdint>
#include <functional>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"
#include "skin/draw/skin_enums.h"

namespace vemora::skin {

// Two-image operations leave `image` unchanged when the sizes differ.
void Blend(Image24& image, const Image24& other, double k);
// Blends the pixels of `rect` (clipped to both images) with `other` read from
// (firstColumn, firstRow) onward.
void BlendRect(Image24& image, const Image24& other, const Rect& rect, int firstRow, int firstColumn,
               double k);

void MorphCenter(Image24& image, const Image24& other, double x);  // H when width >= height, else V
void MorphCenterH(Image24& image, const Image24& other, double x);
void MorphCenterV(Image24& image, const Image24& other, double x);
void MorphLeftGradient(Image24& image, const Image24& other, double x);
void MorphRightGradient(Image24& image, const Image24& other, double x);
void MorphLeftSlide(Image24& image, const Image24& other, double x);
void MorphRightSlide(Image24& image, const Image24& other, double x);
void MorphPush(Image24& image, const Image24& other, double x);

void Brightness(Image24& image, double k);
void Darkness(Image24& image, double k);
void Grayscale(Image24& image);
void Invert(Image24& image);

// One value per pixel; the pixel's offset is value mod n − n div 2. An amount below 1 does nothing.
using NoiseSource = std::function<uint32_t()>;
void Noise(Image24& image, int n, const NoiseSource& source);
void Noise(Image24& image, int n);  // the process-wide sequence

// A distance of 0 (or below) changes nothing.
void SplitBlur(Image24& image, int a);

// The target must already have the right size (height × width for the turns, the same size
// for the flip); a target of another size is left alone.
void RotateLeft(const Image24& image, Image24& target);
void RotateRight(const Image24& image, Image24& target);
void FlipVertical(const Image24& image, Image24& target);

// The operation a morph kind names, with progress x.
void ApplyMorph(Image24& image, const Image24& other, MorphKind kind, double x);
// The effect an "inactiveeffect" names, with its fixed constants.
void ApplyImageEffect(Image24& image, ImageEffect effect);

}  // namespace vemora::skin
