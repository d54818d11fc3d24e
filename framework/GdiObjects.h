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

    // FALSE for a null handle or when this already owns one.
    BOOL Attach(Handle hObject) {
        if (hObject == nullptr || m_handle != nullptr) {
            return FALSE;
        }
        m_handle = hObject;
        ++s_liveHandles;
        return TRUE;
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

// A copyable handle holder that never deletes what it holds.
template <typename Handle> class CGdiHandleT {
public:
    CGdiHandleT(Handle hObject = nullptr) : m_handle(hObject) {}
    CGdiHandleT(const CGdiObjectT<Handle>& owner) : m_handle(owner.GetSafeHandle()) {}

    Handle GetSafeHandle() const { return m_handle; }
    operator Handle() const { return m_handle; }

private:
    Handle m_handle;
};

using CBitmapHandle = CGdiHandleT<HBITMAP>;
using CBrushHandle = CGdiHandleT<HBRUSH>;
using CRgnHandle = CGdiHandleT<HRGN>;
