#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace vemora::skin::gen {

namespace {

uint8_t Channel(double v) {
    return uint8_t(std::clamp(std::lround(v), 0L, 255L));
}

constexpr int kSamples = 4;

}  // namespace

Rgb Mix(Rgb from, Rgb to, double t) {
    return Rgb{Channel(from.r + (to.r - from.r) * t), Channel(from.g + (to.g - from.g) * t),
               Channel(from.b + (to.b - from.b) * t)};
}

Shape Box(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape RoundBox(double left, double top, double right, double bottom, Radii radii) {
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom) return false;
        auto outsideArc = [&](double cx, double cy, double r) {
            double dx = x - cx, dy = y - cy;
            return dx * dx + dy * dy > r * r;
        };
        double r = radii.topLeft;
        if (r > 0 && x < left + r && y < top + r) return !outsideArc(left + r, top + r, r);
        r = radii.topRight;
        if (r > 0 && x > right - r && y < top + r) return !outsideArc(right - r, top + r, r);
        r = radii.bottomRight;
        if (r > 0 && x > right - r && y > bottom - r) return !outsideArc(right - r, bottom - r, r);
        r = radii.bottomLeft;
        if (r > 0 && x < left + r && y > bottom - r) return !outsideArc(left + r, bottom - r, r);
        return true;
    };
}

Shape Disk(double cx, double cy, double radius) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Shape Stroke(double x0, double y0, double x1, double y1, double width) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    const double half = width / 2;
    return [=](double x, double y) {
        double t = lengthSquared > 0 ? ((x - x0) * dx + (y - y0) * dy) / lengthSquared : 0;
        t = std::clamp(t, 0.0, 1.0);
        double px = x0 + t * dx - x, py = y0 + t * dy - y;
        return px * px + py * py <= half * half;
    };
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
    return [points = std::move(points)](double x, double y) {
        bool in = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            auto [xi, yi] = points[i];
            auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    };
}

Shape Either(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

Shape Without(Shape a, Shape cut) {
    return [=](double x, double y) { return a(x, y) && !cut(x, y); };
}

Paint VerticalGradient(int top, int bottom, Rgb topColor, Rgb bottomColor) {
    return [=](int, int y) {
        double span = std::max(1, bottom - 1 - top);
        return Mix(topColor, bottomColor, std::clamp((y - top) / span, 0.0, 1.0));
    };
}

double Coverage(const Shape& shape, int x, int y) {
    int inside = 0;
    for (int j = 0; j < kSamples; ++j)
        for (int i = 0; i < kSamples; ++i)
            if (shape(x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples)) ++inside;
    return double(inside) / (kSamples * kSamples);
}

Canvas::Canvas(int width, int height, Rgb background) : image_(width, height) {
    Fill(Rect{0, 0, width, height}, background);
}

Rgb Canvas::At(int x, int y) const {
    PixelColor c = image_.GetPixel(x, y);
    return Rgb{uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)};
}

void Canvas::Put(int x, int y, Rgb c) {
    image_.SetPixel(x, y, PixelColor(c.r) << 16 | PixelColor(c.g) << 8 | PixelColor(c.b));
}

void Canvas::Blend(int x, int y, Rgb c, double opacity) {
    if (opacity <= 0 || !image_.Contains(x, y)) return;
    Put(x, y, opacity >= 1 ? c : Mix(At(x, y), c, opacity));
}

void Canvas::Fill(const Rect& r, Rgb c) {
    Fill(r, Solid(c));
}

void Canvas::Fill(const Rect& r, const Paint& paint) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) Put(x, y, paint(x, y));
}

void Canvas::Draw(const Shape& shape, const Rect& bounds, const Paint& paint, double opacity) {
    for (int y = bounds.top; y < bounds.bottom; ++y)
        for (int x = bounds.left; x < bounds.right; ++x) {
            double cover = Coverage(shape, x, y);
            if (cover > 0) Blend(x, y, paint(x, y), cover * opacity);
        }
}

void Canvas::Paste(const Canvas& from, const Rect& part, int x, int y) {
    for (int j = part.top; j < part.bottom; ++j)
        for (int i = part.left; i < part.right; ++i) Put(x + i - part.left, y + j - part.top, from.At(i, j));
}

}  // namespace vemora::skin::gen
