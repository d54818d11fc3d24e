// A parent for the controls under test, and a bounded wait for what the window manager does.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "Framework.h"
#include "LauncherMessages.h"

// A visible top-level window that records what its controls post to it; WM_CLOSE is recorded, not obeyed.
class CTestParent : public CWnd {
public:
    BOOL Create(const CRect& screenRect);
    std::vector<std::pair<UINT, WPARAM>> m_posted;

protected:
    LRESULT OnSelected(WPARAM wParam, LPARAM) { return Record(LM_SELECTED, wParam); }
    LRESULT OnStart(WPARAM wParam, LPARAM) { return Record(LM_START, wParam); }
    LRESULT OnClose(WPARAM wParam, LPARAM) { return Record(WM_CLOSE, wParam); }
    LRESULT Record(UINT message, WPARAM wParam) {
        m_posted.emplace_back(message, wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

// The window's rectangle in its parent's client coordinates.
CRect RectInParent(HWND window);

void PumpMessages();
// Pumps messages until done() holds or the time passes; returns done().
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
