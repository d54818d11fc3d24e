#include "scenery.h"

#include "noise.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr std::uint32_t kCloudSeed = 7;
constexpr std::uint32_t kRidgeSeed = 11;
constexpr std::uint64_t kStarSeed = 0x5EEDu;
constexpr double kSunX = 415.0;
constexpr double kSkinFoot = 640.0; // where the mountains would meet the ground, below the window

Colour skyAt(double x, double y) {
    static constexpr std::array<ColourStop, 7> kSky{{{0.0, rgb(7, 13, 32)},
                                                     {60.0, rgb(13, 25, 56)},
                                                     {300.0, rgb(30, 52, 100)},
                                                     {505.0, rgb(66, 74, 128)},
                                                     {548.0, rgb(150, 100, 124)},
                                                     {585.0, rgb(228, 140, 92)},
                                                     {620.0, rgb(252, 194, 118)}}};
    // The sun is just below the horizon behind the start button. Away from it the low sky stays cooler, as
    // if the same gradient were stretched downwards.
    const double dx = (x - kSunX) / 420.0;
    const double nearSun = clamp01(1.4 * smoothstep(500.0, 620.0, y) * (1.0 - 0.45 * dx * dx));
    const Colour cool = ramp(kSky, 505.0 + (y - 505.0) * 0.55);
    return mix(cool, ramp(kSky, y), nearSun);
}

void paintStars(Canvas& canvas) {
    Prng rng(kStarSeed);
    for (int i = 0; i < 90; ++i) {
        const double cx = rng.between(10.0, 820.0);
        const double cy = rng.between(4.0, 50.0);
        const double size = rng.between(0.5, 1.3);
        const double strength = rng.between(0.25, 0.9) * (1.0 - cy / 70.0);
        const Colour tint = mix(rgb(206, 222, 255), rgb(255, 236, 200), rng.unit());
        const PixelRect area{int(cx) - 3, int(cy) - 3, int(cx) + 4, int(cy) + 4};
        paintArea(
            canvas, area,
            [&](double px, double py) {
                const double d2 = ((px - cx) * (px - cx) + (py - cy) * (py - cy)) / (size * size * 4.0);
                const double falloff = d2 < 1.0 ? (1.0 - d2) * (1.0 - d2) : 0.0;
                return falloff * strength;
            },
            [&](int, int) { return tint; });
    }
}

void paintClouds(Canvas& canvas) {
    const PixelRect header{0, 0, canvas.width(), 60};
    paintArea(
        canvas, header,
        [](double px, double py) {
            const double n = fractalNoise(px / 110.0, py / 16.0, 4, kCloudSeed);
            return smoothstep(0.52, 0.78, n) * 0.22;
        },
        [](int, int y) { return mix(rgb(70, 96, 150), rgb(40, 58, 104), y / 60.0); });
}

struct Peak {
    double x;
    double top;       // y of the summit
    double leftSlope; // px of drop per px sideways
    double rightSlope;
};

struct RangeShape {
    double minTop; // summit y is drawn from [minTop, maxTop]
    double maxTop;
    double minSlope;
    double maxSlope;
    double minGap; // spacing between summits
    double maxGap;
    double roughness; // px of ridge jitter
    std::uint32_t seed;
};

struct RangeColours {
    Colour shade; // face turned from the sun
    Colour lit;   // face turned to the sun
    Colour snow;
    Colour snowShade;
    double snowDepth;
    double haze; // how far the foot of the range dissolves into the glow
};

struct Range {
    RangeShape shape;
    RangeColours colours;
};

std::vector<Peak> raisePeaks(const Range& range, double width) {
    Prng rng(range.shape.seed);
    std::vector<Peak> peaks;
    for (double x = rng.between(-20.0, 20.0); x < width + 60.0;
         x += rng.between(range.shape.minGap, range.shape.maxGap)) {
        peaks.push_back({x, rng.between(range.shape.minTop, range.shape.maxTop),
                         rng.between(range.shape.minSlope, range.shape.maxSlope),
                         rng.between(range.shape.minSlope, range.shape.maxSlope)});
    }
    return peaks;
}

const Peak& summitOf(const std::vector<Peak>& peaks, const Range& range, double x, double& ridge) {
    const Peak* best = &peaks[0];
    ridge = 1e9;
    for (const Peak& p : peaks) {
        const double y = p.top + (x < p.x ? p.leftSlope : p.rightSlope) * std::fabs(x - p.x);
        if (y < ridge) {
            ridge = y;
            best = &p;
        }
    }
    // Broad wander plus a ridged fine term for broken, rocky crests.
    const double broad = fractalNoise(x / 22.0, 0.5, 3, range.shape.seed) - 0.5;
    const double fine = std::fabs(fractalNoise(x / 6.0, 3.5, 3, range.shape.seed + 1u) - 0.5);
    ridge += (broad + fine * 0.8) * range.shape.roughness;
    return *best;
}

void paintRange(Canvas& canvas, const Range& range) {
    constexpr int kSamples = 4;
    constexpr int kTop = 520;
    const std::vector<Peak> peaks = raisePeaks(range, canvas.width());
    for (int x = 0; x < canvas.width(); ++x) {
        double ridges[kSamples];
        const Peak* summits[kSamples];
        for (int s = 0; s < kSamples; ++s)
            summits[s] = &summitOf(peaks, range, x + (s + 0.5) / kSamples, ridges[s]);
        const Peak& peak = *summits[kSamples / 2];
        const double ridge = ridges[kSamples / 2];
        const double towardsSun = kSunX > peak.x ? 1.0 : -1.0;
        for (int y = kTop; y < canvas.height(); ++y) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx)
                    inside += (y + (sy + 0.5) / kSamples) > ridges[sx];
            }
            if (inside == 0)
                continue;
            const double py = y + 0.5;
            const double depth = py - ridge;
            // The arete between the two faces leans away from the sun and wanders a little.
            const double arete = peak.x - towardsSun * (py - peak.top) * 0.3 +
                                 (fractalNoise(py / 7.0, peak.x, 2, range.shape.seed + 2u) - 0.5) * 8.0;
            const double sunSide = smoothstep(-0.8, 0.8, (x + 0.5 - arete) * towardsSun);
            const double gully =
                fractalNoise((x + 0.5) / 3.0 + py * 0.25 * towardsSun, py / 24.0, 3, range.shape.seed + 3u);
            Colour c = scale(mix(range.colours.shade, range.colours.lit, sunSide), 0.9 + 0.16 * gully);
            const double altitude = smoothstep(peak.top + 34.0, peak.top, py);
            const double snowLine = range.colours.snowDepth * (0.3 + gully) * altitude;
            const double snow = 1.0 - smoothstep(snowLine - 1.0, snowLine + 1.0, depth);
            c = mix(c, mix(range.colours.snowShade, range.colours.snow, sunSide), snow);
            c = mix(c, skyAt(x + 0.5, py), range.colours.haze * smoothstep(peak.top, kSkinFoot, py));
            canvas.blend(x, y, c, inside / double(kSamples * kSamples));
        }
    }
}

} // namespace

void paintSky(Canvas& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x)
            canvas.at(x, y) = skyAt(x + 0.5, y + 0.5);
    }
    paintClouds(canvas);
    paintStars(canvas);
}

void paintMountains(Canvas& canvas) {
    // Back to front; each nearer range darker and less hazy.
    constexpr Range kRanges[] = {
        {{542, 558, 0.3, 0.55, 40, 70, 4.0, kRidgeSeed},
         {rgb(124, 112, 160), rgb(182, 138, 156), rgb(226, 210, 224), rgb(170, 162, 198), 4.0, 0.7}},
        {{556, 574, 0.45, 0.8, 50, 84, 6.0, kRidgeSeed + 10u},
         {rgb(46, 50, 90), rgb(128, 86, 102), rgb(242, 226, 228), rgb(126, 136, 184), 7.0, 0.3}},
        {{570, 592, 0.6, 1.0, 64, 104, 8.0, kRidgeSeed + 20u},
         {rgb(12, 16, 34), rgb(66, 44, 58), rgb(248, 238, 236), rgb(98, 110, 160), 9.0, 0.1}},
    };
    for (const Range& range : kRanges)
        paintRange(canvas, range);
}
