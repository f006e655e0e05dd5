// TspEffectBmp: the working image on which an effect is computed for one drawing. It owns
// its pixels, or (on Windows) views the memory of a DIB section that is drawn afterwards.
#pragma once

#include <utility>

#include "skin/draw/effects.h"
#include "skin/draw/image.h"

namespace vemora::skin {

class TspEffectBmp {
  public:
    TspEffectBmp() = default;
    TspEffectBmp(int width, int height) : image_(width, height) {}
    explicit TspEffectBmp(Image24 image) : image_(std::move(image)) {}

    int Width() const { return image_.Width(); }
    int Height() const { return image_.Height(); }
    Image24& Image() { return image_; }
    const Image24& Image() const { return image_; }

    PixelColor GetPixel(int x, int y) const { return image_.GetPixel(x, y); }
    void SetPixel(int x, int y, PixelColor color) { image_.SetPixel(x, y, color); }
    uint8_t* ScanLine(int y) { return image_.ScanLine(y); }
    const uint8_t* ScanLine(int y) const { return image_.ScanLine(y); }
    void GetLine(int y, uint8_t* buffer) const { image_.GetLine(y, buffer); }
    void SetLine(int y, const uint8_t* buffer) { image_.SetLine(y, buffer); }

    void Blend(const TspEffectBmp& other, double k) { skin::Blend(image_, other.image_, k); }
    void BlendRect(const TspEffectBmp& other, const Rect& rect, int firstRow, int firstColumn, double k) {
        skin::BlendRect(image_, other.image_, rect, firstRow, firstColumn, k);
    }
    void MorphCenter(const TspEffectBmp& other, double x) { skin::MorphCenter(image_, other.image_, x); }
    void MorphLeftGradient(const TspEffectBmp& other, double x) {
        skin::MorphLeftGradient(image_, other.image_, x);
    }
    void MorphRightGradient(const TspEffectBmp& other, double x) {
        skin::MorphRightGradient(image_, other.image_, x);
    }
    void MorphLeftSlide(const TspEffectBmp& other, double x) {
        skin::MorphLeftSlide(image_, other.image_, x);
    }
    void MorphRightSlide(const TspEffectBmp& other, double x) {
        skin::MorphRightSlide(image_, other.image_, x);
    }
    void MorphPush(const TspEffectBmp& other, double x) { skin::MorphPush(image_, other.image_, x); }
    void Morph(const TspEffectBmp& other, MorphKind kind, double x) {
        ApplyMorph(image_, other.image_, kind, x);
    }

    void Brightness(double k) { skin::Brightness(image_, k); }
    void Darkness(double k) { skin::Darkness(image_, k); }
    void Grayscale() { skin::Grayscale(image_); }
    void Invert() { skin::Invert(image_); }
    void Noise(int n) { skin::Noise(image_, n); }
    void Noise(int n, const NoiseSource& source) { skin::Noise(image_, n, source); }
    void SplitBlur(int a) { skin::SplitBlur(image_, a); }
    void Effect(ImageEffect effect) { ApplyImageEffect(image_, effect); }

    void RotateLeft(TspEffectBmp& target) const { skin::RotateLeft(image_, target.image_); }
    void RotateRight(TspEffectBmp& target) const { skin::RotateRight(image_, target.image_); }
    void FlipVertical(TspEffectBmp& target) const { skin::FlipVertical(image_, target.image_); }

  private:
    Image24 image_;
};

}  // namespace vemora::skin
