#include "skin/draw/copy_rect.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "skin/draw/coords.h"
#include "skin/draw/cpu_features.h"

#if VEMORA_DRAW_X86
#include <immintrin.h>
#endif

namespace vemora::skin {
namespace {

int64_t Width64(const Rect& r) {
    return int64_t(r.right) - r.left;
}
int64_t Height64(const Rect& r) {
    return int64_t(r.bottom) - r.top;
}

int64_t FloorMod(int64_t a, int64_t n) {
    const int64_t r = a % n;
    return r < 0 ? r + n : r;
}

// Nearest-neighbour source index for consecutive target indices i, i + 1, ... of a target run
// of length dn over a source run of length sn: floor((2i + 1)·sn / (2dn)), the source pixel
// under the centre of the target pixel. One division to start, none per step.
class NearestStepper {
  public:
    // Steps of `stride` indices at a time.
    NearestStepper(int64_t i, int64_t sn, int64_t dn, int64_t stride = 1) : den_(2 * dn) {
        const int64_t num = (2 * i + 1) * sn;
        index_ = num / den_;
        rest_ = num % den_;
        stepIndex_ = 2 * sn * stride / den_;
        stepRest_ = 2 * sn * stride % den_;
    }
    int64_t Index() const { return index_; }
    void Next() {
        rest_ += stepRest_;
        const bool carry = rest_ >= den_;
        rest_ -= carry ? den_ : 0;
        index_ += stepIndex_ + carry;
    }

  private:
    int64_t den_, index_, rest_, stepIndex_, stepRest_;
};

// Small runs (the side strips are a few pixels wide) are not worth a library call.
// Two overlapping fixed-size moves cover any length from n to 2n.
inline void CopyBytes(uint8_t* d, const uint8_t* s, size_t n) {
    if (n > 32) {
        std::memcpy(d, s, n);
    } else if (n >= 16) {
        std::memcpy(d, s, 16);
        std::memcpy(d + n - 16, s + n - 16, 16);
    } else if (n >= 8) {
        std::memcpy(d, s, 8);
        std::memcpy(d + n - 8, s + n - 8, 8);
    } else if (n >= 3) {
        std::memcpy(d, s, 2);
        std::memcpy(d + n - 2, s + n - 2, 2);
        if (n > 4) std::memcpy(d + 2, s + 2, 4);
    } else {
        for (size_t i = 0; i < n; ++i) d[i] = s[i];
    }
}

// Repeats the first `filled` bytes at `block` until `total` bytes hold the pattern.
void FillByDoubling(uint8_t* block, size_t filled, size_t total) {
    while (filled < total) {
        const size_t chunk = std::min(filled, total - filled);
        std::memcpy(block + filled, block, chunk);
        filled += chunk;
    }
}

#if VEMORA_DRAW_X86
// Scaled rows are gathered sixteen target bytes at a time: a byte shuffle of the sixteen
// source bytes at bases[q] by masks[16q ... 16q + 15] (two chunks per step with AVX2). Up to
// four rows share the loads of bases and masks.
__attribute__((target("ssse3"))) void Shuffle16(uint8_t* const* d, const uint8_t* const* s, int rows,
                                                const int* bases, const uint8_t* masks, size_t count) {
    for (size_t q = 0; q < count; ++q) {
        const __m128i mask = _mm_loadu_si128(reinterpret_cast<const __m128i*>(masks + 16 * q));
        for (int r = 0; r < rows; ++r) {
            const __m128i from = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s[r] + bases[q]));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d[r] + 16 * q), _mm_shuffle_epi8(from, mask));
        }
    }
}

template <int Rows>
__attribute__((target("avx2"))) void Shuffle16Avx2Rows(uint8_t* const* rows, const uint8_t* const* sources,
                                                       const int* bases, const uint8_t* masks, size_t count) {
    // Local copies of the row addresses: the stores below cannot change them.
    uint8_t* d[Rows];
    const uint8_t* s[Rows];
    for (int r = 0; r < Rows; ++r) {
        d[r] = rows[r];
        s[r] = sources[r];
    }
    size_t q = 0;
    for (; q + 2 <= count; q += 2) {
        const __m256i mask = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(masks + 16 * q));
        const int low = bases[q], high = bases[q + 1];
        for (int r = 0; r < Rows; ++r) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s[r] + low));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s[r] + high));
            const __m256i from = _mm256_inserti128_si256(_mm256_castsi128_si256(a), b, 1);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d[r] + 16 * q), _mm256_shuffle_epi8(from, mask));
        }
    }
    if (q < count) {
        uint8_t* dq[4];
        for (int r = 0; r < Rows; ++r) dq[r] = d[r] + 16 * q;
        Shuffle16(dq, s, Rows, bases + q, masks + 16 * q, count - q);
    }
}

void Shuffle16Avx2(uint8_t* const* d, const uint8_t* const* s, int rows, const int* bases,
                   const uint8_t* masks, size_t count) {
    switch (rows) {
        case 4:
            return Shuffle16Avx2Rows<4>(d, s, bases, masks, count);
        case 3:
            return Shuffle16Avx2Rows<3>(d, s, bases, masks, count);
        case 2:
            return Shuffle16Avx2Rows<2>(d, s, bases, masks, count);
        default:
            return Shuffle16Avx2Rows<1>(d, s, bases, masks, count);
    }
}
#endif

// The columns of one row copy: which target columns are drawn and from which source columns.
class ColumnMap {
  public:
    // `rows` is how many rows will be copied with the map, to judge what preparing it is worth.
    ColumnMap(int targetWidth, int64_t toLeft, int64_t toWidth, int sourceWidth, int64_t fromLeft,
              int64_t fromWidth, int64_t rows) {
        if (toWidth < 1 || fromWidth < 1) return;
        const int64_t x0 = std::max<int64_t>(toLeft, 0);
        const int64_t x1 = std::min<int64_t>(toLeft + toWidth, targetWidth);
        if (toWidth == fromWidth) {
            const int64_t shift = fromLeft - toLeft;
            first_ = int(std::max(x0, -shift));
            last_ = int(std::min<int64_t>(x1, sourceWidth - shift));
            sourceFirst_ = first_ + shift;
            identity_ = true;
            return;
        }
        if (x1 <= x0) return;
        // The map is monotonic, so the columns with a source inside the picture are one run.
        NearestStepper step(x0 - toLeft, fromWidth, toWidth);
        int64_t x = x0;
        for (; x < x1 && fromLeft + step.Index() < 0; ++x) step.Next();
        first_ = int(x);
        // Four interleaved steppers keep the carries of neighbouring columns independent.
        NearestStepper lanes[4] = {{x - toLeft, fromWidth, toWidth, 4},
                                   {x + 1 - toLeft, fromWidth, toWidth, 4},
                                   {x + 2 - toLeft, fromWidth, toWidth, 4},
                                   {x + 3 - toLeft, fromWidth, toWidth, 4}};
        const int64_t n = x1 - x;
        offsets_.resize(size_t(n));
        for (int64_t i = 0; i < n; i += 4) {
            for (int64_t lane = 0; lane < 4 && i + lane < n; ++lane) {
                offsets_[size_t(i + lane)] = int(3 * (fromLeft + lanes[lane].Index()));
                lanes[lane].Next();
            }
        }
        // Columns beyond the picture's right edge are cut off.
        const int limit = 3 * sourceWidth;
        size_t inside = offsets_.size();
        while (inside > 0 && offsets_[inside - 1] >= limit) --inside;
        offsets_.resize(inside);
        last_ = first_ + int(inside);
        if (rows >= 4) BuildShuffles(sourceWidth);
    }

    bool Empty() const { return last_ <= first_; }
    bool Identity() const { return identity_; }
    int64_t SourceFirst() const { return sourceFirst_; }
    int First() const { return first_; }
    int Last() const { return last_; }

    void Copy(uint8_t* targetRow, const uint8_t* sourceRow) const {
        if (Empty()) return;
        if (identity_) {
            CopyBytes(targetRow + 3 * int64_t(first_), sourceRow + 3 * sourceFirst_,
                      size_t(3) * size_t(last_ - first_));
            return;
        }
        CopyRows(&targetRow, &sourceRow, 1);
    }

    // Up to four rows of a scaled copy.
    void CopyRows(uint8_t* const* targetRows, const uint8_t* const* sourceRows, int rows) const {
        uint8_t* d[4];
        for (int r = 0; r < rows; ++r) d[r] = targetRows[r] + 3 * int64_t(first_);
        size_t done = 0;  // target bytes
#if VEMORA_DRAW_X86
        if (!bases_.empty()) {
            (CpuHasAvx2() ? Shuffle16Avx2 : Shuffle16)(d, sourceRows, rows, bases_.data(), masks_.data(),
                                                       bases_.size());
            done = 16 * bases_.size();
        }
#endif
        for (int r = 0; r < rows; ++r) CopyTail(d[r], sourceRows[r], done);
    }

  private:
    // Target bytes from `done` on, pixel by pixel.
    void CopyTail(uint8_t* d, const uint8_t* sourceRow, size_t done) const {
        size_t pixel = done / 3;
        for (size_t b = done; b < 3 * (pixel + 1) && pixel < offsets_.size(); ++b) {
            d[b] = sourceRow[offsets_[pixel] + int(b % 3)];
        }
        for (++pixel; pixel < offsets_.size(); ++pixel)
            std::memcpy(d + 3 * pixel, sourceRow + offsets_[pixel], 3);
    }

    // The leading whole chunks whose bytes come from one load that stays inside the source
    // row: enlarging always qualifies, a strong reduction may not.
    void BuildShuffles([[maybe_unused]] int sourceWidth) {
#if VEMORA_DRAW_X86
        if (!CpuHasSsse3()) return;
        const size_t count = 3 * offsets_.size() / 16;
        bases_.resize(count);
        masks_.resize(16 * count);
        // The source byte of every target byte, then per chunk the distances from its first.
        std::vector<int> at(16 * count + 2);
        for (size_t p = 0; 3 * p < 16 * count; ++p) {
            at[3 * p] = offsets_[p];
            at[3 * p + 1] = offsets_[p] + 1;
            at[3 * p + 2] = offsets_[p] + 2;
        }
        size_t usable = 0;
        for (; usable < count; ++usable) {
            // A chunk that starts inside a pixel reaches back to that pixel's first byte.
            const int* chunk = at.data() + 16 * usable;
            const auto [low, high] = std::minmax_element(chunk, chunk + 16);
            const int base = *low;
            if (*high - base >= 16 || base + 16 > 3 * sourceWidth) break;
            uint8_t* mask = masks_.data() + 16 * usable;
            for (int b = 0; b < 16; ++b) mask[b] = uint8_t(chunk[b] - base);
            bases_[usable] = base;
        }
        bases_.resize(usable);
        masks_.resize(16 * usable);
#endif
    }

    int first_ = 0;
    int last_ = 0;
    int64_t sourceFirst_ = 0;
    bool identity_ = false;
    std::vector<int> offsets_;
#if VEMORA_DRAW_X86
    std::vector<int> bases_;
    std::vector<uint8_t> masks_;
#endif
};

// A frame is repainted at the same size far more often than it is resized; the scaled
// column maps of the last few copies are kept per thread so that a repaint only copies.
class ColumnMapRef {
  public:
    ColumnMapRef(int targetWidth, int64_t toLeft, int64_t toWidth, int sourceWidth, int64_t fromLeft,
                 int64_t fromWidth, int64_t rows) {
        if (toWidth == fromWidth) {
            map_ = &local_.emplace(targetWidth, toLeft, toWidth, sourceWidth, fromLeft, fromWidth, rows);
            return;
        }
        using Key = std::array<int64_t, 7>;
        const Key key{targetWidth, toLeft, toWidth, sourceWidth, fromLeft, fromWidth, rows >= 4};
        struct Entry {
            Key key;
            std::shared_ptr<const ColumnMap> map;
        };
        thread_local std::array<Entry, 8> entries;
        thread_local size_t next = 0;
        for (const Entry& e : entries) {
            if (e.map && e.key == key) cached_ = e.map;
        }
        if (!cached_) {
            Entry& e = entries[next++ % entries.size()];
            e.key = key;
            e.map = std::make_shared<const ColumnMap>(targetWidth, toLeft, toWidth, sourceWidth, fromLeft,
                                                      fromWidth, rows);
            cached_ = e.map;
        }
        map_ = cached_.get();
    }
    const ColumnMap& operator*() const { return *map_; }

  private:
    std::optional<ColumnMap> local_;
    std::shared_ptr<const ColumnMap> cached_;
    const ColumnMap* map_ = nullptr;
};

// Calls draw(targetRow, sourceRow, y) for the target rows of `to` that exist, with their
// source rows (skipping rows whose source is not in the picture). Rows are either scaled or
// repeated with a period. Row addresses are stepped, not recomputed: the side strips are
// a thousand rows of a few pixels.
template <typename Draw>
void ForEachScaledRow(Image24& target, const Rect& to, const Image24& source, const Rect& from, Draw draw) {
    const int64_t y0 = std::max<int64_t>(to.top, 0);
    const int64_t y1 = std::min<int64_t>(to.bottom, target.Height());
    if (y1 <= y0) return;
    const size_t targetStride = size_t(target.RowSize()), sourceStride = size_t(source.RowSize());
    const int64_t sourceHeight = source.Height();
    uint8_t* targetRow = target.ScanLine(int(y0));
    const uint8_t* sourceBits = source.Bits();
    NearestStepper step(y0 - to.top, Height64(from), Height64(to));
    for (int64_t y = y0; y < y1; ++y, step.Next(), targetRow += targetStride) {
        const int64_t sy = from.top + step.Index();
        if (sy >= 0 && sy < sourceHeight) draw(targetRow, sourceBits + size_t(sy) * sourceStride, int(y));
    }
}

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The same in runs: draw(firstTargetRow, rows, sourceRow) for consecutive target rows that
// take the same source row. An enlargement is walked by source rows: source row j starts at
// target index ceil((2j·dn − sn) / 2sn), stepped without dividing.
template <typename Draw>
void ForEachScaledRun(Image24& target, const Rect& to, const Image24& source, const Rect& from, Draw draw) {
    const int64_t sn = Height64(from), dn = Height64(to);
    if (sn >= dn) {
        ForEachScaledRow(target, to, source, from, [&](uint8_t* row, const uint8_t* sourceRow, int) {
            draw(row, size_t(1), sourceRow);
        });
        return;
    }
    const int64_t y0 = std::max<int64_t>(to.top, 0);
    const int64_t y1 = std::min<int64_t>(to.bottom, target.Height());
    if (y1 <= y0) return;
    const size_t targetStride = size_t(target.RowSize()), sourceStride = size_t(source.RowSize());
    const int64_t i0 = y0 - to.top, i1 = y1 - to.top;
    int64_t j = FloorDiv((2 * i0 + 1) * sn, 2 * dn);
    // start(j + 1) as quotient and remainder of (2(j + 1)·dn − sn + 2sn − 1) / 2sn.
    const int64_t den = 2 * sn;
    const int64_t num = 2 * (j + 1) * dn - sn + den - 1;
    int64_t next = FloorDiv(num, den), rest = num - next * den;
    const int64_t stepIndex = 2 * dn / den, stepRest = 2 * dn % den;
    for (int64_t i = i0; i < i1; ++j) {
        const int64_t end = std::min(next, i1);
        const int64_t sy = from.top + j;
        if (end > i && sy >= 0 && sy < source.Height()) {
            draw(target.ScanLine(int(to.top + i)), size_t(end - i),
                 source.Bits() + size_t(sy) * sourceStride);
        }
        i = std::max(i, end);
        rest += stepRest;
        const bool carry = rest >= den;
        rest -= carry ? den : 0;
        next += stepIndex + carry;
    }
    (void)targetStride;
}

template <typename Draw>
void ForEachPeriodicRow(Image24& target, const Rect& to, const Image24& source, const Rect& from, Draw draw) {
    const int64_t y0 = std::max<int64_t>(to.top, 0);
    const int64_t y1 = std::min<int64_t>(to.bottom, target.Height());
    if (y1 <= y0) return;
    const size_t targetStride = size_t(target.RowSize()), sourceStride = size_t(source.RowSize());
    const int64_t sourceHeight = source.Height();
    uint8_t* targetRow = target.ScanLine(int(y0));
    const uint8_t* sourceBits = source.Bits();
    const int64_t period = Height64(from);
    int64_t j = FloorMod(y0 - to.top, period);
    for (int64_t y = y0; y < y1; ++y, targetRow += targetStride) {
        const int64_t sy = from.top + j;
        if (sy >= 0 && sy < sourceHeight) draw(targetRow, sourceBits + size_t(sy) * sourceStride, int(y));
        if (++j == period) j = 0;
    }
}

// Fills target columns [x0, x1) of a row with the period `from` (width w, first column at
// phase 0 on to.left). The source columns must all exist. The first whole period is copied
// from the source, the rest doubles what is already in the row.
void FillPeriodic(uint8_t* row, int64_t x0, int64_t x1, int64_t toLeft, const uint8_t* sourceRow,
                  int64_t fromLeft, int64_t w) {
    if (x1 <= x0) return;
    const int64_t phase = FloorMod(x0 - toLeft, w);
    const int64_t head = std::min(w - phase, x1 - x0);
    CopyBytes(row + 3 * x0, sourceRow + 3 * (fromLeft + phase), size_t(3 * head));
    const int64_t start = x0 + head;
    if (start >= x1) return;
    int64_t filled = std::min(w, x1 - start);
    CopyBytes(row + 3 * start, sourceRow + 3 * fromLeft, size_t(3 * filled));
    while (start + filled < x1) {
        const int64_t chunk = std::min(filled, x1 - start - filled);
        CopyBytes(row + 3 * (start + filled), row + 3 * start, size_t(3 * chunk));
        filled += chunk;
    }
}

// The same, copy by copy, for a source rectangle that pokes out of its picture.
void FillPeriodicClipped(uint8_t* row, int64_t x0, int64_t x1, int64_t toLeft, const uint8_t* sourceRow,
                         int sourceWidth, int64_t fromLeft, int64_t w) {
    if (x1 <= x0) return;
    // Phases whose source column exists.
    const int64_t p0 = std::max<int64_t>(0, -fromLeft);
    const int64_t p1 = std::min<int64_t>(w, sourceWidth - fromLeft);
    if (p1 <= p0) return;
    for (int64_t k = (x0 - toLeft) / w; toLeft + k * w < x1; ++k) {
        const int64_t tile = toLeft + k * w;
        const int64_t a = std::max(tile + p0, x0);
        const int64_t b = std::min(tile + p1, x1);
        if (a < b) CopyBytes(row + 3 * a, sourceRow + 3 * (fromLeft + (a - tile)), size_t(3 * (b - a)));
    }
}

bool WholeSourceColumns(const Image24& source, const Rect& from) {
    return from.left >= 0 && from.right <= source.Width();
}

void TileColumns(uint8_t* row, int targetWidth, const Rect& to, const uint8_t* sourceRow, int sourceWidth,
                 const Rect& from, bool wholeSource) {
    const int64_t w = Width64(from);
    const int64_t x0 = std::max<int64_t>(to.left, 0);
    const int64_t x1 = std::min<int64_t>(to.right, targetWidth);
    if (wholeSource) {
        FillPeriodic(row, x0, x1, to.left, sourceRow, from.left, w);
    } else {
        FillPeriodicClipped(row, x0, x1, to.left, sourceRow, sourceWidth, from.left, w);
    }
}

bool Usable(const Rect& to, const Rect& from) {
    return Width64(to) > 0 && Height64(to) > 0 && Width64(from) > 0 && Height64(from) > 0;
}

void CopyRectFrom(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    const ColumnMapRef map(target.Width(), to.left, Width64(to), source.Width(), from.left, Width64(from),
                           std::min(Height64(to), Height64(from)));
    const ColumnMap& columns = *map;
    if (columns.Empty()) return;
    const size_t at = size_t(3) * size_t(columns.First());
    const size_t bytes = size_t(3) * size_t(columns.Last() - columns.First());
    if (columns.Identity()) {
        const size_t sourceAt = size_t(3) * size_t(columns.SourceFirst());
        const size_t stride = size_t(target.RowSize());
        ForEachScaledRun(target, to, source, from, [&](uint8_t* row, size_t rows, const uint8_t* sourceRow) {
            for (size_t r = 0; r < rows; ++r, row += stride) CopyBytes(row + at, sourceRow + sourceAt, bytes);
        });
        return;
    }
    // Rows are gathered four at a time; a row enlarged from the same source row as the row
    // above copies that row instead, cheaper than gathering it again.
    uint8_t* rows[4];
    const uint8_t* sources[4];
    int pending = 0;
    auto flush = [&] {
        if (pending > 0) columns.CopyRows(rows, sources, pending);
        pending = 0;
    };
    const uint8_t* previousSource = nullptr;
    uint8_t* previousRow = nullptr;
    ForEachScaledRow(target, to, source, from, [&](uint8_t* row, const uint8_t* sourceRow, int) {
        if (sourceRow == previousSource) {
            flush();
            CopyBytes(row + at, previousRow + at, bytes);
        } else {
            rows[pending] = row;
            sources[pending] = sourceRow;
            if (++pending == 4) flush();
        }
        previousSource = sourceRow;
        previousRow = row;
    });
    flush();
}

void TileRectHFrom(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    const bool wholeSource = WholeSourceColumns(source, from);
    ForEachScaledRow(target, to, source, from, [&](uint8_t* row, const uint8_t* sourceRow, int) {
        TileColumns(row, target.Width(), to, sourceRow, source.Width(), from, wholeSource);
    });
}

void TileRectVFrom(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    const ColumnMapRef map(target.Width(), to.left, Width64(to), source.Width(), from.left, Width64(from),
                           Height64(to));
    const ColumnMap& columns = *map;
    if (columns.Empty()) return;
    if (columns.Identity()) {
        const size_t at = size_t(3) * size_t(columns.First());
        const size_t sourceAt = size_t(3) * size_t(columns.SourceFirst());
        const size_t bytes = size_t(3) * size_t(columns.Last() - columns.First());
        const int64_t y0 = std::max<int64_t>(to.top, 0);
        const int64_t y1 = std::min<int64_t>(to.bottom, target.Height());
        const int64_t period = Height64(from);
        if (bytes == size_t(3) * size_t(target.Width()) && from.top >= 0 && from.bottom <= source.Height() &&
            y1 - y0 > period) {
            // Whole rows, every source row present: after the first period the rest is the
            // block of rows above, copied in doubling pieces.
            const size_t stride = size_t(target.RowSize());
            uint8_t* first = target.ScanLine(int(y0));
            int64_t j = FloorMod(y0 - to.top, period);
            for (int64_t y = y0; y < y0 + period; ++y) {
                CopyBytes(first + size_t(y - y0) * stride, source.ScanLine(int(from.top + j)) + sourceAt,
                          bytes);
                if (++j == period) j = 0;
            }
            FillByDoubling(first, size_t(period) * stride, size_t(y1 - y0) * stride);
            return;
        }
        ForEachPeriodicRow(target, to, source, from, [&](uint8_t* row, const uint8_t* sourceRow, int) {
            CopyBytes(row + at, sourceRow + sourceAt, bytes);
        });
        return;
    }
    ForEachPeriodicRow(target, to, source, from,
                       [&](uint8_t* row, const uint8_t* sourceRow, int) { columns.Copy(row, sourceRow); });
}

void TileRectFrom(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    const int64_t period = Height64(from);
    const int64_t x0 = std::max<int64_t>(to.left, 0);
    const int64_t x1 = std::min<int64_t>(to.right, target.Width());
    if (x1 <= x0) return;
    const int64_t firstRow = std::max<int64_t>(to.top, 0);
    const bool wholeSource = WholeSourceColumns(source, from);
    const size_t periodBytes = size_t(period) * size_t(target.RowSize());
    ForEachPeriodicRow(target, to, source, from, [&](uint8_t* row, const uint8_t* sourceRow, int y) {
        // A row one period below one already tiled is a copy of it.
        if (wholeSource && y - period >= firstRow) {
            CopyBytes(row + 3 * x0, row - periodBytes + 3 * x0, size_t(3 * (x1 - x0)));
        } else {
            TileColumns(row, target.Width(), to, sourceRow, source.Width(), from, wholeSource);
        }
    });
}

// Runs a copy after bringing the rectangles into range; a copy within one image reads from
// a snapshot of it.
template <typename Copy>
void Run(Copy copy, Image24& target, const Rect& toRect, const Image24& source, const Rect& fromRect) {
    const Rect to = SaneRect(toRect), from = SaneRect(fromRect);
    if (!Usable(to, from) || target.IsEmpty() || source.IsEmpty()) return;
    if (&target == &source) {
        const Image24 snapshot = source;
        copy(target, to, snapshot, from);
    } else {
        copy(target, to, source, from);
    }
}

}  // namespace

void CopyRect(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    Run(CopyRectFrom, target, to, source, from);
}

void TileRectH(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    Run(TileRectHFrom, target, to, source, from);
}

void TileRectV(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    Run(TileRectVFrom, target, to, source, from);
}

void TileRect(Image24& target, const Rect& to, const Image24& source, const Rect& from) {
    Run(TileRectFrom, target, to, source, from);
}

}  // namespace vemora::skin
