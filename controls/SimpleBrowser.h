// The notice pane: the system's web-browser control, borderless and without scroll bars, in a child window
// of ours, telling its parent about its navigation.
#pragma once

#include <exdisp.h>

#include "BrowserNotify.h"
#include "Framework.h"

class SimpleBrowser : public CWnd {
public:
    // The document-host flags of the pane: no 3-D border, no outer 3-D border, no scroll bars.
    static constexpr DWORD kDocHostFlags =
        DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO | DOCHOSTUIFLAG_NO3DOUTERBORDER;

    SimpleBrowser() = default;
    ~SimpleBrowser() override;

    // Creates the pane in the place of pParent's child nID, which it destroys, or at (0, 0, 100, 100) when
    // there is none.
    BOOL CreateFromControl(CWnd* pParent, UINT nID);
    BOOL Create(const RECT& rect, CWnd* pParent, UINT nID);
    // Nothing before creation or after the window has gone.
    void Navigate(LPCWSTR lpszUrl);

protected:
    // Each callback notifies the parent; a derived pane may react itself instead. OnBeforeNavigate2 answers
    // true to cancel the navigation.
    virtual bool OnBeforeNavigate2(LPCWSTR lpszUrl, LPCWSTR lpszTargetFrame, const BYTE* pPostData,
                                   LONG nPostDataSize, LPCWSTR lpszHeaders);
    virtual void OnDocumentComplete(LPCWSTR lpszUrl);
    virtual void OnDownloadBegin();
    virtual void OnProgressChange(LONG nProgress, LONG nProgressMax);
    virtual void OnDownloadComplete();
    virtual void OnNavigateComplete2(LPCWSTR lpszUrl);
    virtual void OnStatusTextChange(LPCWSTR lpszText);
    virtual void OnTitleChange(LPCWSTR lpszText);
    // A page asks for a new window showing lpszUrl; true cancels the request, false leaves it to the
    // control's own default.
    virtual bool OnNewWindow3(LPCWSTR lpszUrl);
    // The control's current document, as get_Document answers.
    virtual HRESULT QueryDocument(IDispatch** ppDocument);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    // The control's events, as its event interface declares them.
    void OnBeforeNavigate2Event(IDispatch* pDisp, VARIANT* pUrl, VARIANT* pFlags, VARIANT* pTargetFrame,
                                VARIANT* pPostData, VARIANT* pHeaders, VARIANT_BOOL* pCancel);
    void OnDocumentCompleteEvent(IDispatch* pDisp, VARIANT* pUrl);
    void OnDownloadBeginEvent();
    void OnProgressChangeEvent(long nProgress, long nProgressMax);
    void OnDownloadCompleteEvent();
    void OnNavigateComplete2Event(IDispatch* pDisp, VARIANT* pUrl);
    void OnStatusTextChangeEvent(BSTR bstrText);
    void OnTitleChangeEvent(BSTR bstrText);
    // The new window the control may be handed back is left alone, so it is taken as any variant.
    void OnNewWindow3Event(VARIANT* ppDisp, VARIANT_BOOL* pCancel, long nFlags, BSTR bstrUrlContext,
                           BSTR bstrUrl);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    // Events of frames inside the page concern none of our business.
    bool IsTopLevel(IDispatch* pDisp) const;
    LRESULT Notify(BROWSER_NOTIFY& record, UINT nCode);
    void WaitForBlankDocument();
    // Ends the control and its events and lets go of the site and the sink.
    void CloseControl();

    CWnd m_wndControl; // the control's own window, child of the pane
    CComPtr<IWebBrowser2> m_pWebBrowser;
    CComPtr<IDispatch> m_pBrowserDispatch;
    CComPtr<COleControlSite> m_pSite;
    CComPtr<CEventSink> m_pEventSink;
};
