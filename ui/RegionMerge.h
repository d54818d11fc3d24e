// ORs many regions into one by merging them pairwise, like the carries of a binary counter: each region
// is combined only with one of about its own size, so the work stays near n log n instead of growing
// with the square of the number of regions, as OR-ing each into one growing region does.
#pragma once

#include <windows.h>

class CRegionMerge {
public:
    CRegionMerge() = default;
    ~CRegionMerge();
    CRegionMerge(const CRegionMerge&) = delete;
    CRegionMerge& operator=(const CRegionMerge&) = delete;

    // Takes ownership of the region.
    void Add(HRGN region);
    // The union of everything added (null if nothing was); the caller owns it.
    HRGN Take();

private:
    // Level n holds the union of 2^n added regions; 32 levels hold more regions than can be counted.
    static constexpr int kLevels = 32;
    HRGN m_levels[kLevels] = {};
};
