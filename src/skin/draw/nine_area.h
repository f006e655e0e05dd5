// Nine-area images: a picture rectangle resized with fixed corners and tiled or stretched
// edge runs, the frame's four border strips, and three-part strips.
//
// Source points and rectangles are relative to the top-left corner of the source rectangle;
// the caller computes the target points for the target size. Geometry whose runs have no
// length simply draws nothing for them: no piece ever reads or writes outside an image.
#pragma once

#include <cstdint>
#include <memory>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"

namespace vemora::skin {

// The four corner points and the inner (client) rectangle of a nine-area geometry.
struct NineAreaPoints {
    Point lt;
    Point rt;
    Point lb;
    Point rb;
    Rect client;
};

// Per edge run: stretched when set, tiled otherwise.
struct StretchFlags {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

// A strip that is not built is empty. The strips are views of one block of pixel memory
// that they own together (moving the strips keeps them valid; a copy owns its own pixels).
struct BorderStrips {
    Image24 top;
    Image24 bottom;
    Image24 left;
    Image24 right;
    std::unique_ptr<uint8_t[]> storage;

    BorderStrips() = default;
    BorderStrips(BorderStrips&&) noexcept = default;
    BorderStrips& operator=(BorderStrips&&) noexcept = default;
    BorderStrips(const BorderStrips& other)
        : top(other.top), bottom(other.bottom), left(other.left), right(other.right) {}
    BorderStrips& operator=(const BorderStrips& other) {
        if (this != &other) *this = BorderStrips(other);
        return *this;
    }
};

// A width × height image; unpainted (zero) when rb.x equals lt.x, rb.y equals lt.y or the
// picture is empty.
Image24 BuildNineAreaImage(const NineAreaPoints& source, const NineAreaPoints& target, const Image24& picture,
                           const Rect& sourceRect, int width, int height, bool fill);
Image24 BuildStretchNineAreaImage(const NineAreaPoints& source, const NineAreaPoints& target,
                                  const Image24& picture, const Rect& sourceRect, int width, int height,
                                  bool fill, const StretchFlags& stretch);

// The whole picture split into four strips for a frame `width` wide; of the target inner
// rectangle only its height is used. Edge runs are tiled.
BorderStrips BuildBorderStrips(const NineAreaPoints& source, const NineAreaPoints& target,
                               const Image24& picture, int width);
// The frame's strips for a width × height window from the source rectangle of the picture.
BorderStrips BuildStretchBorderStrips(const NineAreaPoints& source, const NineAreaPoints& target,
                                      const Image24& picture, const Rect& sourceRect, int width, int height,
                                      const StretchFlags& stretch);

// For tests and the fuzzer: strip memory that the builders leave uncleared (because the
// pieces cover it) starts as this byte instead of whatever the allocator gave; -1 turns it off.
// Two builds with different bytes must give the same strips.
void SetStripMemoryProbe(int byte);

// A strip as high as the source rectangle and `width` wide: fixed left and right parts, the
// middle tiled between them. TileStripV is the same along y.
Image24 TileStripH(int leftWidth, int rightWidth, const Image24& picture, const Rect& sourceRect, int width);
Image24 TileStripV(int topHeight, int bottomHeight, const Image24& picture, const Rect& sourceRect,
                   int height);

}  // namespace vemora::skin
