#pragma once

#include <array>
#include <cstddef>

// Channels run 0..255 but stay in double while painting, so stacked layers round only once at the end.
struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {double(r), double(g), double(b)};
}

constexpr double clamp01(double v) {
    return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}

constexpr Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Colour scale(Colour c, double k) {
    return {c.r * k, c.g * k, c.b * k};
}

// Hermite ease between two edges; polynomial only, so every machine gets the same bits.
constexpr double smoothstep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

struct ColourStop {
    double at;
    Colour colour;
};

// Piecewise-linear colour ramp; `stops` must be sorted by position.
template <std::size_t N> constexpr Colour ramp(const std::array<ColourStop, N>& stops, double t) {
    if (t <= stops[0].at)
        return stops[0].colour;
    for (std::size_t i = 1; i < N; ++i) {
        if (t <= stops[i].at) {
            const double span = stops[i].at - stops[i - 1].at;
            return mix(stops[i - 1].colour, stops[i].colour, (t - stops[i - 1].at) / span);
        }
    }
    return stops[N - 1].colour;
}
