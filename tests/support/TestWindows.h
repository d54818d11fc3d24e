// Windows for the framework's and the controls' tests to work in, what they show, and a bounded wait for
// what the window manager does.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "Framework.h"
#include "LauncherMessages.h"

inline const CRect kSmallRect(0, 0, 120, 80);

// A window of a plain class (not the framework's) whose procedure answers each application message with
// ProbeAnswer(message, wParam), so tests can see what reached the default procedure.
HWND CreateProbeWindow();
LRESULT ProbeAnswer(UINT message, WPARAM wParam);

// A hidden top-level popup of a class registered with AfxRegisterWndClass.
BOOL CreateFrameworkPopup(CWnd& wnd);

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

// What a window shows, row by row from the top, 0x00RRGGBB.
struct Capture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    COLORREF ColourAt(int x, int y) const {
        const std::uint32_t pixel = At(x, y);
        return RGB(pixel >> 16, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
};
// The window's client area once its pending paints are done.
Capture CaptureWindow(HWND window);

void PumpMessages();
// Pumps messages until done() holds or the time passes; returns done().
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
