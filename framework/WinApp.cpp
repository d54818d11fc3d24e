#include "WinApp.h"

#include <ole2.h>

#include "SystemLibrary.h"
#include "Wnd.h"

namespace {

// The program's application object: the one global the framework keeps.
CWinApp* g_pApp = nullptr;

// The application's default name: the executable's file name without its extension.
std::wstring ExecutableBaseName() {
    std::wstring name = AfxGetExecutableFileName();
    const size_t extension = name.find_last_of(L'.');
    if (extension != std::wstring::npos) {
        name.resize(extension);
    }
    return name;
}

// Windows refuses to post WM_NOTIFY; Wine posts it from any program, header pointer and all. A notification
// of ours is always sent, so a posted one is turned into WM_NULL as it leaves the queue, whichever loop
// takes it: its header could point anywhere.
LRESULT CALLBACK DropPostedNotifications(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION) {
        auto* const msg = reinterpret_cast<MSG*>(lParam);
        if (msg->message == WM_NOTIFY) {
            msg->message = WM_NULL;
            msg->wParam = 0;
            msg->lParam = 0;
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

} // namespace

std::wstring AfxGetExecutableFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::wstring();
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t nameStart = path.find_last_of(L"\\/:");
    return nameStart == std::wstring::npos ? path : path.substr(nameStart + 1);
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_hInstance(::GetModuleHandleW(nullptr)), m_appName(lpszAppName ? lpszAppName : ExecutableBaseName()) {
    m_pszAppName = m_appName.c_str();
    if (g_pApp == nullptr) {
        g_pApp = this;
        // The program's windows live on the thread that makes its application object.
        m_hPostedNotificationFilter =
            ::SetWindowsHookExW(WH_GETMESSAGE, &DropPostedNotifications, nullptr, ::GetCurrentThreadId());
    }
}

CWinApp::~CWinApp() {
    if (m_hPostedNotificationFilter != nullptr) {
        ::UnhookWindowsHookEx(m_hPostedNotificationFilter);
    }
    if (m_oleInitialized) {
        ::OleUninitialize();
    }
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

int CWinApp::Run() {
    const HWND hMainWnd = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!CWnd::WalkPreTranslateTree(hMainWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) {
    m_registryKey = lpszRegistryKey ? lpszRegistryKey : L"";
    m_pszRegistryKey = m_registryKey.c_str();
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_pApp ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

LPCWSTR AfxGetAppName() {
    return g_pApp ? g_pApp->m_pszAppName : L"";
}

int AfxMessageBox(LPCWSTR lpszText, UINT nType) {
    const HWND hMainWnd = g_pApp && g_pApp->m_pMainWnd ? g_pApp->m_pMainWnd->GetSafeHwnd() : nullptr;
    const HWND hOwner = ::IsWindow(hMainWnd) ? hMainWnd : ::GetActiveWindow();
    return ::MessageBoxW(hOwner, lpszText, AfxGetAppName(), nType);
}

BOOL AfxEnableControlContainer() {
    if (g_pApp == nullptr) {
        return FALSE;
    }
    if (!g_pApp->m_oleInitialized) {
        g_pApp->m_oleInitialized = SUCCEEDED(::OleInitialize(nullptr));
    }
    return g_pApp->m_oleInitialized;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) {
    AfxRestrictDllSearchToSystem();
    if (g_pApp == nullptr) {
        return -1;
    }
    g_pApp->m_hInstance = hInstance;
    if (!g_pApp->InitInstance()) {
        return g_pApp->ExitInstance();
    }
    return g_pApp->Run();
}
