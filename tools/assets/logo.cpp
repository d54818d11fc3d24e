#include "logo.h"

#include "stroke_font.h"
#include "geometry.h"
#include "layout.h"

#include <array>
#include <cmath>

namespace {

constexpr const char* kName = "SKYREACH";
constexpr double kCentreX = 415.0;
constexpr double kTop = 13.0;
constexpr int kHeaderRows = 60;
constexpr int kSamples = 8;
constexpr TextStyle kStyle{4.0, 4.1, 2.4, 7.0, 0.12};
constexpr double kOutline = 1.7;

Colour goldFace(double t) {
    // Polished-metal split: bright sky reflected above the middle, warm ground below it.
    static constexpr std::array<ColourStop, 5> kFace{{{0.0, rgb(255, 250, 226)},
                                                      {0.47, rgb(246, 212, 128)},
                                                      {0.53, rgb(204, 134, 48)},
                                                      {0.8, rgb(232, 170, 78)},
                                                      {1.0, rgb(250, 206, 122)}}};
    return ramp(kFace, t);
}

// A stroke that thins from `r0` at a to `r1` at b, added to `mask` by union.
void drawTaper(Mask& mask, double ax, double ay, double bx, double by, double r0, double r1) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSq = dx * dx + dy * dy;
    const double reach = std::max(r0, r1) + 1.0;
    const PixelRect area{int(std::min(ax, bx) - reach), int(std::min(ay, by) - reach),
                         int(std::max(ax, bx) + reach) + 1, int(std::max(ay, by) + reach) + 1};
    for (int y = std::max(0, area.top); y < std::min(mask.height(), area.bottom); ++y) {
        for (int x = std::max(0, area.left); x < std::min(mask.width(), area.right); ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples;
                    const double py = y + (sy + 0.5) / kSamples;
                    const double t = clamp01(((px - ax) * dx + (py - ay) * dy) / lengthSq);
                    inside += segmentDistance(px, py, ax, ay, bx, by) <= r0 + (r1 - r0) * t;
                }
            }
            mask.at(x, y) = std::max(mask.at(x, y), inside / double(kSamples * kSamples));
        }
    }
}

// Swept-back feathers either side of the name, `grow` px heavier for the outline pass.
void drawWings(Mask& mask, double left, double right, double midY, double grow) {
    for (const double side : {-1.0, 1.0}) {
        const double root = side < 0.0 ? left - 12.0 : right + 12.0;
        drawTaper(mask, root, midY - 1.0, root + side * 62.0, midY - 8.0, 2.2 + grow, 0.4 + grow);
        drawTaper(mask, root - side * 2.0, midY + 4.0, root + side * 48.0, midY + 1.0, 1.8 + grow,
                  0.4 + grow);
        drawTaper(mask, root - side * 4.0, midY + 9.0, root + side * 32.0, midY + 9.0, 1.4 + grow,
                  0.4 + grow);
    }
}

// The name with its wings, `grow` px heavier for the outline pass, in a mask as wide as the skin.
Mask logoMask(double grow) {
    const double height = textHeight(kStyle);
    const double width = textWidth(kName, kStyle);
    const double left = kCentreX - width * 0.5 - kStyle.slant * height * 0.5;
    TextStyle style = kStyle;
    style.radius += grow;
    Mask mask(kSkinWidth, kHeaderRows);
    drawText(mask, kName, left, kTop, style, kSamples);
    drawWings(mask, left - kStyle.radius, left + width + kStyle.slant * height + kStyle.radius,
              kTop + height * 0.5, grow);
    return mask;
}

} // namespace

void paintLogo(Canvas& canvas) {
    const double height = textHeight(kStyle);
    const double midY = kTop + height * 0.5;
    const Mask face = logoMask(0.0);
    const Mask edge = logoMask(kOutline);
    const Mask glow = blurred(edge, 5);

    const PixelRect area{0, 0, canvas.width(), kHeaderRows};
    // Dawn light breaking behind the name.
    paintArea(
        canvas, area,
        [&](double px, double py) {
            const double dx = (px - kCentreX) / 230.0;
            const double dy = (py - midY) / 34.0;
            const double r = dx * dx + dy * dy;
            return r < 1.0 ? 0.5 * (1.0 - r) * (1.0 - r) : 0.0;
        },
        [](int, int) { return rgb(64, 84, 150); });
    paintArea(
        canvas, area, [&](double px, double py) { return glow.at(int(px), int(py)) * 0.55; },
        [](int, int) { return rgb(255, 170, 70); });
    paintArea(
        canvas, area, [&](double px, double py) { return edge.at(int(px), int(py)); },
        [](int, int) { return rgb(12, 8, 16); });
    paintArea(
        canvas, area, [&](double px, double py) { return face.at(int(px), int(py)); },
        [&](int, int y) {
            return goldFace((y + 0.5 - (kTop - kStyle.radius)) / (height + 2.0 * kStyle.radius));
        });
}

PixelRect logoBounds() {
    const Mask edge = logoMask(kOutline);
    PixelRect bounds{edge.width(), edge.height(), 0, 0};
    for (int y = 0; y < edge.height(); ++y) {
        for (int x = 0; x < edge.width(); ++x) {
            if (edge.at(x, y) > 0.0) {
                bounds = PixelRect{std::min(bounds.left, x), std::min(bounds.top, y),
                                   std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds;
}
