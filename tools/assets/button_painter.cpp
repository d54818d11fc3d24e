#include "button_painter.h"

#include "button_look.h"
#include "canvas.h"
#include "mask.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamples = 8;

// Adds a round-capped segment to `mask` by union.
void drawSegment(Mask& mask, double ax, double ay, double bx, double by, double radius) {
    const int x0 = std::max(0, int(std::min(ax, bx) - radius) - 1);
    const int y0 = std::max(0, int(std::min(ay, by) - radius) - 1);
    const int x1 = std::min(mask.width(), int(std::max(ax, bx) + radius) + 2);
    const int y1 = std::min(mask.height(), int(std::max(ay, by) + radius) + 2);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples;
                    const double py = y + (sy + 0.5) / kSamples;
                    inside += segmentDistance(px, py, ax, ay, bx, by) <= radius;
                }
            }
            mask.at(x, y) = std::max(mask.at(x, y), inside / double(kSamples * kSamples));
        }
    }
}

// Crossed bars for close, one low bar for minimise.
void drawGlyph(Mask& mask, ButtonKind kind) {
    if (kind == ButtonKind::Close) {
        drawSegment(mask, 5.0, 5.0, 11.0, 11.0, 1.0);
        drawSegment(mask, 11.0, 5.0, 5.0, 11.0, 1.0);
    } else {
        drawSegment(mask, 4.5, 10.5, 11.5, 10.5, 1.0);
    }
}

// Double chevrons either side of the start label, pointing at it.
constexpr double kChevronReach = 7.0; // half height of a chevron
constexpr double kChevronDepth = 6.0;
constexpr double kChevronGap = 30.0; // label edge to the nearer chevron tip
constexpr double kChevronStep = 9.0;
constexpr double kChevronRadius = 1.3;

void drawChevrons(Mask& mask, double labelLeft, double labelRight, double midY) {
    for (int i = 0; i < 2; ++i) {
        const double leftTip = labelLeft - kChevronGap - i * kChevronStep;
        drawSegment(mask, leftTip - kChevronDepth, midY - kChevronReach, leftTip, midY, kChevronRadius);
        drawSegment(mask, leftTip, midY, leftTip - kChevronDepth, midY + kChevronReach, kChevronRadius);
        const double rightTip = labelRight + kChevronGap + i * kChevronStep;
        drawSegment(mask, rightTip + kChevronDepth, midY - kChevronReach, rightTip, midY, kChevronRadius);
        drawSegment(mask, rightTip, midY, rightTip + kChevronDepth, midY + kChevronReach, kChevronRadius);
    }
}

// The label on a face of the button's size: its ink centred across the face, its capitals centred up and
// down, both on whole pixels.
struct PlacedLabel {
    LabelLine line;
    int x;
    int baseline;
};

PlacedLabel placeLabel(const ButtonFace& button) {
    PlacedLabel placed{layOutLabel(button.label, labelStyle(button.kind)), 0, 0};
    const LabelLine& line = placed.line;
    placed.x = (button.face.Width() - line.ink.Width()) / 2 - line.ink.left;
    placed.baseline = (button.face.Height() - line.capHeight) / 2 + line.capHeight;
    return placed;
}

Mask labelMask(const ButtonFace& button) {
    Mask mask(button.face.Width(), button.face.Height());
    if (!button.carriesLabel) {
        drawGlyph(mask, button.kind);
        return mask;
    }
    const PlacedLabel placed = placeLabel(button);
    drawLabel(mask, placed.line, placed.x, placed.baseline);
    if (button.kind == ButtonKind::Start && !placed.line.glyphs.empty()) {
        const PixelRect ink = placed.line.ink.Offset(placed.x, placed.baseline);
        drawChevrons(mask, ink.left, ink.right, placed.baseline - placed.line.capHeight * 0.5);
    }
    return mask;
}

} // namespace

PixelRect labelInk(const ButtonFace& button) {
    if (!button.carriesLabel) {
        return PixelRect{0, 0, 0, 0};
    }
    const PlacedLabel placed = placeLabel(button);
    PixelRect ink = placed.line.ink.Offset(placed.x, placed.baseline);
    if (button.kind == ButtonKind::Start) {
        const double midY = placed.baseline - placed.line.capHeight * 0.5;
        const int reach = int(std::ceil(kChevronGap + kChevronStep + kChevronDepth + kChevronRadius));
        const int rise = int(std::ceil(kChevronReach + kChevronRadius));
        ink = ink.United(PixelRect{ink.left - reach, int(std::floor(midY)) - rise, ink.right + reach,
                                   int(std::ceil(midY)) + rise});
    }
    return ink;
}

PixelRect labelRoom(const ButtonFace& button) {
    // The plate's outline and bevel take a pixel inside its edge.
    const int inset = int(lookOf(button.kind, false).plate.inset) + 1;
    return PixelRect{inset, inset, button.face.Width() - inset, button.face.Height() - inset};
}

Bitmap paintButton(const Bitmap& skin, const ButtonFace& button, bool hover) {
    Canvas canvas(skin.crop(drawnFace(button)));
    const int w = canvas.width();
    const int h = canvas.height();
    const ButtonLook look = lookOf(button.kind, hover);
    const PlateLook& p = look.plate;
    const Box plate = Box{0.0, 0.0, double(w), double(h)}.inset(p.inset);
    const PixelRect all{0, 0, w, h};
    const auto distance = [&](double px, double py) { return roundBoxDistance(px, py, plate, p.radius); };

    if (look.finish.glowStrength > 0.0) {
        paintArea(
            canvas, all,
            [&](double px, double py) {
                const double d = distance(px, py);
                return d > 0.0 ? look.finish.glowStrength * (1.0 - smoothstep(0.0, p.inset + 1.0, d)) : 0.0;
            },
            [&](int, int) { return look.finish.glow; });
    }
    paintArea(
        canvas, all, [&](double px, double py) { return coverFromDistance(distance(px, py)); },
        [&](int x, int y) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double t = (py - plate.top) / (plate.bottom - plate.top);
            Colour c = mix(p.top, p.bottom, t);
            // Glassy gloss: fades from the top and stops with a soft edge just above the middle.
            const double gloss = (1.0 - smoothstep(0.42, 0.48, t)) * (0.4 + 0.6 * (1.0 - t / 0.5));
            c = mix(c, look.finish.shine, look.finish.shineStrength * clamp01(gloss));
            // Light bouncing up from below rounds the plate off at its lower edge.
            c = mix(c, p.top, 0.3 * smoothstep(0.72, 1.0, t));
            // Bevel: the rim inside the outline catches light on top and falls dark below.
            const double d = distance(px, py);
            double nx = 0.0;
            double ny = 0.0;
            unitGradient(distance, px, py, nx, ny);
            const double rim = clamp01(d + 2.2) * (1.0 - clamp01(d + 1.0));
            c = mix(c, ny < 0.0 ? p.bevel : scale(p.bottom, 0.7), rim * clamp01(std::fabs(ny) + 0.3));
            return mix(c, p.outline, clamp01(d + 1.5));
        });

    const Mask ink = labelMask(button);
    paintArea(
        canvas, all,
        [&](double px, double py) { return ink.sample(int(px), int(py - look.ink.shadowDy)) * 0.75; },
        [&](int, int) { return look.ink.shadow; });
    paintArea(
        canvas, all, [&](double px, double py) { return ink.at(int(px), int(py)); },
        [&](int, int) { return look.ink.colour; });
    return canvas.toBitmap();
}
