#include "frames.h"

#include "metal.h"

#include <array>

namespace {

// Bands measured inwards from the window's edge.
constexpr double kRimEnd = 1.1;
constexpr double kRidgeEnd = 5.1;
constexpr double kHairlineEnd = 6.1;
constexpr double kGrooveEnd = kWindowFrameDepth;
constexpr double kShadowEnd = 11.5;

// Bands measured outwards from the pane's edge.
constexpr double kPaneLip = 1.0;
constexpr double kPaneRidgeEnd = 4.6;
constexpr double kPaneOuterLine = 5.6;
constexpr double kPaneShadowEnd = 10.0;

constexpr double cover(double limit, double d) {
    return clamp01(limit - d + 0.5);
}

// The panel darkens downwards, most of it in its upper half: its middle stop lies 243 rows into 464.
Colour paneFill(const PixelRect& pane, int y) {
    const double top = pane.top;
    const double bottom = pane.bottom;
    const std::array<ColourStop, 3> panel{{{top, rgb(17, 26, 44)},
                                           {top + (bottom - top) * 243.0 / 464.0, rgb(13, 20, 35)},
                                           {bottom, rgb(10, 15, 27)}}};
    return ramp(panel, y + 0.5);
}

} // namespace

void paintWindowFrame(Canvas& canvas, const Outline& outline) {
    const std::vector<double> field = edgeDistances(outline, kShadowEnd + 1.0);
    const auto d = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= kSkinWidth || y >= kSkinHeight)
            return 0.0;
        return field[std::size_t(y) * kSkinWidth + std::size_t(x)];
    };
    for (int y = 0; y < kSkinHeight; ++y) {
        for (int x = 0; x < kSkinWidth; ++x) {
            const double here = d(x, y);
            if (here <= 0.0 || here > kShadowEnd + 0.5)
                continue;
            const double gx = d(x + 1, y) - d(x - 1, y);
            const double gy = d(x, y + 1) - d(x, y - 1);
            const double length = sqrtOf(gx * gx + gy * gy);
            const double nx = length > 0.0 ? gx / length : 0.0;
            const double ny = length > 0.0 ? gy / length : 0.0;

            canvas.blend(x, y, rgb(3, 5, 12), 0.55 * (1.0 - smoothstep(kGrooveEnd, kShadowEnd, here)));
            canvas.blend(x, y, rgb(8, 11, 22), cover(kGrooveEnd, here));
            canvas.blend(x, y, ridgeColour(kGold, 0.5, nx, ny), cover(kHairlineEnd, here));
            const double across = (here - kRimEnd) / (kRidgeEnd - kRimEnd);
            canvas.blend(x, y, ridgeColour(kSteel, across, nx, ny), cover(kRidgeEnd, here));
            canvas.blend(x, y, rgb(4, 6, 14), cover(kRimEnd, here));
        }
    }
}

void paintPaneFrame(Canvas& canvas) {
    const Box pane = toBox(noticePane());
    const auto distance = [&](double px, double py) { return roundBoxDistance(px, py, pane, 0.0); };
    const PixelRect area = noticePane().Grown(int(kPaneShadowEnd) + 1);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double here = distance(px, py);
            double nx = 0.0;
            double ny = 0.0;
            unitGradient(distance, px, py, nx, ny);

            canvas.blend(x, y, rgb(3, 5, 12), 0.5 * (1.0 - smoothstep(kPaneOuterLine, kPaneShadowEnd, here)));
            canvas.blend(x, y, rgb(10, 8, 6), cover(kPaneOuterLine, here));
            // `across` grows towards the pane, against the outward gradient.
            const double across = (kPaneRidgeEnd - here) / (kPaneRidgeEnd - kPaneLip);
            canvas.blend(x, y, ridgeColour(kGold, across, -nx, -ny), cover(kPaneRidgeEnd, here));
            canvas.blend(x, y, rgb(4, 6, 12), cover(kPaneLip, here));
            // A soft inner shadow keeps the empty panel from looking flat before the page arrives.
            const double inner = smoothstep(-9.0, 0.0, here);
            canvas.blend(x, y, mix(paneFill(noticePane(), y), rgb(5, 8, 15), inner * 0.8), cover(0.0, here));
        }
    }
}

PixelRect paneFrameBounds(const PixelRect& pane) {
    // The outer line covers pixels whose centres lie within kPaneOuterLine + 0.5 of the pane.
    return pane.Grown(int(kPaneOuterLine + 0.5));
}
