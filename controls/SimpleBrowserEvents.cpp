#include "SimpleBrowser.h"

#include <exdispid.h>

#include "PostData.h"

BEGIN_EVENTSINK_MAP(SimpleBrowser, CWnd)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_BEFORENAVIGATE2, &SimpleBrowser::OnBeforeNavigate2Event)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_DOCUMENTCOMPLETE, &SimpleBrowser::OnDocumentCompleteEvent)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_DOWNLOADBEGIN, &SimpleBrowser::OnDownloadBeginEvent)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_PROGRESSCHANGE, &SimpleBrowser::OnProgressChangeEvent)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_DOWNLOADCOMPLETE, &SimpleBrowser::OnDownloadCompleteEvent)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_NAVIGATECOMPLETE2, &SimpleBrowser::OnNavigateComplete2Event)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_STATUSTEXTCHANGE, &SimpleBrowser::OnStatusTextChangeEvent)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_TITLECHANGE, &SimpleBrowser::OnTitleChangeEvent)
ON_EVENT(AFX_IDW_PANE_FIRST, DISPID_NEWWINDOW3, &SimpleBrowser::OnNewWindow3Event)
END_EVENTSINK_MAP()

namespace {

// Only a string variant gives a string; anything else, a missing variant included, the empty one.
CString StringOf(const VARIANT* pValue) {
    return pValue != nullptr && pValue->vt == VT_BSTR ? CString(pValue->bstrVal) : CString();
}

} // namespace

bool SimpleBrowser::IsTopLevel(IDispatch* pDisp) const {
    return pDisp != nullptr && (pDisp == m_pBrowserDispatch || m_pBrowserDispatch.IsEqualObject(pDisp));
}

void SimpleBrowser::OnBeforeNavigate2Event(IDispatch* pDisp, VARIANT* pUrl, VARIANT*, VARIANT* pTargetFrame,
                                           VARIANT* pPostData, VARIANT* pHeaders, VARIANT_BOOL* pCancel) {
    if (!IsTopLevel(pDisp)) {
        return;
    }
    const CPostDataCopy postData = CopyPostData(pPostData);
    const bool cancel = OnBeforeNavigate2(StringOf(pUrl), StringOf(pTargetFrame), postData.Data(),
                                          static_cast<LONG>(postData.Size()), StringOf(pHeaders));
    if (pCancel != nullptr) {
        *pCancel = cancel ? VARIANT_TRUE : VARIANT_FALSE;
    }
}

void SimpleBrowser::OnDocumentCompleteEvent(IDispatch* pDisp, VARIANT* pUrl) {
    if (IsTopLevel(pDisp)) {
        OnDocumentComplete(StringOf(pUrl));
    }
}

void SimpleBrowser::OnDownloadBeginEvent() {
    OnDownloadBegin();
}

void SimpleBrowser::OnProgressChangeEvent(long nProgress, long nProgressMax) {
    OnProgressChange(nProgress, nProgressMax);
}

void SimpleBrowser::OnDownloadCompleteEvent() {
    OnDownloadComplete();
}

void SimpleBrowser::OnNavigateComplete2Event(IDispatch* pDisp, VARIANT* pUrl) {
    if (IsTopLevel(pDisp)) {
        OnNavigateComplete2(StringOf(pUrl));
    }
}

void SimpleBrowser::OnStatusTextChangeEvent(BSTR bstrText) {
    OnStatusTextChange(bstrText);
}

void SimpleBrowser::OnTitleChangeEvent(BSTR bstrText) {
    OnTitleChange(bstrText);
}

// Frames ask for new windows too, so there is no top-level filter. Only a cancel is written: otherwise the
// control keeps what it would have done without us.
void SimpleBrowser::OnNewWindow3Event(VARIANT*, VARIANT_BOOL* pCancel, long, BSTR, BSTR bstrUrl) {
    if (OnNewWindow3(bstrUrl) && pCancel != nullptr) {
        *pCancel = VARIANT_TRUE;
    }
}

// The callbacks' default: tell the parent, which may cancel a navigation by answering non-zero.

bool SimpleBrowser::OnBeforeNavigate2(LPCWSTR lpszUrl, LPCWSTR lpszTargetFrame, const BYTE* pPostData,
                                      LONG nPostDataSize, LPCWSTR lpszHeaders) {
    BROWSER_NOTIFY record = {};
    record.url = lpszUrl;
    record.target_frame = lpszTargetFrame;
    record.post_data = pPostData;
    record.post_data_size = nPostDataSize;
    record.headers = lpszHeaders;
    return Notify(record, BRN_BEFORENAVIGATE2) != 0;
}

void SimpleBrowser::OnDocumentComplete(LPCWSTR lpszUrl) {
    BROWSER_NOTIFY record = {};
    record.url = lpszUrl;
    Notify(record, BRN_DOCUMENTCOMPLETE);
}

void SimpleBrowser::OnDownloadBegin() {
    BROWSER_NOTIFY record = {};
    Notify(record, BRN_DOWNLOADBEGIN);
}

void SimpleBrowser::OnProgressChange(LONG nProgress, LONG nProgressMax) {
    BROWSER_NOTIFY record = {};
    record.progress = nProgress;
    record.progress_max = nProgressMax;
    Notify(record, BRN_PROGRESSCHANGE);
}

void SimpleBrowser::OnDownloadComplete() {
    BROWSER_NOTIFY record = {};
    Notify(record, BRN_DOWNLOADCOMPLETE);
}

void SimpleBrowser::OnNavigateComplete2(LPCWSTR lpszUrl) {
    BROWSER_NOTIFY record = {};
    record.url = lpszUrl;
    Notify(record, BRN_NAVIGATECOMPLETE2);
}

void SimpleBrowser::OnStatusTextChange(LPCWSTR lpszText) {
    BROWSER_NOTIFY record = {};
    record.text = lpszText;
    Notify(record, BRN_STATUSTEXTCHANGE);
}

void SimpleBrowser::OnTitleChange(LPCWSTR lpszText) {
    BROWSER_NOTIFY record = {};
    record.text = lpszText;
    Notify(record, BRN_TITLECHANGE);
}

bool SimpleBrowser::OnNewWindow3(LPCWSTR lpszUrl) {
    BROWSER_NOTIFY record = {};
    record.url = lpszUrl;
    return Notify(record, BRN_NEWWINDOW3) != 0;
}

LRESULT SimpleBrowser::Notify(BROWSER_NOTIFY& record, UINT nCode) {
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr || (GetStyle() & WS_CHILD) == 0) {
        return 0;
    }
    record.hdr.hwndFrom = m_hWnd;
    record.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    record.hdr.code = nCode;
    return ::SendMessageW(hParent, WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}
