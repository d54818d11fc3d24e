#include "LauncherApp.h"

#include "LauncherDlg.h"
#include "SingleInstance.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CLauncherApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CLauncherApp::CLauncherApp() = default;

CLauncherApp::~CLauncherApp() = default;

BOOL CLauncherApp::InitInstance() {
    if (!ClaimSingleInstanceMarker()) {
        return FALSE;
    }

    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CLauncherDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // FALSE: the launcher has no message loop of its own beyond its window's; the program ends here.
    return FALSE;
}
