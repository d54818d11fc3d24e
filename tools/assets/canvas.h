#pragma once

#include "bitmap.h"
#include "colour.h"
#include "geometry.h"

#include <algorithm>
#include <vector>

// Painting surface with double-precision channels.
class Canvas {
public:
    Canvas(int width, int height, Colour fill);
    explicit Canvas(const Bitmap& source);

    int width() const { return width_; }
    int height() const { return height_; }

    Colour& at(int x, int y) { return pixels_[index(x, y)]; }
    const Colour& at(int x, int y) const { return pixels_[index(x, y)]; }

    void blend(int x, int y, Colour colour, double alpha) {
        Colour& p = at(x, y);
        p = mix(p, colour, alpha);
    }

    // Rounds to 8 bits through a 4x4 ordered dither, which hides banding in long gradients. The offsets stay
    // below half a step, so pixels that were copied in from a Bitmap come out unchanged.
    Bitmap toBitmap() const;

private:
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// Blends paint(x, y) into each pixel of `area`, weighted by cover(cx, cy) taken at the pixel centre.
template <class Cover, class Paint>
void paintArea(Canvas& canvas, const PixelRect& area, Cover cover, Paint paint) {
    const int x0 = std::max(area.left, 0);
    const int y0 = std::max(area.top, 0);
    const int x1 = std::min(area.right, canvas.width());
    const int y1 = std::min(area.bottom, canvas.height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const double alpha = cover(x + 0.5, y + 0.5);
            if (alpha > 0.0)
                canvas.blend(x, y, paint(x, y), std::min(alpha, 1.0));
        }
    }
}

// Smallest pixel rectangle holding a box, plus a margin for anti-aliased edges.
constexpr PixelRect boundsOf(const Box& box, int margin) {
    return {int(box.left) - margin, int(box.top) - margin, int(box.right) + 1 + margin,
            int(box.bottom) + 1 + margin};
}
