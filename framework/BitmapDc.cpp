#include "BitmapDc.h"

#include <utility>

namespace {

CBitmap CompatibleBitmap(CDC& dc, int nWidth, int nHeight) {
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, nWidth, nHeight);
    return bitmap;
}

} // namespace

CBitmapDC::CBitmapDC(HDC hCompatibleDC, CBitmap bitmap) : CMemoryDC(hCompatibleDC) {
    const HGDIOBJ previous = IsValid() && bitmap.GetSafeHandle() != nullptr ? SelectObject(bitmap) : nullptr;
    if (previous == nullptr || previous == HGDI_ERROR) {
        Release();
        return;
    }
    m_bitmap = std::move(bitmap);
    m_hPreviousBitmap = previous;
}

CBitmapDC::CBitmapDC(CDC& compatibleDC, int nWidth, int nHeight)
    : CBitmapDC(compatibleDC.GetSafeHdc(), CompatibleBitmap(compatibleDC, nWidth, nHeight)) {}

CBitmapDC::~CBitmapDC() {
    Deselect();
}

CBitmapDC::CBitmapDC(CBitmapDC&& other) noexcept
    : CMemoryDC(std::move(other)), m_bitmap(std::move(other.m_bitmap)),
      m_hPreviousBitmap(std::exchange(other.m_hPreviousBitmap, nullptr)) {}

CBitmapDC& CBitmapDC::operator=(CBitmapDC&& other) noexcept {
    if (this != &other) {
        Deselect();
        CMemoryDC::operator=(std::move(other));
        m_bitmap = std::move(other.m_bitmap);
        m_hPreviousBitmap = std::exchange(other.m_hPreviousBitmap, nullptr);
    }
    return *this;
}

CBitmap CBitmapDC::TakeBitmap() {
    Deselect();
    Release();
    return std::move(m_bitmap);
}

void CBitmapDC::Deselect() {
    if (m_hPreviousBitmap != nullptr) {
        SelectObject(std::exchange(m_hPreviousBitmap, nullptr));
    }
}
