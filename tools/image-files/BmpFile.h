// Windows bitmap files, one layout for reading and writing. The skin checker reads a file's size and depth
// from its headers and, for the uncompressed 24- and 32-bit pixel arrays that button faces use, counts the
// pixels of the buttons' transparent key colour; the asset generator writes the faces and the icon.
#pragma once

#include "BgraImage.h"

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

// A 32-bit BI_RGB bitmap, bottom-up, the fourth byte of each pixel zero: what the launcher's faces are.
std::vector<std::uint8_t> EncodeBmp32(const BgraImage& image);

// An icon file holding this one image at 24 bits (classic bitmap form, fully opaque mask); at most 255 x 255.
std::vector<std::uint8_t> EncodeIco24(const BgraImage& image);
