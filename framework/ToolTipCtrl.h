#pragma once

#include <windows.h>

#include "Wnd.h"

// A tooltip control. Its window is a popup owned by the top-level window of the one it is created for,
// and goes with it.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    void Activate(BOOL bActivate);
    int SetMaxTipWidth(int iWidth);
    int GetToolCount() const;
    // The tool nIDTool of pWnd, shown over lpRectTool (client coordinates of pWnd).
    BOOL AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool);
    void UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool);
    // Lets the tooltip see a mouse message meant for one of its tools.
    void RelayEvent(LPMSG lpMsg);
};
