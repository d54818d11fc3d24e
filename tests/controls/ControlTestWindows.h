// Windows the control tests put their controls on, and ways to wait for what the window manager does.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "Framework.h"
#include "LauncherMessages.h"

// A visible top-level parent that records the messages its controls post to it. WM_CLOSE is recorded,
// not acted on.
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

// Dispatches every message waiting for this thread.
void PumpMessages();
// Pumps messages until done() holds or timeoutMs passes; returns done().
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Makes hWnd the foreground window and waits until the system says it is.
bool BringToForeground(HWND hWnd);

// A window of another thread, standing for another program: while it is in the foreground, the test
// thread has no active window.
class CForeignWindow {
public:
    CForeignWindow();
    ~CForeignWindow();
    CForeignWindow(const CForeignWindow&) = delete;
    CForeignWindow& operator=(const CForeignWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

private:
    static DWORD WINAPI ThreadMain(LPVOID context);

    HANDLE m_hReady = nullptr;
    HANDLE m_hThread = nullptr;
    HWND m_hWnd = nullptr;
};
