#include "icon_painter.h"

#include "canvas.h"
#include "metal.h"

#include <array>
#include <cstddef>

namespace {

constexpr int kSamples = 8;

struct Point {
    double x;
    double y;
};

// Even-odd rule point test.
template <std::size_t N> bool inside(const std::array<Point, N>& poly, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = N - 1; i < N; j = i++) {
        const Point& a = poly[i];
        const Point& b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

template <std::size_t N>
void fillPolygon(Canvas& canvas, const std::array<Point, N>& poly, Colour top, Colour bottom) {
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += inside(poly, x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
            }
            if (hits > 0)
                canvas.blend(x, y, mix(top, bottom, (y + 0.5) / kIconSize),
                             hits / double(kSamples * kSamples));
        }
    }
}

} // namespace

Bitmap paintIcon() {
    Canvas canvas(kIconSize, kIconSize, Colour{});
    const Box tile{0.0, 0.0, double(kIconSize), double(kIconSize)};
    static constexpr std::array<ColourStop, 4> kSky{{{0.0, rgb(10, 20, 50)},
                                                     {14.0, rgb(36, 60, 118)},
                                                     {24.0, rgb(214, 128, 92)},
                                                     {32.0, rgb(252, 196, 112)}}};
    paintArea(
        canvas, PixelRect{0, 0, kIconSize, kIconSize}, [](double, double) { return 1.0; },
        [](int, int y) { return ramp(kSky, y + 0.5); });

    // Mountain: a dark massif with a lit face and a snow cap, then a smaller peak in front.
    fillPolygon(canvas, std::array<Point, 5>{{{-1, 32}, {9, 17}, {12, 19}, {17, 7}, {33, 32}}},
                rgb(30, 40, 74), rgb(14, 18, 36));
    fillPolygon(canvas, std::array<Point, 3>{{{17, 7}, {33, 32}, {21, 32}}}, rgb(120, 100, 130),
                rgb(40, 38, 70));
    fillPolygon(canvas,
                std::array<Point, 6>{{{17, 7}, {21.4, 15}, {19, 14}, {17, 16.5}, {14.6, 14}, {13.8, 15}}},
                rgb(255, 255, 255), rgb(214, 226, 246));
    fillPolygon(canvas, std::array<Point, 3>{{{-1, 32}, {8, 22}, {17, 32}}}, rgb(20, 26, 52),
                rgb(10, 12, 26));

    // Four-pointed star over the summit.
    fillPolygon(canvas,
                std::array<Point, 8>{{{24.5, 1.5},
                                      {25.6, 4.9},
                                      {29, 6},
                                      {25.6, 7.1},
                                      {24.5, 10.5},
                                      {23.4, 7.1},
                                      {20, 6},
                                      {23.4, 4.9}}},
                kGold.shine, kGold.light);

    // Thin gold rim so the icon holds together on light and dark backgrounds.
    paintArea(
        canvas, PixelRect{0, 0, kIconSize, kIconSize},
        [&](double px, double py) {
            const double d = -roundBoxDistance(px, py, tile, 0.0);
            return clamp01(1.5 - d);
        },
        [](int, int y) { return mix(kGold.light, kGold.shadow, (y + 0.5) / kIconSize); });
    return canvas.toBitmap();
}
