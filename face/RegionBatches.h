// How the region builder splits its rectangles into ExtCreateRegion calls; host tools report the same
// count.
#pragma once

// No ExtCreateRegion call is handed more rectangles than this.
constexpr long long kRegionBatchSize = 3000;

// One call per full batch during the scan, and one more at the end for what is left, even nothing.
constexpr long long RegionBatchCount(long long rectangles) {
    return rectangles / kRegionBatchSize + 1;
}
