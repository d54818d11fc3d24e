#pragma once

#include "PixelRect.h"

#include <cstdint>
#include <vector>

// Final 8-bit RGB pixels, top row first: what the encoders write and what button faces are cut from.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    Bitmap(int w, int h) : width(w), height(h), rgb(std::size_t(w) * std::size_t(h) * 3u, 0u) {}

    const std::uint8_t* pixel(int x, int y) const {
        return &rgb[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3u];
    }
    std::uint8_t* pixel(int x, int y) {
        return &rgb[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3u];
    }

    Bitmap crop(const PixelRect& area) const;
};

// Number of pixels a button would draw transparent.
int countFaceKeyPixels(const Bitmap& image);
