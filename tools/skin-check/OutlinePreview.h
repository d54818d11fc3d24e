// A picture of what the launcher makes of the skin: the cut area dimmed, the halo, holes and translucent
// pixels in colours that stand out, and the tables' button and pane rectangles outlined.
#pragma once

#include "SkinAnalysis.h"

// Colours of the preview, as red, green, blue.
struct PreviewColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr PreviewColour kHaloColour = {0, 255, 0};
constexpr PreviewColour kHoleColour = {255, 230, 0};
constexpr PreviewColour kTranslucentColour = {0, 255, 255};
constexpr PreviewColour kInsideRectColour = {255, 255, 255};
constexpr PreviewColour kCutRectColour = {255, 40, 40};

BgraImage MakeOutlinePreview(const BgraImage& skin, const SkinFindings& findings);
