#include "canvas.h"

#include <cmath>

namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

std::uint8_t quantise(double value, double offset) {
    const double v = std::floor(value + offset + 0.5);
    return std::uint8_t(std::clamp(v, 0.0, 255.0));
}

} // namespace

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), fill) {}

Canvas::Canvas(const Bitmap& source) : Canvas(source.width, source.height, Colour{}) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const std::uint8_t* p = source.pixel(x, y);
            at(x, y) = rgb(p[0], p[1], p[2]);
        }
    }
}

Bitmap Canvas::toBitmap() const {
    Bitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double offset = (kBayer[y & 3][x & 3] + 0.5) / 16.0 - 0.5;
            const Colour& c = at(x, y);
            std::uint8_t* p = out.pixel(x, y);
            p[0] = quantise(c.r, offset);
            p[1] = quantise(c.g, offset);
            p[2] = quantise(c.b, offset);
        }
    }
    return out;
}
