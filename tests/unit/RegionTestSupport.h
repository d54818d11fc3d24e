// Synthetic skins and region measurements shared by the region tests.
#pragma once

#include "Framework.h"

#include <cstdint>
#include <functional>
#include <vector>

struct PIXEL {
    BYTE red, green, blue, alpha;
};

constexpr PIXEL kMagenta = {255, 0, 255, 255};
constexpr PIXEL kSky = {40, 90, 160, 255};

// A 32-bpp bottom-up DIB section whose pixel (x, y), y counted from the top, is paint(x, y).
CBitmap MakeSkin(int width, int height, const std::function<PIXEL(int, int)>& paint);

// Number of pixels inside the region.
int64_t RegionArea(HRGN region);

// The region of all pixels for which inside(x, y) holds, built one pixel row-run at a time.
CRgn ExpectedRegion(int width, int height, const std::function<bool(int, int)>& inside);

// The first `count` key runs of an 830-pixel-wide checkerboard, one pixel each, 415 a row from the top:
// the worst case for the region builder, 257,300 runs on an 830 x 620 skin.
std::vector<RECT> CheckerboardRuns(int count);

// The rectangles in batches of up to 3,000, each turned into a region by ExtCreateRegion as the builder
// does.
std::vector<CRgn> BatchRegions(const std::vector<RECT>& rects);

// ORs the regions one after the other into the first, one growing region, as the builder did before it
// merged its batches pairwise.
CRgn GrowingUnion(std::vector<CRgn> regions);
