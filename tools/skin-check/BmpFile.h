// What the checker needs from a Windows bitmap file: its size and depth from the headers and, for the
// uncompressed 24- and 32-bit pixel arrays that button faces use, how many pixels are the buttons'
// transparent key colour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sides beyond this are refused: a button face is a few hundred pixels at most.
constexpr int kMaxBitmapSide = 16384;

struct BitmapFacts {
    bool readable = false;
    std::string problem; // why not readable
    int width = 0;
    int height = 0;
    int depth = 0; // bits per pixel
    bool pixelsRead = false;
    long long magentaPixels = 0; // exactly red 255, green 0, blue 255; counted when pixelsRead
};

BitmapFacts ReadBitmapFacts(const std::vector<std::uint8_t>& file);
