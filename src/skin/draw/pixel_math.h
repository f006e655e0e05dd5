// The rounding every effect shares: extended precision, halves to the even neighbour,
// then clamped into a channel.
#pragma once

#include <cmath>
#include <cstdint>

namespace vemora::skin {

inline uint8_t ClampRGB(int value) {
    return value >= 255 ? 255 : value <= 0 ? 0 : uint8_t(value);
}

// nearbyint honours the rounding mode, which is round-half-even unless someone changed it;
// long double is the 64-bit-mantissa x87 format on every target we build for.
inline uint8_t RoundChannel(long double value) {
    const long double r = std::nearbyint(value);
    if (!(r > 0)) return 0;  // NaN lands here too
    return r >= 255 ? 255 : uint8_t(r);
}

// Factors are clamped into 0 ... 1; NaN counts as 0.
inline double ClampFactor(double k) {
    if (!(k > 0)) return 0;
    return k > 1 ? 1 : k;
}

// round((1 - k)·c + k·other), evaluated as written in extended precision.
inline uint8_t BlendChannel(long double k, int c, int other) {
    return RoundChannel((1.0L - k) * c + k * other);
}

}  // namespace vemora::skin
