#include "console.h"

#include "logo.h"
#include "metal.h"
#include "wells.h"

#include <algorithm>
#include <array>

namespace {

// The plinth's buttons stand close together, so they share one well shaped like all their faces together.
double plinthWellDistance(const std::vector<const ButtonFace*>& faces, double x, double y) {
    double distance = roundBoxDistance(x, y, wellHole(*faces.front()), wellRadius(faces.front()->kind));
    for (auto face = faces.begin() + 1; face != faces.end(); ++face) {
        distance =
            smoothUnion(distance, roundBoxDistance(x, y, wellHole(**face), wellRadius((*face)->kind)), 4.0);
    }
    return distance;
}

template <class Distance> void paintWell(Canvas& canvas, const PixelRect& area, Distance distance) {
    paintArea(
        canvas, area, [&](double px, double py) { return coverFromDistance(distance(px, py) - kWellLip); },
        [&](int x, int y) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double d = distance(px, py);
            double nx = 0.0;
            double ny = 0.0;
            unitGradient(distance, px, py, nx, ny);
            // Lip sloping down into the hole, then the hole itself, shaded darker under its upper edge.
            const Colour lip = hollowColour(kSteel, (kWellLip - d) / kWellLip, -nx, -ny);
            const double depth = clamp01(-d / 6.0);
            const Colour hole = mix(rgb(2, 4, 10), rgb(7, 11, 22), depth * (ny > 0.0 ? 1.0 : 0.6));
            return mix(lip, hole, clamp01(0.5 - d));
        });
}

} // namespace

void paintPlinth(Canvas& canvas) {
    const std::vector<PlinthStep> steps = plinthSteps(tableButtons());
    if (steps.empty()) {
        return;
    }
    constexpr double kShadow = 7.0;
    constexpr double kRim = 3.2;
    // Where two steps melt, the edge comes in by up to a quarter of their melting distance: the shadow
    // reaches no further than this around the steps.
    PixelRect area = boundsOf(steps.front().box, int(kShadow) + 3);
    for (const PlinthStep& step : steps) {
        area = area.United(boundsOf(step.box, int(kShadow) + 3));
    }
    const auto distance = [&](double px, double py) { return plinthDistance(steps, px, py); };
    // The body darkens from the plinth's top to the window's bottom edge.
    double top = steps.front().box.top;
    for (const PlinthStep& step : steps) {
        top = std::min(top, step.box.top);
    }
    const std::array<ColourStop, 3> bodyRamp{
        {{top, rgb(34, 46, 74)}, {top + 46.0, rgb(22, 31, 54)}, {double(kSkinHeight), rgb(14, 20, 38)}}};
    paintArea(
        canvas, area,
        [&](double px, double py) { return 0.6 * (1.0 - smoothstep(-1.0, kShadow, distance(px, py))); },
        [](int, int) { return rgb(3, 4, 10); });
    paintArea(
        canvas, area, [&](double px, double py) { return coverFromDistance(distance(px, py)); },
        [&](int x, int y) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double d = distance(px, py);
            double nx = 0.0;
            double ny = 0.0;
            unitGradient(distance, px, py, nx, ny);
            const Colour body = ramp(bodyRamp, py);
            const Colour groove = rgb(8, 10, 18);
            // Rim: a gold bar along the edge, then a dark groove, then the body.
            const Colour rim = ridgeColour(kGold, -d / kRim, -nx, -ny);
            const Colour inner = mix(body, groove, clamp01(d + kRim + 1.5));
            return mix(inner, rim, clamp01(d + kRim + 0.5));
        });
}

void paintTrays(Canvas& canvas) {
    for (const Tray& held : traysOf(tableButtons(), logoBounds())) {
        const Box tray = toBox(held.rect);
        const auto distance = [&](double px, double py) { return roundBoxDistance(px, py, tray, 7.0); };
        paintArea(
            canvas, boundsOf(tray, 3),
            [&](double px, double py) { return coverFromDistance(distance(px, py)); },
            [&](int x, int y) {
                const double px = x + 0.5;
                const double py = y + 0.5;
                double nx = 0.0;
                double ny = 0.0;
                unitGradient(distance, px, py, nx, ny);
                const double d = distance(px, py);
                const Colour glass =
                    mix(rgb(14, 24, 48), rgb(6, 11, 26), (py - tray.top) / (tray.bottom - tray.top));
                const Colour rim = ridgeColour(kSteel, -d / 1.6, -nx, -ny);
                return mix(rim, glass, clamp01(-d - 1.6 + 0.5));
            });
    }
}

void paintWells(Canvas& canvas) {
    // Where two wells meet, the one painted later lies on top: wells go in the order of their buttons' image
    // ids, the plinth's well last.
    std::vector<ButtonFace> byImage = tableButtons();
    std::stable_sort(byImage.begin(), byImage.end(),
                     [](const ButtonFace& a, const ButtonFace& b) { return a.normalId < b.normalId; });
    for (const ButtonFace& b : byImage) {
        if (b.onPlinth) {
            continue;
        }
        const Box hole = wellHole(b);
        const double radius = wellRadius(b.kind);
        paintWell(canvas, boundsOf(hole, 3),
                  [&](double px, double py) { return roundBoxDistance(px, py, hole, radius); });
    }
    std::vector<const ButtonFace*> plinth;
    for (const ButtonFace& b : tableButtons()) {
        if (b.onPlinth) {
            plinth.push_back(&b);
        }
    }
    if (plinth.empty()) {
        return;
    }
    PixelRect area = wellInk(*plinth.front());
    for (const ButtonFace* face : plinth) {
        area = area.United(wellInk(*face));
    }
    paintWell(canvas, area.Grown(1),
              [&](double px, double py) { return plinthWellDistance(plinth, px, py); });
}
