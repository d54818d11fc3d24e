#pragma once

#include "bitmap.h"

#include <cstdint>
#include <vector>

// Encodes an opaque 8-bit RGBA PNG (alpha 255 everywhere). Returns an empty buffer if zlib fails.
std::vector<std::uint8_t> encodePng(const Bitmap& image);
