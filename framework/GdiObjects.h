#pragma once

#include <windows.h>

#include <utility>

class CDC;

// Owns one GDI object and deletes it with DeleteObject. Each handle type keeps a count of the handles its
// owners hold, for leak checks.
template <typename Handle> class CGdiObjectT {
public:
    CGdiObjectT() = default;
    CGdiObjectT(CGdiObjectT&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CGdiObjectT& operator=(CGdiObjectT&& other) noexcept {
        if (this != &other) {
            DeleteObject();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;

    // Takes over a handle the caller owns, deleting the one this held; FALSE for a null handle, which
    // leaves this empty.
    BOOL Attach(Handle hObject) {
        if (hObject != m_handle) {
            DeleteObject();
            m_handle = hObject;
            if (m_handle != nullptr) {
                ++s_liveHandles;
            }
        }
        return m_handle != nullptr;
    }
    // Hands the handle over to the caller, who deletes it.
    Handle Detach() {
        if (m_handle != nullptr) {
            --s_liveHandles;
        }
        return std::exchange(m_handle, nullptr);
    }
    BOOL DeleteObject() {
        if (m_handle == nullptr) {
            return FALSE;
        }
        --s_liveHandles;
        return ::DeleteObject(std::exchange(m_handle, nullptr));
    }

    Handle GetSafeHandle() const { return m_handle; }
    operator Handle() const { return m_handle; }
    static int LiveHandleCount() { return s_liveHandles; }

protected:
    ~CGdiObjectT() { DeleteObject(); }

private:
    Handle m_handle = nullptr;
    static inline int s_liveHandles = 0;
};

class CBitmap : public CGdiObjectT<HBITMAP> {
public:
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
    // From the application's resource module.
    BOOL LoadBitmap(UINT nIDResource);
    int GetBitmap(BITMAP* pBitMap) const;
};

class CBrush : public CGdiObjectT<HBRUSH> {
public:
    BOOL CreateSolidBrush(COLORREF crColor);
};

class CRgn : public CGdiObjectT<HRGN> {
public:
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
};
