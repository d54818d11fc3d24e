// Gathers rectangles into RGNDATA batches and turns each batch into a region, merging the batches into
// one. The buffer lives in a private heap that exists for one region build only.
#pragma once

#include "RegionBatches.h"
#include "RegionMerge.h"

#include <windows.h>

class CRegionRectBuffer {
public:
    static constexpr DWORD kInitialCapacity = 100;
    static constexpr DWORD kGrowthStep = 100;
    static constexpr DWORD kBatchSize = kRegionBatchSize;

    // heapMaximum 0 lets the heap grow as needed; a bound makes growth fail once it is reached.
    explicit CRegionRectBuffer(SIZE_T heapMaximum = 0);
    ~CRegionRectBuffer();
    CRegionRectBuffer(const CRegionRectBuffer&) = delete;
    CRegionRectBuffer& operator=(const CRegionRectBuffer&) = delete;

    bool IsValid() const { return m_data != nullptr; }

    // False when the buffer had to grow and could not.
    bool Append(const RECT& rect);
    // Turns the current batch, even an empty one, into a region and merges it into the result.
    void Flush();
    // The merged region of every flushed batch; empty if no batch became a region.
    CRgn TakeRegion();

private:
    void ResetBatch();
    DWORD BufferBytes() const { return sizeof(RGNDATAHEADER) + m_capacity * sizeof(RECT); }

    HANDLE m_heap = nullptr;
    RGNDATA* m_data = nullptr;
    DWORD m_capacity = 0;
    CRegionMerge m_batches;
};
