// A decoded picture held in memory: 32-bit pixels, top row first, bytes blue, green, red, alpha.
#pragma once

#include "SkinKeyRuns.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct BgraImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    BgraImage() = default;
    BgraImage(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 4) {}

    std::uint8_t* At(int x, int y) { return &bytes[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const std::uint8_t* At(int x, int y) const {
        return &bytes[(static_cast<std::size_t>(y) * width + x) * 4];
    }
    BgraPixels View() const {
        return BgraPixels{bytes.data(), static_cast<std::ptrdiff_t>(width) * 4, width, height};
    }
};
