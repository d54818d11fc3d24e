#include "metal.h"

#include <array>

namespace {

// Unit vector towards the light, in screen space (y down): upper left.
constexpr double kLightX = -0.6;
constexpr double kLightY = -0.8;

Colour lit(const Metal& metal, double facing) {
    const std::array<ColourStop, 5> stops{{{-1.0, metal.shadow},
                                           {-0.2, metal.base},
                                           {0.35, metal.light},
                                           {0.8, metal.shine},
                                           {1.0, metal.shine}}};
    return ramp(stops, facing);
}

} // namespace

Colour ridgeColour(const Metal& metal, double across, double nx, double ny) {
    // Surface tilt of a round bar: facing back at the start, flat on top, facing forward at the end.
    const double tilt = (clamp01(across) - 0.5) * 2.0;
    return lit(metal, tilt * (nx * kLightX + ny * kLightY));
}

Colour hollowColour(const Metal& metal, double across, double nx, double ny) {
    const double tilt = (clamp01(across) - 0.5) * 2.0;
    return lit(metal, -tilt * (nx * kLightX + ny * kLightY));
}
