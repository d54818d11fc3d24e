#pragma once

#include <windows.h>

#include <type_traits>

class CWnd;

// A view of a device context: it draws with the handle but never releases it.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    HGDIOBJ SelectObject(HGDIOBJ hObject);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    int SetStretchBltMode(int nStretchMode);
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);
    COLORREF SetTextColor(COLORREF crColor);
    // Leaves the background colour as it was.
    void FillSolidRect(const RECT& rect, COLORREF crColor);
    // A one-pixel frame just inside rect: top and left edges in crTopLeft, right and bottom in crBottomRight.
    void Draw3dRect(const RECT& rect, COLORREF crTopLeft, COLORREF crBottomRight);
    int DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    int GetDeviceCaps(int nIndex) const;
};

// A memory DC compatible with the given DC, or with the screen for a null one; deleted with the object.
class CMemoryDC : public CDC {
public:
    CMemoryDC() = default;
    explicit CMemoryDC(HDC hCompatibleDC);
    // CMemoryDC dc(otherDc) makes a DC compatible with otherDc; without this the deleted copy constructor
    // would be chosen for a CMemoryDC argument.
    template <typename Dc, typename = std::enable_if_t<std::is_base_of_v<CDC, Dc>>>
    explicit CMemoryDC(Dc& compatibleDC) : CMemoryDC(compatibleDC.GetSafeHdc()) {}
    ~CMemoryDC();
    CMemoryDC(CMemoryDC&& other) noexcept;
    CMemoryDC& operator=(CMemoryDC&& other) noexcept;
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    bool IsValid() const { return m_hDC != nullptr; }
    static int LiveHandleCount() { return s_liveHandles; }

protected:
    // Deletes the DC, leaving this empty.
    void Release();

private:
    static int s_liveHandles;
};

// BeginPaint/EndPaint around a WM_PAINT handler.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(CPaintDC&& other) noexcept;
    CPaintDC& operator=(CPaintDC&& other) noexcept;
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps = {};
    static int LiveHandleCount() { return s_liveHandles; }

private:
    void Release();

    HWND m_hWnd = nullptr;
    static int s_liveHandles;
};

// The client-area DC of a window (of the screen for a null window), released with the object.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC();
    CClientDC(CClientDC&& other) noexcept;
    CClientDC& operator=(CClientDC&& other) noexcept;
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    static int LiveHandleCount() { return s_liveHandles; }

private:
    void Release();

    HWND m_hWnd = nullptr;
    static int s_liveHandles;
};
