#include "skin/draw/effects.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <random>
#include <vector>

#include "skin/draw/pixel_math.h"

namespace vemora::skin {
namespace {

bool SameSize(const Image24& a, const Image24& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && !a.IsEmpty();
}

// Progress outside 0 ... 1 would put the morphs' bands and ramps outside the image.
long double ClampProgress(double x) {
    return ClampFactor(x);
}

int RoundToInt(long double v) {
    return int(std::nearbyint(v));
}

// round(w·c + (1 − w)·c'): the weight is the current picture's share.
uint8_t MixChannel(long double w, int c, int target) {
    return RoundChannel(w * c + (1.0L - w) * target);
}

// Fills weights[from], weights[from ± 1], ... (direction step) with a ramp starting at 0
// and growing by `step` per entry, capped at 1.
void Ramp(std::vector<long double>& weights, int from, int to, int direction, long double step) {
    long double w = 0;
    for (int i = from; direction > 0 ? i <= to : i >= to; i += direction) {
        weights[size_t(i)] = w;
        w = std::min(w + step, 1.0L);
    }
}

// Blends every column by its own weight; a weight of -1 leaves the column as it is.
void MixColumns(Image24& image, const Image24& other, const std::vector<long double>& weights) {
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = image.ScanLine(y);
        const uint8_t* target = other.ScanLine(y);
        for (int x = 0; x < image.Width(); ++x) {
            const long double w = weights[size_t(x)];
            if (w < 0) continue;
            for (int c = 3 * x; c < 3 * x + 3; ++c) row[c] = MixChannel(w, row[c], target[c]);
        }
    }
}

void MixRow(uint8_t* row, const uint8_t* target, int bytes, long double w) {
    for (int c = 0; c < bytes; ++c) row[c] = MixChannel(w, row[c], target[c]);
}

// Applies a 256-entry channel table to every channel of the image.
void MapChannels(Image24& image, const std::array<uint8_t, 256>& table) {
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = image.ScanLine(y);
        for (int c = 0; c < 3 * image.Width(); ++c) row[c] = table[row[c]];
    }
}

}  // namespace

void MorphCenter(Image24& image, const Image24& other, double x) {
    if (image.Width() >= image.Height()) {
        MorphCenterH(image, other, x);
    } else {
        MorphCenterV(image, other, x);
    }
}

void MorphCenterH(Image24& image, const Image24& other, double x) {
    if (!SameSize(image, other)) return;
    const int w = image.Width();
    const int a = RoundToInt(w * ClampProgress(x));
    const int m = (w - a) / 2;
    const long double step = m == 0 ? 1.0L : 1.0L / m;
    const int f = w / 2;
    const int g = std::max(f - a / 2, 0);
    const int h = std::min(f + a / 2, w - 1);
    std::vector<long double> weights(size_t(w), 0.0L);
    Ramp(weights, g, 0, -1, step);
    Ramp(weights, h, w - 1, +1, step);
    for (int i = g; i <= h; ++i) weights[size_t(i)] = 0;
    MixColumns(image, other, weights);
}

void MorphCenterV(Image24& image, const Image24& other, double x) {
    if (!SameSize(image, other)) return;
    const int height = image.Height();
    const int b = RoundToInt(height * ClampProgress(x));
    const int m = (height - 1 - b) / 2;
    const long double step = m == 0 ? 0.0L : 1.0L / m;
    const int f = height / 2;
    const int g = std::max(f - b / 2, 0);
    const int h = std::min(f + b / 2, height - 1);
    std::vector<long double> weights(size_t(height), 0.0L);
    Ramp(weights, g, 0, -1, step);
    Ramp(weights, h, height - 1, +1, step);
    for (int i = g; i <= h; ++i) weights[size_t(i)] = 0;
    const int bytes = 3 * image.Width();
    for (int y = 0; y < height; ++y) MixRow(image.ScanLine(y), other.ScanLine(y), bytes, weights[size_t(y)]);
}

void MorphLeftGradient(Image24& image, const Image24& other, double x) {
    if (!SameSize(image, other)) return;
    const int w = image.Width();
    const int a = std::min(std::max(RoundToInt(w * ClampProgress(x)), 1), w - 1);
    // A one-pixel-wide image leaves a = 0; its single column shows the target.
    const long double step = a == 0 ? 1.0L : 1.0L / a;
    std::vector<long double> weights(size_t(w), -1.0L);
    Ramp(weights, 0, a, +1, step);
    MixColumns(image, other, weights);
}

void MorphRightGradient(Image24& image, const Image24& other, double x) {
    if (!SameSize(image, other)) return;
    const int w = image.Width();
    const int a = std::min(std::max(w - RoundToInt(w * ClampProgress(x)), 0), w - 1);
    const long double step = w - a == 0 ? 1.0L : 1.0L / (w - a);
    std::vector<long double> weights(size_t(w), -1.0L);
    Ramp(weights, w - 1, a, -1, step);
    MixColumns(image, other, weights);
}

void MorphLeftSlide(Image24& image, const Image24& other, double x) {
    if (!SameSize(image, other)) return;
    const int w = image.Width();
    const int b = std::min(std::max(RoundToInt(w * ClampProgress(x)), 1), w - 1);
    if (b < 1) return;
    for (int y = 0; y < image.Height(); ++y) {
        std::memcpy(image.ScanLine(y), other.ScanLine(y) + 3 * (w - b), size_t(3) * b);
    }
}

void MorphRightSlide(Image24& image, const Image24& other, double x) {
    if (!SameSize(image, other)) return;
    const int w = image.Width();
    const int b = std::min(std::max(RoundToInt(w * ClampProgress(x)), 1), w - 1);
    if (b < 1) return;
    for (int y = 0; y < image.Height(); ++y) {
        std::memcpy(image.ScanLine(y) + 3 * (w - b), other.ScanLine(y), size_t(3) * b);
    }
}

void MorphPush(Image24& image, const Image24& other, double x) {
    if (!SameSize(image, other)) return;
    const int w = image.Width();
    const int a = std::min(std::max(RoundToInt(w * ClampProgress(x)), 0), w - 1);
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = image.ScanLine(y);
        // The current picture moves right by a + 1 columns; columns 0 ... a then show the
        // target's last a + 1 columns.
        std::memmove(row + 3 * (a + 1), row, size_t(3) * (w - a - 1));
        std::memcpy(row, other.ScanLine(y) + 3 * (w - a - 1), size_t(3) * (a + 1));
    }
}

void Brightness(Image24& image, double k) {
    const long double f = ClampFactor(k);
    std::array<uint8_t, 256> table;
    for (int c = 0; c < 256; ++c) table[size_t(c)] = RoundChannel((1.0L - f) * c + 255 * f);
    MapChannels(image, table);
}

void Darkness(Image24& image, double k) {
    const long double f = ClampFactor(k);
    std::array<uint8_t, 256> table;
    for (int c = 0; c < 256; ++c) table[size_t(c)] = RoundChannel((1.0L - f) * c);
    MapChannels(image, table);
}

// 0.3·red + 0.59·green + 0.11·blue with the constants in extended precision. As a decimal
// fraction the sum is n/100 with n = 30r + 59g + 11b, so it is at least 0.01 away from a
// half unless n ends in 50; only then can the extended rounding errors decide, and only then
// is the sum evaluated in floating point.
void Grayscale(Image24& image) {
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* p = image.ScanLine(y);
        for (int x = 0; x < image.Width(); ++x, p += 3) {
            const int b = p[0], g = p[1], r = p[2];
            const int n = 30 * r + 59 * g + 11 * b;
            const uint8_t gray =
                n % 100 == 50 ? RoundChannel(0.3L * r + 0.59L * g + 0.11L * b) : uint8_t((n + 50) / 100);
            p[0] = p[1] = p[2] = gray;
        }
    }
}

void Invert(Image24& image) {
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = image.ScanLine(y);
        for (int c = 0; c < 3 * image.Width(); ++c) row[c] = uint8_t(255 - row[c]);
    }
}

void Noise(Image24& image, int n, const NoiseSource& source) {
    if (n < 1 || !source) return;
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* p = image.ScanLine(y);
        for (int x = 0; x < image.Width(); ++x, p += 3) {
            const int offset = int(source() % uint32_t(n)) - n / 2;
            for (int c = 0; c < 3; ++c) p[c] = ClampRGB(p[c] + offset);
        }
    }
}

void Noise(Image24& image, int n) {
    static std::mutex mutex;
    static std::minstd_rand generator(std::random_device{}());
    std::lock_guard lock(mutex);
    Noise(image, n, [] { return uint32_t(generator()); });
}

// Rows are blended into a buffer and written back one by one, so the rows above the current
// one are read as already changed and the current row as it was.
void SplitBlur(Image24& image, int a) {
    if (a < 1 || image.IsEmpty()) return;
    const int w = image.Width(), h = image.Height();
    std::vector<uint8_t> line(size_t(3) * w);
    for (int y = 0; y < h; ++y) {
        const int above = y - a < 0 ? y : y - a;
        // H − y and W − x lie outside the image for y = 0 (x = 0) once a reaches a side.
        const int below = std::min(y + a < h ? y + a : h - y, h - 1);
        const uint8_t* up = image.ScanLine(above);
        const uint8_t* down = image.ScanLine(below);
        for (int x = 0; x < w; ++x) {
            const int left = 3 * (x - a < 0 ? x : x - a);
            const int right = 3 * std::min(x + a < w ? x + a : w - x, w - 1);
            for (int c = 0; c < 3; ++c) {
                line[size_t(3 * x + c)] =
                    uint8_t((up[left + c] + down[left + c] + up[right + c] + down[right + c]) >> 2);
            }
        }
        image.SetLine(y, line.data());
    }
}

void RotateLeft(const Image24& image, Image24& target) {
    const int w = image.Width(), h = image.Height();
    if (image.IsEmpty() || target.Width() != h || target.Height() != w) return;
    for (int y = 0; y < h; ++y) {
        const uint8_t* p = image.ScanLine(y);
        for (int x = 0; x < w; ++x) std::memcpy(target.ScanLine(w - 1 - x) + 3 * y, p + 3 * x, 3);
    }
}

void RotateRight(const Image24& image, Image24& target) {
    const int w = image.Width(), h = image.Height();
    if (image.IsEmpty() || target.Width() != h || target.Height() != w) return;
    for (int y = 0; y < h; ++y) {
        const uint8_t* p = image.ScanLine(y);
        for (int x = 0; x < w; ++x) std::memcpy(target.ScanLine(x) + 3 * (h - 1 - y), p + 3 * x, 3);
    }
}

void FlipVertical(const Image24& image, Image24& target) {
    const int w = image.Width(), h = image.Height();
    if (image.IsEmpty() || target.Width() != w || target.Height() != h) return;
    if (&image == &target) {
        std::vector<uint8_t> line(size_t(3) * w);
        for (int y = 0; y < h / 2; ++y) {
            std::memcpy(line.data(), target.ScanLine(y), line.size());
            std::memcpy(target.ScanLine(y), target.ScanLine(h - 1 - y), line.size());
            std::memcpy(target.ScanLine(h - 1 - y), line.data(), line.size());
        }
        return;
    }
    for (int y = 0; y < h; ++y) std::memcpy(target.ScanLine(h - 1 - y), image.ScanLine(y), size_t(3) * w);
}

void ApplyMorph(Image24& image, const Image24& other, MorphKind kind, double x) {
    switch (kind) {
        case MorphKind::mkDefault:
            return Blend(image, other, x);
        case MorphKind::mkGradient:
            return MorphCenter(image, other, x);
        case MorphKind::mkLeftGradient:
            return MorphLeftGradient(image, other, x);
        case MorphKind::mkRightGradient:
            return MorphRightGradient(image, other, x);
        case MorphKind::mkLeftSlide:
            return MorphLeftSlide(image, other, x);
        case MorphKind::mkRightSlide:
            return MorphRightSlide(image, other, x);
        case MorphKind::mkPush:
            return MorphPush(image, other, x);
    }
}

void ApplyImageEffect(Image24& image, ImageEffect effect) {
    switch (effect) {
        case ImageEffect::ieBrightness:
            return Brightness(image, 0.5);
        case ImageEffect::ieDarkness:
            return Darkness(image, 0.3);
        case ImageEffect::ieGrayscale:
            return Grayscale(image);
        case ImageEffect::ieNoise:
            return Noise(image, 50);
        case ImageEffect::ieSplitBlur:
            return SplitBlur(image, 1);
        case ImageEffect::ieInvert:
            return Invert(image);
    }
}

}  // namespace vemora::skin
