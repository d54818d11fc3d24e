// PNG files through libpng: skins decoded to 8 bits per channel, not premultiplied, as the launcher's
// decoder gives them; the generated skin and the checker's previews encoded.
#pragma once

#include "BgraImage.h"

#include <cstdint>
#include <string>
#include <vector>

// Larger pictures are refused instead of decoded; a launcher skin is a small fraction of this.
constexpr long long kMaxPngPixels = 4096LL * 4096;

struct PngDecoding {
    bool decoded = false;
    bool sixteenBit = false;
    std::string format;  // "8-bit RGBA", "16-bit RGB", "palette", ...
    std::string problem; // why it did not decode
};

// Pictures of more than maxPixels are refused.
PngDecoding DecodePng(const std::vector<std::uint8_t>& file, BgraImage& image,
                      long long maxPixels = kMaxPngPixels);

// Empty when the picture cannot be encoded.
std::vector<std::uint8_t> EncodePng(const BgraImage& image);
