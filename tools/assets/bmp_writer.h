#pragma once

#include "bitmap.h"

#include <cstdint>
#include <vector>

// 32-bit BI_RGB Windows bitmap, bottom-up, fourth byte of each pixel zero.
std::vector<std::uint8_t> encodeBmp(const Bitmap& image);

// Icon file holding this one 24-bit image (classic bitmap form, fully opaque mask).
std::vector<std::uint8_t> encodeIco(const Bitmap& image);
