#pragma once

#include <windows.h>

#include "Dc.h"
#include "GdiObjects.h"

// A memory DC with a bitmap of its own selected into it, so that what is drawn into the DC lands in the
// bitmap. The DC's previous bitmap is put back before the bitmap and the DC are deleted, as a bitmap still
// selected into a DC cannot be deleted. Counted as the memory DC and the bitmap it holds. Empty when made
// without a bitmap, or when the DC could not be made or the bitmap not selected.
class CBitmapDC : public CMemoryDC {
public:
    CBitmapDC() = default;
    // A DC compatible with hCompatibleDC (the screen for a null one) that draws into bitmap.
    CBitmapDC(HDC hCompatibleDC, CBitmap bitmap);
    // A DC and a bitmap of nWidth x nHeight, both compatible with compatibleDC.
    CBitmapDC(CDC& compatibleDC, int nWidth, int nHeight);
    ~CBitmapDC();
    CBitmapDC(CBitmapDC&& other) noexcept;
    CBitmapDC& operator=(CBitmapDC&& other) noexcept;

    // Puts the DC's previous bitmap back, deletes the DC and hands the bitmap over, with what was drawn.
    CBitmap TakeBitmap();

private:
    void Deselect();

    CBitmap m_bitmap;
    HGDIOBJ m_hPreviousBitmap = nullptr;
};
