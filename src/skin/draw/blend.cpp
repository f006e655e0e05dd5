// Blend and BlendRect. A cross-fade runs over whole frames on every animation step, so the
// exact extended-precision rule is turned into integer work once per call:
//
// A factor k = m / 2^23 (0.5, 0.25, ...) makes every step of the rule exact (at most 31
// significant bits), so the rule is the integer (c·2^23 + m·(c' − c)) / 2^23 rounded half to
// even, computed as such.
//
// Otherwise (1 − k)·c + k·c' is c + k·d with d = c' − c, and k·d is exact in a long double
// (53 + 9 bits).
// Unless k·d lies within 1e-9 of a half, the rounding errors of the extended evaluation
// (below 1e-16) cannot change the result, which is then c + round(k·d) for every c: a table
// of 511 offsets. When a 23-bit fixed-point product reproduces that table, the rows are
// blended with plain integer arithmetic the compiler vectorises. Near a half the result
// depends on c itself (the even neighbour): those channels are evaluated by the rule, each
// time for a small image, once into a 256 × 256 table for a large one.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "skin/draw/cpu_features.h"
#include "skin/draw/effects.h"
#include "skin/draw/pixel_math.h"

namespace vemora::skin {
namespace {

constexpr int kFixedBits = 23;
constexpr int32_t kHalf = 1 << (kFixedBits - 1);

// The two integer kernels work in 16-bit lanes (sixteen channels per AVX2 operation). With a
// 23-bit factor K split as K = kh·2^16 + kl (kl signed 16-bit), K·d + 2^22 equals
// 2^16·N + L with N = kh·d + mulhi(kl, d) + 64 and 0 <= L < 2^16, so
// (K·d + 2^22) >> 23 = N >> 7; N stays within ±32704, so 16-bit wrapping sums are exact.
struct SplitFactor {
    int16_t high;
    int16_t low;
    explicit SplitFactor(int32_t k)
        : high(int16_t((k + 32768) >> 16)), low(int16_t(k - ((k + 32768) >> 16) * 65536)) {}
};

inline int16_t MulHigh(int16_t a, int16_t b) {
    return int16_t((int32_t(a) * int32_t(b)) >> 16);
}

// c + ((K·(c' − c) + 2^22) >> 23).
[[gnu::always_inline]] inline void FixedKernel(uint8_t* row, const uint8_t* other, int n, SplitFactor f) {
    for (int i = 0; i < n; ++i) {
        const int16_t c = row[i];
        const int16_t d = int16_t(other[i] - c);
        const int16_t high = int16_t(f.high * d + MulHigh(f.low, d) + 64);
        row[i] = uint8_t(c + int16_t(high >> 7));
    }
}

// (c·2^23 + m·(c' − c)) / 2^23 rounded half to even, with v = c·2^23 + m·d = 2^16·N + L as
// above (N now including c·128).
//
// A factor that is a multiple of 1/128 (0.5, 0.25, ...) has kl = 0 and so L = 0: the result
// is N / 128 rounded half to even, (N + 63 + parity) >> 7 with parity the low bit of N >> 7.
[[gnu::always_inline]] inline void DyadicKernelCoarse(uint8_t* row, const uint8_t* other, int n,
                                                      SplitFactor m) {
    for (int i = 0; i < n; ++i) {
        const int16_t c = row[i];
        const int16_t d = int16_t(other[i] - c);
        const int16_t v = int16_t(c * 128 + m.high * d);
        row[i] = uint8_t(int16_t(v + 63 + ((v >> 7) & 1)) >> 7);
    }
}

// Otherwise (v + 2^22 − 1 + parity) >> 23 is (N + 64) >> 7, less one when L = 0, the parity
// bit is 0 and N + 64 is a multiple of 128 (an exact half, rounded down to the even neighbour).
[[gnu::always_inline]] inline void DyadicKernelFine(uint8_t* row, const uint8_t* other, int n,
                                                    SplitFactor m) {
    for (int i = 0; i < n; ++i) {
        const int16_t c = row[i];
        const int16_t d = int16_t(other[i] - c);
        const int16_t base = int16_t(c * 128 + m.high * d + MulHigh(m.low, d));
        const int16_t rest = int16_t(m.low * d);  // L, the low 16 bits
        const int16_t t = int16_t(base + 64);
        const bool evenHalf = rest == 0 && ((base >> 7) & 1) == 0 && (t & 127) == 0;
        row[i] = uint8_t((t >> 7) - (evenHalf ? 1 : 0));
    }
}

[[gnu::always_inline]] inline void DyadicKernel(uint8_t* row, const uint8_t* other, int n, SplitFactor m) {
    m.low == 0 ? DyadicKernelCoarse(row, other, n, m) : DyadicKernelFine(row, other, n, m);
}

#if VEMORA_DRAW_X86
__attribute__((target("avx2"))) void FixedKernelAvx2(uint8_t* row, const uint8_t* other, int n,
                                                     SplitFactor f) {
    FixedKernel(row, other, n, f);
}
__attribute__((target("avx2"))) void DyadicKernelAvx2(uint8_t* row, const uint8_t* other, int n,
                                                      SplitFactor m) {
    DyadicKernel(row, other, n, m);
}
#endif

void FixedRow(uint8_t* row, const uint8_t* other, int n, SplitFactor f) {
#if VEMORA_DRAW_X86
    if (CpuHasAvx2()) return FixedKernelAvx2(row, other, n, f);
#endif
    FixedKernel(row, other, n, f);
}

void DyadicRow(uint8_t* row, const uint8_t* other, int n, SplitFactor m) {
#if VEMORA_DRAW_X86
    if (CpuHasAvx2()) return DyadicKernelAvx2(row, other, n, m);
#endif
    DyadicKernel(row, other, n, m);
}

class BlendPlan {
  public:
    BlendPlan(double factor, int64_t channels) : k_(ClampFactor(factor)) {
        if (k_ == 0) {
            mode_ = Mode::kKeep;
            return;
        }
        if (k_ == 1) {
            mode_ = Mode::kTakeOther;
            return;
        }
        const long double scaled = k_ * (1 << kFixedBits);
        if (scaled == std::floor(scaled)) {
            mode_ = Mode::kDyadic;
            fixed_ = int32_t(scaled);
            return;
        }
        bool nearHalf = false;
        for (int d = -255; d <= 255; ++d) {
            const long double t = k_ * d;
            nearHalf_[d + 255] = std::fabs(t - std::floor(t) - 0.5L) < 1e-9L;
            nearHalf = nearHalf || nearHalf_[d + 255];
            delta_[d + 255] = int16_t(std::nearbyint(t));
        }
        if (nearHalf) {
            if (channels > kTableWorthFrom) {
                BuildTable();
            } else {
                mode_ = Mode::kDeltaNearHalf;
            }
            return;
        }
        fixed_ = int32_t(std::llround(k_ * (1 << kFixedBits)));
        mode_ = Mode::kFixed;
        for (int d = -255; d <= 255; ++d) {
            if (FixedOffset(d) != delta_[d + 255]) {
                mode_ = Mode::kDelta;
                break;
            }
        }
    }

    // Blends n bytes of `row` with `other` in place.
    void Apply(uint8_t* row, const uint8_t* other, int n) const {
        switch (mode_) {
            case Mode::kKeep:
                return;
            case Mode::kTakeOther:
                std::memcpy(row, other, size_t(n));
                return;
            case Mode::kFixed:
                return FixedRow(row, other, n, SplitFactor(fixed_));
            case Mode::kDyadic:
                return DyadicRow(row, other, n, SplitFactor(fixed_));
            case Mode::kDelta:
                for (int i = 0; i < n; ++i) row[i] = uint8_t(row[i] + delta_[other[i] - row[i] + 255]);
                return;
            case Mode::kDeltaNearHalf:
                for (int i = 0; i < n; ++i) {
                    const int d = other[i] - row[i] + 255;
                    row[i] = nearHalf_[d] ? BlendChannel(k_, row[i], other[i]) : uint8_t(row[i] + delta_[d]);
                }
                return;
            case Mode::kTable:
                for (int i = 0; i < n; ++i) row[i] = table_[size_t(other[i]) << 8 | row[i]];
                return;
        }
    }

  private:
    enum class Mode { kKeep, kTakeOther, kDyadic, kFixed, kDelta, kDeltaNearHalf, kTable };
    static constexpr int64_t kTableWorthFrom = int64_t{1} << 18;

    int32_t FixedOffset(int d) const { return (fixed_ * d + kHalf) >> kFixedBits; }

    void BuildTable() {
        mode_ = Mode::kTable;
        table_.resize(size_t(256) * 256);
        for (int o = 0; o < 256; ++o) {
            for (int c = 0; c < 256; ++c) {
                const int d = o - c + 255;
                table_[size_t(o) << 8 | size_t(c)] =
                    nearHalf_[d] ? BlendChannel(k_, c, o) : uint8_t(c + delta_[d]);
            }
        }
    }

    long double k_;
    Mode mode_ = Mode::kKeep;
    int32_t fixed_ = 0;
    int16_t delta_[511] = {};
    bool nearHalf_[511] = {};
    std::vector<uint8_t> table_;
};

}  // namespace

void Blend(Image24& image, const Image24& other, double k) {
    if (image.Width() != other.Width() || image.Height() != other.Height() || image.IsEmpty()) return;
    const int n = 3 * image.Width();
    const BlendPlan plan(k, int64_t(n) * image.Height());
    for (int y = 0; y < image.Height(); ++y) plan.Apply(image.ScanLine(y), other.ScanLine(y), n);
}

void BlendRect(Image24& image, const Image24& other, const Rect& rect, int firstRow, int firstColumn,
               double k) {
    // Clip the rectangle so that both this image and the rows and columns read from other exist.
    const int64_t dx = int64_t(firstColumn) - rect.left;
    const int64_t dy = int64_t(firstRow) - rect.top;
    const int64_t left = std::max<int64_t>({rect.left, 0, -dx});
    const int64_t top = std::max<int64_t>({rect.top, 0, -dy});
    const int64_t right = std::min<int64_t>({rect.right, image.Width(), other.Width() - dx});
    const int64_t bottom = std::min<int64_t>({rect.bottom, image.Height(), other.Height() - dy});
    if (left >= right || top >= bottom) return;
    const BlendPlan plan(k, 3 * (right - left) * (bottom - top));
    for (int64_t y = top; y < bottom; ++y) {
        plan.Apply(image.ScanLine(int(y)) + 3 * left, other.ScanLine(int(y + dy)) + 3 * (left + dx),
                   int(3 * (right - left)));
    }
}

}  // namespace vemora::skin
