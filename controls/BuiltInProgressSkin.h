// The progress bar's own skin, for bars given none: nine slices of 10 x 16, a grey track in slices 0, 1,
// 6, 7 and 8 and a glossy blue bar with rounded ends in slices 2 to 5.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kBuiltInSkinWidth = 90;
constexpr int kBuiltInSkinHeight = 16;

// Row by row from the top, each pixel 0x00RRGGBB. No pixel is cyan, so nothing of it is transparent.
std::vector<uint32_t> BuiltInProgressSkinPixels();
