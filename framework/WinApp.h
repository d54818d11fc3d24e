#pragma once

#include <windows.h>

#include <string>

#include "CmdTarget.h"
#include "WndBindingMap.h"
#include "WndClassNameStore.h"

class CWnd;

// The application object. The first one constructed is the program's only one, found by AfxGetApp().
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT, then returns ExitInstance().
    virtual int Run();

    // Only remembers the name; nothing is read from or written to the registry.
    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    // The launcher ships no help file, so help requests are accepted and ignored.
    afx_msg void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPCWSTR m_pszAppName = nullptr;
    LPCWSTR m_pszRegistryKey = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend class CWnd;
    template <typename> friend class CPendingBinding;
    friend LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon);
    friend BOOL AfxEnableControlContainer();

    std::wstring m_appName;
    std::wstring m_registryKey;
    CWndClassNameStore m_wndClassNames;
    // Without an application object no window can be bound.
    CWndBindingMap m_windowBindings;
    bool m_oleInitialized = false;
    HHOOK m_hPostedNotificationFilter = nullptr; // drops WM_NOTIFY posted to this thread's windows
};

CWinApp* AfxGetApp();
// Without an application object these fall back to the executable's module.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Empty without an application object.
LPCWSTR AfxGetAppName();
// The running program's file name with its extension and without its folder ("SkyreachLauncher.exe"), the
// name the system and the browser control know it by; empty if the system cannot say.
std::wstring AfxGetExecutableFileName();
// Captioned with the application's name and owned by the main window, else by the active window.
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK);
// Records that ActiveX controls will be hosted and initialises OLE for the thread on first use; the
// application object uninitialises it when it is destroyed.
BOOL AfxEnableControlContainer();
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
