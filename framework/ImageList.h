#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

class CDC;

// Owns one image list and destroys it with the object. Like the GDI owners it counts the lists its
// objects hold, for leak checks.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(CImageList&& other) noexcept : m_hImageList(std::exchange(other.m_hImageList, nullptr)) {}
    CImageList& operator=(CImageList&& other) noexcept;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Replaces any list this one holds; FALSE when no new list could be made.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL DeleteImageList();
    // Cuts the bitmap into images of the list's width; pixels of crMask become transparent. The index of
    // the first new image, or -1.
    int Add(HBITMAP hBitmap, COLORREF crMask);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    static int LiveHandleCount() { return s_liveHandles; }

private:
    HIMAGELIST m_hImageList = nullptr;
    static inline int s_liveHandles = 0;
};
