#pragma once

#include <windows.h>

#include "Dc.h"

// Selects a pen, brush, font or bitmap into a DC and puts the previous one back when the scope ends.
// Regions don't fit: selecting one returns a region kind, not the previous object.
class CSelectObjectScope {
public:
    CSelectObjectScope(CDC& dc, HGDIOBJ hObject)
        : m_hDC(dc.GetSafeHdc()), m_hPrevious(dc.SelectObject(hObject)) {}
    ~CSelectObjectScope() {
        if (Succeeded()) {
            ::SelectObject(m_hDC, m_hPrevious);
        }
    }
    CSelectObjectScope(const CSelectObjectScope&) = delete;
    CSelectObjectScope& operator=(const CSelectObjectScope&) = delete;

    bool Succeeded() const { return m_hPrevious != nullptr && m_hPrevious != HGDI_ERROR; }

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};
