// Drawing for the skin's pictures: colours, shapes tested in continuous coordinates, and a
// canvas over the skin's 24-bit image that paints shapes with their pixel coverage as
// opacity. Edges on whole pixel coordinates come out crisp; curves and diagonals are
// smoothed against whatever lies under them.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"

namespace vemora::skin::gen {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// 0xRRGGBB as designers write colours.
constexpr Rgb Hex(uint32_t rgb) {
    return Rgb{uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)};
}
// t = 0 gives from, t = 1 gives to.
Rgb Mix(Rgb from, Rgb to, double t);
// The description's colour value 0x00BBGGRR.
constexpr int32_t ColorValue(Rgb c) {
    return int32_t(c.b) << 16 | int32_t(c.g) << 8 | int32_t(c.r);
}

// Pixel (x, y) covers [x, x + 1) × [y, y + 1); a shape says whether a point lies inside.
using Shape = std::function<bool(double x, double y)>;

struct Radii {
    double topLeft = 0;
    double topRight = 0;
    double bottomRight = 0;
    double bottomLeft = 0;
};
inline Radii AllCorners(double r) {
    return Radii{r, r, r, r};
}
inline Radii TopCorners(double r) {
    return Radii{r, r, 0, 0};
}

Shape Box(double left, double top, double right, double bottom);
Shape RoundBox(double left, double top, double right, double bottom, Radii radii);
Shape Disk(double cx, double cy, double radius);
// A stroke of the given width between two points, with round ends.
Shape Stroke(double x0, double y0, double x1, double y1, double width);
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Either(Shape a, Shape b);
Shape Without(Shape a, Shape cut);

// Colour of a painted pixel, by its position.
using Paint = std::function<Rgb(int x, int y)>;
inline Paint Solid(Rgb c) {
    return [c](int, int) { return c; };
}
// Top colour on row top, bottom colour on row bottom − 1.
Paint VerticalGradient(int top, int bottom, Rgb topColor, Rgb bottomColor);

class Canvas {
  public:
    Canvas(int width, int height, Rgb background);

    int Width() const { return image_.Width(); }
    int Height() const { return image_.Height(); }
    Rgb At(int x, int y) const;
    void Put(int x, int y, Rgb c);
    void Blend(int x, int y, Rgb c, double opacity);

    void Fill(const Rect& r, Rgb c);
    void Fill(const Rect& r, const Paint& paint);
    // Paints the shape within bounds, each pixel at its coverage (4 × 4 samples) times opacity.
    void Draw(const Shape& shape, const Rect& bounds, const Paint& paint, double opacity = 1);
    void Draw(const Shape& shape, const Rect& bounds, Rgb c, double opacity = 1) {
        Draw(shape, bounds, Solid(c), opacity);
    }
    // Copies a part of another canvas with its top-left corner at (x, y).
    void Paste(const Canvas& from, const Rect& part, int x, int y);

    const Image24& Image() const { return image_; }

  private:
    Image24 image_;
};

// Fraction of the pixel's 4 × 4 samples inside the shape.
double Coverage(const Shape& shape, int x, int y);

}  // namespace vemora::skin::gen
