// Blend and BlendRect. A cross-fade runs over whole frames on every animation step, so the
// exact extended-precision rule is turned into integer work once per call:
//
// (1 − k)·c + k·c' is c + k·d with d = c' − c, and k·d is exact in a long double (53 + 9 bits).
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

#include "skin/draw/effects.h"
#include "skin/draw/pixel_math.h"

namespace vemora::skin {
namespace {

constexpr int kFixedBits = 23;

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
            case Mode::kFixed: {
                const int32_t f = fixed_;
                for (int i = 0; i < n; ++i) {
                    const int32_t c = row[i];
                    row[i] =
                        uint8_t(c + ((f * (int32_t(other[i]) - c) + (1 << (kFixedBits - 1))) >> kFixedBits));
                }
                return;
            }
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
    enum class Mode { kKeep, kTakeOther, kFixed, kDelta, kDeltaNearHalf, kTable };
    static constexpr int64_t kTableWorthFrom = int64_t{1} << 18;

    int32_t FixedOffset(int d) const { return (fixed_ * d + (1 << (kFixedBits - 1))) >> kFixedBits; }

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
