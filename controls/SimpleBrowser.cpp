#include "SimpleBrowser.h"

#include <mshtml.h>

BEGIN_MESSAGE_MAP(SimpleBrowser, CWnd)
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// A control that keeps answering without ever producing the blank document must not keep the launcher
// from showing.
constexpr DWORD kBlankDocumentWaitMs = 3000;

// A string variant that lends its text: the caller's string owns it, so the variant needs no clearing.
VARIANT StringVariant(BSTR text) {
    VARIANT value = {};
    value.vt = VT_BSTR;
    value.bstrVal = text;
    return value;
}

} // namespace

SimpleBrowser::~SimpleBrowser() {
    // Destroyed here, while the object is still a pane, so that the control is closed on the way.
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
    CloseControl();
}

BOOL SimpleBrowser::CreateFromControl(CWnd* pParent, UINT nID) {
    CRect rect(0, 0, 100, 100);
    CWnd placeholder(pParent->GetDlgItem(static_cast<int>(nID)));
    if (placeholder.m_hWnd != nullptr) {
        rect = placeholder.GetWindowRectInParent();
        placeholder.DestroyWindow();
    }
    return Create(rect, pParent, nID);
}

BOOL SimpleBrowser::Create(const RECT& rect, CWnd* pParent, UINT nID) {
    m_pWebBrowser.Release();
    const LPCWSTR className = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
    if (className == nullptr || !CreateEx(0, className, L"", WS_CHILD | WS_VISIBLE, rect, pParent, nID)) {
        return FALSE;
    }
    m_pSite = COleControlSite::Create(m_hWnd);
    m_pEventSink = CEventSink::Create(this, AFX_IDW_PANE_FIRST, DIID_DWebBrowserEvents2);
    const CRect inside(0, 0, rect.right - rect.left, rect.bottom - rect.top);
    if (FAILED(m_pSite->CreateControl(CLSID_WebBrowser, inside, m_pEventSink)) ||
        !m_wndControl.SubclassWindow(m_pSite->GetControlWindow())) {
        DestroyWindow();
        return FALSE;
    }
    m_wndControl.SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    m_wndControl.ModifyStyle(0, WS_VISIBLE | WS_TABSTOP);

    const CComPtr<IOleObject>& control = m_pSite->GetControl();
    if (FAILED(control.QueryInterface(m_pWebBrowser)) || FAILED(control.QueryInterface(m_pBrowserDispatch))) {
        DestroyWindow();
        return FALSE;
    }
    m_pSite->put_DocHostFlags(kDocHostFlags);
    Navigate(L"about:blank");
    WaitForBlankDocument();
    return TRUE;
}

void SimpleBrowser::Navigate(LPCWSTR lpszUrl) {
    if (!m_pWebBrowser) {
        return;
    }
    const CComBSTR url(lpszUrl), empty(L"");
    VARIANT flags = {};
    flags.vt = VT_I4;
    VARIANT targetFrame = StringVariant(empty), postData = StringVariant(empty),
            headers = StringVariant(empty);
    m_pWebBrowser->Navigate(url, &flags, &targetFrame, &postData, &headers);
}

// The wait does not dispatch messages: it only yields between questions.
void SimpleBrowser::WaitForBlankDocument() {
    const ULONGLONG deadline = ::GetTickCount64() + kBlankDocumentWaitMs;
    do {
        ::Sleep(0);
        CComPtr<IDispatch> document;
        if (QueryDocument(&document) != S_OK) {
            return;
        }
        if (document) {
            CComPtr<IHTMLDocument2> html;
            if (document.QueryInterface(html) != S_OK || html) {
                return;
            }
        }
    } while (::GetTickCount64() < deadline);
}

HRESULT SimpleBrowser::QueryDocument(IDispatch** ppDocument) {
    return m_pWebBrowser ? m_pWebBrowser->get_Document(ppDocument) : E_POINTER;
}

void SimpleBrowser::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (m_pWebBrowser) {
        m_pSite->SetObjectRects(CRect(0, 0, cx, cy));
        m_wndControl.MoveWindow(0, 0, cx, cy, TRUE);
    }
}

// Keys for the page go to the control before the dialog's own keyboard handling sees them, so Tab, the
// arrows and shortcuts work inside the page.
BOOL SimpleBrowser::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_pSite) {
        return m_pSite->TranslateAccelerator(pMsg);
    }
    return FALSE;
}

void SimpleBrowser::OnDestroy() {
    CloseControl();
    CWnd::OnDestroy();
}

void SimpleBrowser::PostNcDestroy() {
    m_pWebBrowser.Release();
    m_pBrowserDispatch.Release();
}

void SimpleBrowser::CloseControl() {
    if (m_pSite) {
        m_pSite->Close();
        m_pSite.Release();
    }
    m_pEventSink.Release();
    m_pWebBrowser.Release();
    m_pBrowserDispatch.Release();
}
