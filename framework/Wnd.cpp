#include "Wnd.h"

#include "PendingBinding.h"
#include "WinApp.h"

CWnd::~CWnd() {
    if (m_binding != Binding::None && ::IsWindow(m_hWnd)) {
        ::DestroyWindow(m_hWnd);
    }
}

// Only a window of the calling thread can be one of ours to use here: the handle may come from a message
// of any program, and an object bound on another thread is that thread's to use.
CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    CWinApp* const pApp = AfxGetApp();
    if (hWnd == nullptr || pApp == nullptr ||
        ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) {
        return nullptr;
    }
    return pApp->m_windowBindings.Find(hWnd);
}

bool CWnd::IsFrameworkClass(LPCWSTR lpszClassName) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    return ::GetClassInfoExW(AfxGetInstanceHandle(), lpszClassName, &windowClass) &&
           windowClass.lpfnWndProc == &CWnd::FrameworkWindowProc;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    const HWND hParent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (hParent != nullptr && (dwStyle & WS_POPUP) == 0) {
        dwStyle |= WS_CHILD;
    }
    const HMENU hMenuOrId =
        (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    const bool frameworkClass = IsFrameworkClass(lpszClassName);
    HWND hWnd = nullptr;
    {
        const CPendingBinding<CWnd> pending(frameworkClass ? this : nullptr);
        hWnd = ::CreateWindowExW(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, hParent, hMenuOrId,
                                 AfxGetInstanceHandle(), nullptr);
    }
    if (frameworkClass) {
        // A window that failed during creation may have been bound without reaching WM_NCDESTROY.
        if (hWnd == nullptr && m_hWnd != nullptr) {
            Unbind();
        }
        // One that was never bound would run without its object.
        if (hWnd != nullptr && m_hWnd != hWnd) {
            ::DestroyWindow(hWnd);
            return FALSE;
        }
        return hWnd != nullptr;
    }
    if (hWnd == nullptr) {
        return FALSE;
    }
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

// A window's messages are handled on its own thread, so only a window of this thread can be subclassed.
// The window procedure is replaced, as the classic frameworks do: the procedure finds its object with one
// look-up in the process's own binding map, where the common controls' subclassing reads a window property
// for every message, which some platforms (Wine) serve through their window server at many times the cost.
BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (m_hWnd != nullptr || !::IsWindow(hWnd) ||
        ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId() ||
        !Bind(hWnd, Binding::Subclass)) {
        return FALSE;
    }
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassedWindowProc)));
    if (m_pfnSuper == nullptr) {
        Unbind();
        return FALSE;
    }
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWnd::PostNcDestroy() {}

bool CWnd::Bind(HWND hWnd, Binding binding) {
    CWinApp* const pApp = AfxGetApp();
    if (pApp == nullptr || !pApp->m_windowBindings.Add(hWnd, this)) {
        return false;
    }
    m_hWnd = hWnd;
    m_binding = binding;
    return true;
}

void CWnd::Unbind() {
    if (CWinApp* const pApp = AfxGetApp()) {
        pApp->m_windowBindings.Remove(m_hWnd);
    }
    // A subclass made after ours calls our procedure through the pointer it kept: putting the earlier one
    // back over it would take it out of the chain. Ours then stays, and passes on what still comes.
    if (m_binding == Binding::Subclass && m_pfnSuper != nullptr &&
        ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) ==
            reinterpret_cast<LONG_PTR>(&CWnd::SubclassedWindowProc)) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_hWnd = nullptr;
    m_binding = Binding::None;
    m_pfnSuper = nullptr;
}

LRESULT CALLBACK CWnd::FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The object is the one this thread's CreateEx is creating the window for; a window bound already
    // takes no other, whoever sends it WM_NCCREATE.
    if (message == WM_NCCREATE && FromHandlePermanent(hWnd) == nullptr) {
        CWnd* const pPending = CPendingBinding<CWnd>::Take();
        if (pPending != nullptr && pPending->m_hWnd == nullptr &&
            pPending->Bind(hWnd, Binding::WindowClass)) {
            pPending->PreSubclassWindow();
        }
    }
    CWnd* const pWnd = FromHandlePermanent(hWnd);
    return pWnd ? pWnd->RouteMessage(message, wParam, lParam)
                : ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// Without its object (unbound at WM_NCDESTROY under a later subclass, which may still pass messages down),
// the window is past its end and the default procedure answers, as in the classic frameworks.
LRESULT CALLBACK CWnd::SubclassedWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* const pWnd = FromHandlePermanent(hWnd);
    return pWnd ? pWnd->RouteMessage(message, wParam, lParam)
                : ::DefWindowProcW(hWnd, message, wParam, lParam);
}

LRESULT CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG outerMsg = m_currentMsg;
    m_currentMsg = {m_hWnd, message, wParam, lParam, 0, {0, 0}};
    const LRESULT result = WindowProc(message, wParam, lParam);
    m_currentMsg = outerMsg;
    if (message == WM_NCDESTROY && m_binding != Binding::None) {
        Unbind();
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_binding == Binding::Subclass) {
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

CWndArg::CWndArg(HWND hWnd) : m_view(hWnd), m_pWnd(nullptr) {
    if (hWnd != nullptr) {
        CWnd* const pBound = CWnd::FromHandlePermanent(hWnd);
        m_pWnd = pBound ? pBound : &m_view;
    }
}
