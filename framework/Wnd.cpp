#include "Wnd.h"

#include <commctrl.h>

#include "WinApp.h"

namespace {

// The window property that points from a window to its bound object.
constexpr wchar_t kBoundObjectProperty[] = L"Framework.BoundCWnd";

} // namespace

CWnd::~CWnd() {
    if (m_binding != Binding::None && ::IsWindow(m_hWnd)) {
        ::DestroyWindow(m_hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return hWnd ? static_cast<CWnd*>(::GetPropW(hWnd, kBoundObjectProperty)) : nullptr;
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
    const HWND hWnd = ::CreateWindowExW(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left,
                                        rect.top, rect.right - rect.left, rect.bottom - rect.top, hParent,
                                        hMenuOrId, AfxGetInstanceHandle(), frameworkClass ? this : nullptr);
    if (frameworkClass) {
        // A window that failed during creation may have been bound without reaching WM_NCDESTROY.
        if (hWnd == nullptr && m_hWnd != nullptr) {
            Unbind();
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

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (m_hWnd != nullptr || !::IsWindow(hWnd) || FromHandlePermanent(hWnd) != nullptr) {
        return FALSE;
    }
    if (!::SetWindowSubclass(hWnd, &CWnd::SubclassedWindowProc, 0, reinterpret_cast<DWORD_PTR>(this))) {
        return FALSE;
    }
    Bind(hWnd, Binding::Subclass);
    PreSubclassWindow();
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_binding != Binding::Subclass) {
        return nullptr;
    }
    const HWND hWnd = m_hWnd;
    Unbind();
    return hWnd;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWnd::PostNcDestroy() {}

void CWnd::Bind(HWND hWnd, Binding binding) {
    m_hWnd = hWnd;
    m_binding = binding;
    ::SetPropW(hWnd, kBoundObjectProperty, this);
}

void CWnd::Unbind() {
    ::RemovePropW(m_hWnd, kBoundObjectProperty);
    if (m_binding == Binding::Subclass) {
        ::RemoveWindowSubclass(m_hWnd, &CWnd::SubclassedWindowProc, 0);
    }
    m_hWnd = nullptr;
    m_binding = Binding::None;
}

LRESULT CALLBACK CWnd::FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // CreateEx passes the object as the creation parameter of framework-class windows.
        auto* pWnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (pWnd != nullptr && pWnd->m_hWnd == nullptr) {
            pWnd->Bind(hWnd, Binding::WindowClass);
            pWnd->PreSubclassWindow();
        }
    }
    CWnd* pWnd = FromHandlePermanent(hWnd);
    return pWnd ? pWnd->RouteMessage(message, wParam, lParam)
                : ::DefWindowProcW(hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassedWindowProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR dwRefData) {
    return reinterpret_cast<CWnd*>(dwRefData)->RouteMessage(message, wParam, lParam);
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
        return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
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
