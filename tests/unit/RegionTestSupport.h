// Synthetic skins and region measurements shared by the region tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

struct PIXEL {
    BYTE red, green, blue, alpha;
};

constexpr PIXEL kMagenta = {255, 0, 255, 255};
constexpr PIXEL kSky = {40, 90, 160, 255};

// A 32-bpp bottom-up DIB section whose pixel (x, y), y counted from the top, is paint(x, y).
HBITMAP MakeSkin(int width, int height, const std::function<PIXEL(int, int)>& paint);

// Number of pixels inside the region.
int64_t RegionArea(HRGN region);

// The region of all pixels for which inside(x, y) holds, built one pixel row-run at a time.
HRGN ExpectedRegion(int width, int height, const std::function<bool(int, int)>& inside);
