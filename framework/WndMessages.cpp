#include "Wnd.h"

#include <commctrl.h>

#include "Dc.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

// The control a notification comes from, for the messages that are reflected to it.
HWND NotifyingControl(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY: {
        const NMHDR* const header = AfxNotifyHeader(lParam);
        return header ? header->hwndFrom : nullptr;
    }
    case WM_DRAWITEM: {
        const auto* drawItem = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return drawItem && drawItem->CtlType != ODT_MENU ? drawItem->hwndItem : nullptr;
    }
    default:
        return nullptr;
    }
}

} // namespace

// A notification comes from a child: a message naming any other window is not passed to that window.
BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const HWND hChild = NotifyingControl(message, lParam);
    CWnd* const pChild = FromHandlePermanent(hChild);
    return pChild != nullptr && pChild != this && ::GetAncestor(hChild, GA_PARENT) == m_hWnd &&
           pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (ReflectToChild(message, wParam, lParam, pResult)) {
        return TRUE;
    }
    if (message == WM_COMMAND) {
        if (!OnCmdMsg(LOWORD(wParam), HIWORD(wParam))) {
            return FALSE;
        }
        *pResult = 0;
        return TRUE;
    }
    return DispatchToMessageMap(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return DispatchToMessageMap(WM_REFLECT_BASE + message, wParam, lParam, pResult);
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* const pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) {
            return TRUE;
        }
        if (hWnd == hWndStop) {
            break;
        }
    }
    return FALSE;
}

// The base handlers pass on the message being handled unchanged, whatever arguments they were given.

void CWnd::OnPaint() {
    Default();
}

HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}

BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}

LRESULT CWnd::OnNcHitTest(CPoint) {
    return Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnSize(UINT, int, int) {
    Default();
}

void CWnd::OnDestroy() {
    Default();
}

void CWnd::OnTimer(UINT_PTR) {
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}

void CWnd::OnMouseLeave() {
    Default();
}

// Windows tells only top-level windows; their descendants hear it from them: controls of ours that keep
// colours or pictures of their own, and the common controls, which Windows expects to be told.
void CWnd::OnSysColorChange() {
    if ((GetStyle() & WS_CHILD) == 0) {
        SendMessageToChildren(WM_SYSCOLORCHANGE, 0, 0, TRUE);
    }
    Default();
}

void CWnd::OnEnable(BOOL) {
    Default();
}

void CWnd::OnKillFocus(CWnd*) {
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}

void CWnd::OnCancelMode() {
    Default();
}

UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}
