// Skins and button bitmaps made for the checker's tests, and where the tests keep their files.
#pragma once

#include "BgraImage.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Pixel {
    std::uint8_t red, green, blue, alpha;
};

constexpr Pixel kMagenta = {255, 0, 255, 255};
constexpr Pixel kSky = {40, 90, 160, 255};

BgraImage PaintImage(int width, int height, const std::function<Pixel(int, int)>& paint);
void SetPixel(BgraImage& image, int x, int y, const Pixel& pixel);

// The launcher's own skin, decoded.
BgraImage ShippedSkin();
std::string ShippedResources();

// A fresh, empty folder for one test.
std::string ScratchFolder(const std::string& name);

// A bitmap file of `depth` 24 or 32 bits per pixel, BI_RGB, bottom-up unless topDown.
std::vector<std::uint8_t> BitmapFile(int width, int height, int depth, bool topDown,
                                     const std::function<Pixel(int, int)>& paint);

void WritePng(const std::string& path, const BgraImage& image);
// Copies the launcher's button bitmaps into the folder.
void CopyShippedBitmaps(const std::string& folder);
