#include "RegionRectBuffer.h"

#include <climits>
#include <utility>

namespace {

SIZE_T PageSize() {
    SYSTEM_INFO info = {};
    ::GetSystemInfo(&info);
    return info.dwPageSize;
}

} // namespace

CRegionRectBuffer::CRegionRectBuffer(SIZE_T heapMaximum) {
    // Without HEAP_GENERATE_EXCEPTIONS: running out of memory is a null result, not a crash.
    m_heap = ::HeapCreate(0, PageSize(), heapMaximum);
    if (m_heap == nullptr) {
        return;
    }
    m_capacity = kInitialCapacity;
    m_data = static_cast<RGNDATA*>(::HeapAlloc(m_heap, HEAP_ZERO_MEMORY, BufferBytes()));
    if (m_data == nullptr) {
        m_capacity = 0;
        return;
    }
    m_data->rdh.dwSize = sizeof(RGNDATAHEADER);
    m_data->rdh.iType = RDH_RECTANGLES;
    ResetBatch();
}

CRegionRectBuffer::~CRegionRectBuffer() {
    if (m_data != nullptr) {
        ::HeapFree(m_heap, HEAP_NO_SERIALIZE, m_data);
    }
    if (m_heap != nullptr) {
        ::HeapDestroy(m_heap);
    }
}

void CRegionRectBuffer::ResetBatch() {
    m_data->rdh.nCount = 0;
    m_data->rdh.nRgnSize = 0;
    ::SetRect(&m_data->rdh.rcBound, INT_MAX, INT_MAX, 0, 0);
}

bool CRegionRectBuffer::Append(const RECT& rect) {
    if (m_data->rdh.nCount == m_capacity) {
        const DWORD grownCapacity = m_capacity + kGrowthStep;
        const SIZE_T grownBytes = sizeof(RGNDATAHEADER) + grownCapacity * sizeof(RECT);
        void* grown = ::HeapReAlloc(m_heap, HEAP_ZERO_MEMORY, m_data, grownBytes);
        if (grown == nullptr) {
            return false;
        }
        m_data = static_cast<RGNDATA*>(grown);
        m_capacity = grownCapacity;
    }

    RECT* rects = reinterpret_cast<RECT*>(m_data->Buffer);
    rects[m_data->rdh.nCount++] = rect;
    RECT& bound = m_data->rdh.rcBound;
    bound.left = rect.left < bound.left ? rect.left : bound.left;
    bound.top = rect.top < bound.top ? rect.top : bound.top;
    bound.right = rect.right > bound.right ? rect.right : bound.right;
    bound.bottom = rect.bottom > bound.bottom ? rect.bottom : bound.bottom;

    if (m_data->rdh.nCount == kBatchSize) {
        Flush();
    }
    return true;
}

void CRegionRectBuffer::Flush() {
    CRgn batch;
    batch.Attach(::ExtCreateRegion(nullptr, BufferBytes(), m_data));
    ResetBatch();
    // A batch that did not become a region is left out: its pixels stay inside the window.
    if (batch.GetSafeHandle() != nullptr) {
        m_batches.Add(std::move(batch));
    }
}

CRgn CRegionRectBuffer::TakeRegion() {
    return m_batches.Take();
}
