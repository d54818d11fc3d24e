#include "ButtonST.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "LauncherMessages.h"

BEGIN_MESSAGE_MAP(CButtonST, CButton)
ON_WM_MOUSEMOVE()
ON_WM_SYSCOLORCHANGE()
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CButtonST::HandleClick)
ON_WM_ENABLE()
ON_WM_KILLFOCUS()
ON_WM_ACTIVATE()
ON_WM_CANCELMODE()
ON_WM_GETDLGCODE()
ON_WM_CTLCOLOR_REFLECT()
ON_MESSAGE(BM_SETSTYLE, &CButtonST::OnSetStyle)
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 400;

} // namespace

CButtonST::CButtonST()
    : m_crColours{::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNFACE),
                  ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNFACE)} {}

CButtonST::~CButtonST() = default;

void CButtonST::PreSubclassWindow() {
    const UINT type = GetButtonStyle() & BS_TYPEMASK;
    if (type & BS_CHECKBOX) {
        m_bCheckMode = TRUE;
    } else if (type & BS_RADIOBUTTON) {
        m_bRadioMode = TRUE;
        m_bCheckMode = TRUE;
    }
    if (type == BS_DEFPUSHBUTTON) {
        m_bIsDefault = TRUE;
    }
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

void CButtonST::SetTipText(LPCWSTR lpszText) {
    // An empty tip never shows, so it costs no window until there is a text to show.
    if (lpszText == nullptr || (*lpszText == L'\0' && m_ToolTip.GetSafeHwnd() == nullptr)) {
        return;
    }
    EnsureTip();
    if (m_ToolTip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_ToolTip.AddTool(this, lpszText, &client, kToolId);
    }
    m_ToolTip.UpdateTipText(lpszText, this, kToolId);
    m_ToolTip.Activate(TRUE);
}

void CButtonST::EnsureTip() {
    if (m_ToolTip.GetSafeHwnd() != nullptr) {
        return;
    }
    m_ToolTip.Create(this);
    m_ToolTip.Activate(FALSE);
    m_ToolTip.SetMaxTipWidth(kMaxTipWidth);
}

void CButtonST::SetFlatLook(BOOL bOn, BOOL bRepaint) {
    m_bFlatLook = bOn;
    m_composedFaces.Clear();
    if (bRepaint) {
        InvalidateFace();
    }
}

void CButtonST::ShowHoverFrame(BOOL bOn, BOOL bRepaint) {
    m_bHoverFrame = bOn;
    m_composedFaces.Clear();
    if (bRepaint) {
        InvalidateFace();
    }
}

void CButtonST::EnableParentBackground(BOOL bRepaint) {
    m_bParentBackground = TRUE;
    DropBackgroundSnapshot();
    if (bRepaint) {
        InvalidateFace();
    }
}

BOOL CButtonST::SetTargetUrl(LPCWSTR lpszUrl) {
    std::fill(std::begin(m_szTargetUrl), std::end(m_szTargetUrl), L'\0');
    const size_t length = lpszUrl ? std::wcslen(lpszUrl) : 0;
    if (length >= kTargetUrlCapacity) {
        return FALSE;
    }
    std::copy(lpszUrl, lpszUrl + length, m_szTargetUrl);
    return TRUE;
}

void CButtonST::EndHover() {
    if (m_bFlatLook && m_bHover) {
        m_bHover = FALSE;
        InvalidateFace();
    }
}

BOOL CButtonST::PreTranslateMessage(MSG* pMsg) {
    if (m_ToolTip.GetSafeHwnd() != nullptr) {
        m_ToolTip.RelayEvent(pMsg);
    }
    return CButton::PreTranslateMessage(pMsg);
}

// A fast second click arrives as a double click; as a press it counts as a click of its own. A new
// caption or font makes every composed face out of date.
LRESULT CButtonST::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK) {
        message = WM_LBUTTONDOWN;
    } else if (message == WM_SETTEXT || message == WM_SETFONT) {
        m_composedFaces.Clear();
    }
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CButtonST::OnMouseMove(UINT nFlags, CPoint point) {
    CButton::OnMouseMove(nFlags, point);
    // A button entered with the mouse button held does not light up.
    if ((nFlags & MK_LBUTTON) && !m_bHover) {
        return;
    }
    if (!m_bFlatLook) {
        return;
    }
    ClientToScreen(&point);
    if (::WindowFromPoint(point) == m_hWnd && ::GetActiveWindow() != nullptr) {
        if (!m_bHover) {
            m_bHover = TRUE;
            InvalidateFace();
            TrackMouseLeave();
        }
        return;
    }
    EndHover();
}

void CButtonST::OnMouseLeave() {
    EndHover();
}

void CButtonST::OnKillFocus(CWnd* pNewWnd) {
    CButton::OnKillFocus(pNewWnd);
    EndHover();
}

void CButtonST::OnCancelMode() {
    CButton::OnCancelMode();
    EndHover();
}

void CButtonST::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CButton::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE) {
        EndHover();
    }
}

void CButtonST::OnEnable(BOOL bEnable) {
    CButton::OnEnable(bEnable);
    if (!bEnable) {
        // A disabled button must not keep the keyboard focus. Without another tab stop the dialog
        // manager may name this very button, which cannot take it either.
        const HWND hParent = GetParentHwnd();
        const HWND hNext = ::GetNextDlgTabItem(hParent, m_hWnd, FALSE);
        ::SetFocus(hNext != nullptr && hNext != m_hWnd ? hNext : hParent);
        EndHover();
    }
}

void CButtonST::OnSysColorChange() {
    CButton::OnSysColorChange();
    DropBackgroundSnapshot();
}

void CButtonST::DropBackgroundSnapshot() {
    m_dcBackground = CBitmapDC();
    m_composedFaces.Clear();
}

UINT CButtonST::OnGetDlgCode() {
    return CButton::OnGetDlgCode() | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The face paints all of the button, so the control never erases its own background.
HBRUSH CButtonST::CtlColor(CDC*, UINT) {
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

LRESULT CButtonST::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    const UINT type = static_cast<UINT>(wParam) & BS_TYPEMASK;
    if (type == BS_DEFPUSHBUTTON) {
        m_bIsDefault = TRUE;
    } else if (type == BS_PUSHBUTTON) {
        m_bIsDefault = FALSE;
    }
    return DefWindowProc(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
}

BOOL CButtonST::HandleClick() {
    if (m_bCheckMode) {
        if (!m_bRadioMode) {
            m_bChecked = !m_bChecked;
            InvalidateFace();
            return TRUE;
        }
        if (m_bChecked) {
            return TRUE;
        }
        m_bChecked = TRUE;
        InvalidateFace();
        ::PostMessageW(GetParentHwnd(), LM_SELECTED, static_cast<WPARAM>(GetDlgCtrlID()), 0);
        CButtonST* first = this;
        while (first->m_pPrev != nullptr) {
            first = first->m_pPrev;
        }
        for (CButtonST* member = first; member != nullptr; member = member->m_pNext) {
            if (member != this && member->m_bCheckMode) {
                member->m_bChecked = FALSE;
                member->InvalidateFace();
            }
        }
        return TRUE;
    }

    const HWND hParent = GetParentHwnd();
    switch (m_nActionType) {
    case NotifySelected:
        ::PostMessageW(hParent, LM_SELECTED, static_cast<WPARAM>(GetDlgCtrlID()), 0);
        break;
    case MinimiseParent:
        ::ShowWindow(hParent, SW_MINIMIZE);
        break;
    case CloseParent:
        ::PostMessageW(hParent, WM_CLOSE, 0, 0);
        break;
    case OpenUrl:
        if (m_szTargetUrl[0] != L'\0') {
            SHELLEXECUTEINFOW execute = {};
            execute.cbSize = sizeof execute;
            execute.fMask = SEE_MASK_FLAG_NO_UI;
            execute.lpVerb = L"open";
            execute.lpFile = m_szTargetUrl;
            execute.nShow = SW_SHOWNORMAL;
            ::ShellExecuteExW(&execute);
        }
        break;
    case RequestStart:
        ::PostMessageW(hParent, LM_START, 0, 0);
        break;
    default:
        break;
    }
    return TRUE;
}
