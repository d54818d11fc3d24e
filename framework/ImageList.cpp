#include "ImageList.h"

#include "Dc.h"

CImageList& CImageList::operator=(CImageList&& other) noexcept {
    if (this != &other) {
        DeleteImageList();
        m_hImageList = std::exchange(other.m_hImageList, nullptr);
    }
    return *this;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    DeleteImageList();
    m_hImageList = ::ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    if (m_hImageList == nullptr) {
        return FALSE;
    }
    ++s_liveHandles;
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) {
        return FALSE;
    }
    --s_liveHandles;
    return ::ImageList_Destroy(std::exchange(m_hImageList, nullptr));
}

int CImageList::Add(HBITMAP hBitmap, COLORREF crMask) {
    return ::ImageList_AddMasked(m_hImageList, hBitmap, crMask);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const {
    return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
