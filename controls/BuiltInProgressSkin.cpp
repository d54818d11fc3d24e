#include "BuiltInProgressSkin.h"

namespace {

constexpr int kSlice = kBuiltInSkinWidth / 9;
constexpr int kBarLeft = 2 * kSlice;  // slice 2, the rounded start
constexpr int kBarRight = 6 * kSlice; // past slice 5, the rounded end

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r << 16 | g << 8 | b;
}

constexpr uint32_t Grey(uint32_t level) {
    return Rgb(level, level, level);
}

// The track darkens toward its top edge, as if sunk into the window.
constexpr uint32_t kTrack[kBuiltInSkinHeight] = {0xBD, 0xC3, 0xCD, 0xD5, 0xDD, 0xE4, 0xED, 0xEF,
                                                 0xF0, 0xF1, 0xF1, 0xF2, 0xF2, 0xEE, 0xE9, 0xE4};
constexpr uint32_t kBorder = Rgb(0, 51, 177);
constexpr uint32_t kShadow = Grey(0x9C);
// The bar's inside from row 2 to row 12: a light gloss on top of a deeper blue.
constexpr uint32_t kBody[11] = {Rgb(120, 200, 255), Rgb(159, 230, 255), Rgb(159, 230, 255),
                                Rgb(159, 230, 255), Rgb(159, 230, 255), Rgb(120, 200, 250),
                                Rgb(70, 150, 240),  Rgb(60, 140, 235),  Rgb(50, 125, 228),
                                Rgb(35, 105, 218),  Rgb(30, 100, 215)};

// Distance of column x from the nearer end of the bar: 0 at its outermost columns.
int FromEnd(int x) {
    const int fromLeft = x - kBarLeft;
    const int fromRight = kBarRight - 1 - x;
    return fromLeft < fromRight ? fromLeft : fromRight;
}

uint32_t BarPixel(int x, int y) {
    const int edge = FromEnd(x);
    if (y == 0 || y == kBuiltInSkinHeight - 1) {
        return Grey(kTrack[y]);
    }
    if (y == kBuiltInSkinHeight - 2) {
        return edge == 0 ? Grey(kTrack[y]) : kShadow;
    }
    // Rounded ends: the corners of the outer two columns belong to the track.
    const bool corner = (edge == 0 && (y <= 2 || y >= 12)) || (edge == 1 && (y == 1 || y == 13));
    if (corner) {
        return Grey(kTrack[y]);
    }
    if (y == 1 || y == 13 || edge <= 1) {
        return kBorder;
    }
    return kBody[y - 2];
}

} // namespace

std::vector<uint32_t> BuiltInProgressSkinPixels() {
    std::vector<uint32_t> pixels(kBuiltInSkinWidth * kBuiltInSkinHeight);
    for (int y = 0; y < kBuiltInSkinHeight; ++y) {
        for (int x = 0; x < kBuiltInSkinWidth; ++x) {
            const bool bar = x >= kBarLeft && x < kBarRight;
            pixels[y * kBuiltInSkinWidth + x] = bar ? BarPixel(x, y) : Grey(kTrack[y]);
        }
    }
    return pixels;
}
