#include "Dialog.h"

#include <cstring>
#include <vector>

#include "PendingBinding.h"
#include "WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_BN_CLICKED(IDOK, &CDialog::OnOK)
ON_BN_CLICKED(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

// The template resource nID as a copy without WS_VISIBLE, which would make the dialog manager show the dialog
// as soon as it is initialised, even one that ended there; DWORDs keep it aligned as a template must be.
// Empty when there is no such template.
std::vector<DWORD> HiddenTemplateCopy(HINSTANCE hResources, UINT nID) {
    const HRSRC hInfo = ::FindResourceW(hResources, MAKEINTRESOURCEW(nID), RT_DIALOG);
    const HGLOBAL hTemplate = hInfo ? ::LoadResource(hResources, hInfo) : nullptr;
    const void* const pTemplate = hTemplate ? ::LockResource(hTemplate) : nullptr;
    const DWORD size = hInfo ? ::SizeofResource(hResources, hInfo) : 0;
    // A DLGTEMPLATE starts with its style. A DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF,
    // then come its help id, its extended style and its style, the fourth DWORD: still within the length of
    // the shorter form.
    constexpr size_t kExtendedStyleIndex = 3;
    if (pTemplate == nullptr || size < sizeof(DLGTEMPLATE)) {
        return {};
    }
    std::vector<DWORD> copy(size / sizeof(DWORD) + 1, 0);
    std::memcpy(copy.data(), pTemplate, size);
    const bool extended = reinterpret_cast<const WORD*>(copy.data())[1] == 0xFFFF;
    copy[extended ? kExtendedStyleIndex : 0] &= ~static_cast<DWORD>(WS_VISIBLE);
    return copy;
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr) {
        return -1;
    }
    const HINSTANCE hResources = AfxGetResourceHandle();
    const std::vector<DWORD> dialogTemplate = HiddenTemplateCopy(hResources, m_nIDTemplate);
    if (dialogTemplate.empty()) {
        return -1;
    }

    const HWND hParent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    const bool disableParent = hParent != nullptr && ::IsWindowEnabled(hParent);
    if (disableParent) {
        ::EnableWindow(hParent, FALSE);
    }
    m_endRequested = false;
    m_nModalResult = -1;
    HWND hDlg = nullptr;
    {
        const CPendingBinding<CDialog> pending(this);
        hDlg =
            ::CreateDialogIndirectParamW(hResources, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                         hParent, &CDialog::DialogProc, 0);
    }
    if (hDlg != nullptr) {
        // Shown right after its initialisation, as the dialog manager shows a template with WS_VISIBLE and
        // DialogBox any template, unless it ended there.
        if (!m_endRequested) {
            ::ShowWindow(hDlg, SW_SHOWNORMAL);
        }
        RunModalLoop();
        ::SetWindowPos(hDlg, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The parent is enabled again before the dialog goes, so that activation returns to it.
    if (disableParent) {
        ::EnableWindow(hParent, TRUE);
        if (hDlg != nullptr && ::GetActiveWindow() == hDlg) {
            ::SetActiveWindow(hParent);
        }
    }
    if (hDlg == nullptr) {
        return -1;
    }
    if (::IsWindow(hDlg)) {
        ::DestroyWindow(hDlg);
    }
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (m_hWnd != nullptr && !m_endRequested) {
        const BOOL received = ::GetMessageW(&msg, nullptr, 0, 0);
        if (received == -1) {
            break;
        }
        if (received == 0) {
            // The application's own loop must see the quit request too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_endRequested = true;
    if (m_hWnd != nullptr) {
        // Wakes the modal loop, which may be waiting in GetMessage.
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || m_hWnd == nullptr) {
        return FALSE;
    }
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode) {
    if (CWnd::OnCmdMsg(nID, nCode)) {
        return TRUE;
    }
    CWinApp* const pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode);
}

// Everything after WM_INITDIALOG reaches the object through its subclass, so the dialog manager's own
// processing is the object's DefWindowProc and this procedure has nothing more to answer. The object is
// the one DoModal is creating the dialog for, not the message's lParam: any program can send a dialog
// WM_INITDIALOG, and one that is bound already is initialised already.
INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG || FromHandlePermanent(hDlg) != nullptr) {
        return FALSE;
    }
    CDialog* const pDialog = CPendingBinding<CDialog>::Take();
    if (pDialog == nullptr || !pDialog->SubclassWindow(hDlg)) {
        return FALSE;
    }
    return pDialog->OnInitDialog();
}
