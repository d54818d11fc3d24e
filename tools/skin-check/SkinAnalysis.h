// What the launcher will make of a skin: the runs and batches of its window region, the area it keeps,
// and the mistakes an artist cannot see in the picture itself.
#pragma once

#include "BgraImage.h"
#include "RowTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// Per-pixel findings, as bits.
enum PixelMark : std::uint8_t {
    kKeptPixel = 0,
    kCutPixel = 1,         // key colour joined to the skin's edge: cut off the outline
    kHolePixel = 2,        // key colour enclosed by kept pixels: a hole through the window
    kHaloPixel = 4,        // kept, but close to the key colour: shows pink on screen
    kTranslucentPixel = 8, // kept with alpha below 255, which the launcher ignores
};

// Pixels of one kind: how many, and the smallest box holding them all.
struct PixelSpread {
    long long pixels = 0;
    PixelRect bounds{};

    void Add(int x, int y);
};

// A table rectangle, how much of it the window region cuts away, and which other rectangles it overlaps.
struct Placement {
    std::string name;
    PixelRect rect;
    long long cutPixels = 0;
    bool beyondSkin = false;              // reaches past the skin's edge
    std::vector<std::size_t> overlapping; // indexes of the other placements it overlaps
    bool Inside() const { return cutPixels == 0 && !beyondSkin; }
    bool Clear() const { return Inside() && overlapping.empty(); }
};

struct SkinFindings {
    int width = 0;
    int height = 0;
    long long runs = 0;
    long long batches = 0;
    long long cutPixels = 0; // every key pixel, holes included
    long long keptPixels = 0;
    PixelSpread halo;
    PixelSpread translucent;
    std::vector<PixelSpread> holes; // one per enclosed area of key pixels, top to bottom
    std::vector<Placement> placements;
    std::vector<std::uint8_t> marks; // PixelMark bits, row by row from the top
};

// A kept pixel counts as near the key colour when each channel is within this of magenta, or within
// kHaloReachAtCut when it touches a key pixel, where anti-aliasing against magenta leaves its blends.
constexpr int kHaloReach = 96;
constexpr int kHaloReachAtCut = 160;

SkinFindings AnalyseSkin(const BgraImage& skin);

// Records in each placement the others whose rectangles it overlaps.
void MarkOverlaps(std::vector<Placement>& placements);
