#include "Dc.h"

#include <utility>

#include "Wnd.h"

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    return ::SelectObject(m_hDC, hObject);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

int CDC::SetStretchBltMode(int nStretchMode) {
    return ::SetStretchBltMode(m_hDC, nStretchMode);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return ::SetBkColor(m_hDC, crColor);
}

int CDC::SetBkMode(int nBkMode) {
    return ::SetBkMode(m_hDC, nBkMode);
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return ::SetTextColor(m_hDC, crColor);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF crColor) {
    // An opaque ExtTextOut without text fills with the background colour and needs no brush.
    const COLORREF previous = ::SetBkColor(m_hDC, crColor);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF crTopLeft, COLORREF crBottomRight) {
    FillSolidRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, crTopLeft);
    FillSolidRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, crTopLeft);
    FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, crBottomRight);
    FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, crBottomRight);
}

int CDC::DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

int CDC::GetDeviceCaps(int nIndex) const {
    return ::GetDeviceCaps(m_hDC, nIndex);
}

int CMemoryDC::s_liveHandles = 0;

CMemoryDC::CMemoryDC(HDC hCompatibleDC) : CDC(::CreateCompatibleDC(hCompatibleDC)) {
    if (m_hDC != nullptr) {
        ++s_liveHandles;
    }
}

CMemoryDC::~CMemoryDC() {
    Release();
}

CMemoryDC::CMemoryDC(CMemoryDC&& other) noexcept : CDC(std::exchange(other.m_hDC, nullptr)) {}

CMemoryDC& CMemoryDC::operator=(CMemoryDC&& other) noexcept {
    if (this != &other) {
        Release();
        m_hDC = std::exchange(other.m_hDC, nullptr);
    }
    return *this;
}

void CMemoryDC::Release() {
    if (m_hDC != nullptr) {
        ::DeleteDC(std::exchange(m_hDC, nullptr));
        --s_liveHandles;
    }
}

int CPaintDC::s_liveHandles = 0;

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
    if (m_hDC != nullptr) {
        ++s_liveHandles;
    }
}

CPaintDC::~CPaintDC() {
    Release();
}

CPaintDC::CPaintDC(CPaintDC&& other) noexcept
    : CDC(std::exchange(other.m_hDC, nullptr)), m_ps(other.m_ps),
      m_hWnd(std::exchange(other.m_hWnd, nullptr)) {}

CPaintDC& CPaintDC::operator=(CPaintDC&& other) noexcept {
    if (this != &other) {
        Release();
        m_hDC = std::exchange(other.m_hDC, nullptr);
        m_ps = other.m_ps;
        m_hWnd = std::exchange(other.m_hWnd, nullptr);
    }
    return *this;
}

void CPaintDC::Release() {
    if (m_hDC != nullptr) {
        ::EndPaint(m_hWnd, &m_ps);
        m_hDC = nullptr;
        --s_liveHandles;
    }
}

int CClientDC::s_liveHandles = 0;

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->GetSafeHwnd() : nullptr) {
    m_hDC = ::GetDC(m_hWnd);
    if (m_hDC != nullptr) {
        ++s_liveHandles;
    }
}

CClientDC::~CClientDC() {
    Release();
}

CClientDC::CClientDC(CClientDC&& other) noexcept
    : CDC(std::exchange(other.m_hDC, nullptr)), m_hWnd(std::exchange(other.m_hWnd, nullptr)) {}

CClientDC& CClientDC::operator=(CClientDC&& other) noexcept {
    if (this != &other) {
        Release();
        m_hDC = std::exchange(other.m_hDC, nullptr);
        m_hWnd = std::exchange(other.m_hWnd, nullptr);
    }
    return *this;
}

void CClientDC::Release() {
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, std::exchange(m_hDC, nullptr));
        --s_liveHandles;
    }
}
