// ORs many regions into one by merging them pairwise, like the carries of a binary counter: each region
// is combined only with one of about its own size, so the work stays near n log n instead of growing
// with the square of the number of regions, as OR-ing each into one growing region does.
#pragma once

#include "Framework.h"

class CRegionMerge {
public:
    void Add(CRgn region);
    // The union of everything added; empty if nothing was.
    CRgn Take();

private:
    // Level n holds the union of 2^n added regions; 32 levels hold more regions than can be counted.
    static constexpr int kLevels = 32;
    CRgn m_levels[kLevels];
};
