// The OLE interfaces the control site offers its control. What the site has no use for answers E_NOTIMPL
// (or the "no" an interface defines for it), so the control falls back to its own behaviour.
#include "OleControlSite.h"

#include <olectl.h>

namespace {

// Answers "no" with an out-parameter that holds nothing, as COM asks of a call that gives nothing back.
template <typename T> HRESULT Decline(T** out, HRESULT answer) {
    if (out != nullptr) {
        *out = nullptr;
    }
    return answer;
}

} // namespace

// IOleClientSite: the control is never saved, named or contained in a document.

STDMETHODIMP COleControlSite::XOleClientSite::SaveObject() {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleClientSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
    return Decline(ppmk, E_NOTIMPL);
}

STDMETHODIMP COleControlSite::XOleClientSite::GetContainer(IOleContainer** ppContainer) {
    return Decline(ppContainer, E_NOINTERFACE);
}

STDMETHODIMP COleControlSite::XOleClientSite::ShowObject() {
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleClientSite::OnShowWindow(BOOL) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleClientSite::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

// IOleInPlaceSite: activation in the container's window, over the site's rectangle.

STDMETHODIMP COleControlSite::XOleInPlaceSite::GetWindow(HWND* phwnd) {
    if (phwnd == nullptr) {
        return E_POINTER;
    }
    *phwnd = m_pSite->m_hWndContainer;
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::CanInPlaceActivate() {
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::OnInPlaceActivate() {
    return m_pSite->m_pObject.QueryInterface(m_pSite->m_pInPlaceObject);
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::OnUIActivate() {
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::GetWindowContext(IOleInPlaceFrame** ppFrame,
                                                                IOleInPlaceUIWindow** ppDoc,
                                                                LPRECT lprcPosRect, LPRECT lprcClipRect,
                                                                LPOLEINPLACEFRAMEINFO lpFrameInfo) {
    if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr ||
        lpFrameInfo == nullptr) {
        return E_POINTER;
    }
    *ppFrame = &m_pSite->m_xInPlaceFrame;
    (*ppFrame)->AddRef();
    *ppDoc = nullptr;
    *lprcPosRect = m_pSite->m_rcPos;
    *lprcClipRect = m_pSite->m_rcPos;
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = ::GetAncestor(m_pSite->m_hWndContainer, GA_ROOT);
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::Scroll(SIZE) {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::OnUIDeactivate(BOOL) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::OnInPlaceDeactivate() {
    m_pSite->m_pActiveObject.Release();
    m_pSite->m_pInPlaceObject.Release();
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::DiscardUndoState() {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::DeactivateAndUndo() {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceSite::OnPosRectChange(LPCRECT lprcPosRect) {
    if (lprcPosRect == nullptr) {
        return E_POINTER;
    }
    m_pSite->SetObjectRects(*lprcPosRect);
    return S_OK;
}

// IOleInPlaceFrame: the container's top-level window, without menus, toolbars or status bar of its own.

STDMETHODIMP COleControlSite::XOleInPlaceFrame::GetWindow(HWND* phwnd) {
    if (phwnd == nullptr) {
        return E_POINTER;
    }
    *phwnd = ::GetAncestor(m_pSite->m_hWndContainer, GA_ROOT);
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::GetBorder(LPRECT) {
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS pborderwidths) {
    return pborderwidths == nullptr ? S_OK : INPLACE_E_NOTOOLSPACE;
}

// The active object is what keyboard messages go through first.
STDMETHODIMP COleControlSite::XOleInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject* pActiveObject,
                                                                LPCOLESTR) {
    m_pSite->m_pActiveObject = pActiveObject;
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND) {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::RemoveMenus(HMENU) {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::SetStatusText(LPCOLESTR) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::EnableModeless(BOOL) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XOleInPlaceFrame::TranslateAccelerator(LPMSG, WORD) {
    return S_FALSE;
}

// IDocHostUIHandler: the flags, and otherwise the control's own defaults (its context menu, its UI, no
// external object for page scripts).

STDMETHODIMP COleControlSite::XDocHostUIHandler::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
    return S_FALSE;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* pInfo) {
    if (pInfo == nullptr) {
        return E_POINTER;
    }
    pInfo->dwFlags = m_pSite->m_dwDocHostFlags;
    pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                                        IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
    return S_FALSE;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::HideUI() {
    return S_OK;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::UpdateUI() {
    return S_OK;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::EnableModeless(BOOL) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::OnDocWindowActivate(BOOL) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::OnFrameWindowActivate(BOOL) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
    return S_OK;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::TranslateAccelerator(LPMSG, const GUID*, DWORD) {
    return S_FALSE;
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::GetOptionKeyPath(LPOLESTR* pchKey, DWORD) {
    return Decline(pchKey, E_NOTIMPL);
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::GetDropTarget(IDropTarget*, IDropTarget** ppDropTarget) {
    return Decline(ppDropTarget, E_NOTIMPL);
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::GetExternal(IDispatch** ppDispatch) {
    return Decline(ppDispatch, E_NOTIMPL);
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::TranslateUrl(DWORD, LPWSTR, LPWSTR* ppchURLOut) {
    return Decline(ppchURLOut, S_FALSE);
}

STDMETHODIMP COleControlSite::XDocHostUIHandler::FilterDataObject(IDataObject*, IDataObject** ppDORet) {
    return Decline(ppDORet, S_FALSE);
}

// Ambient properties: the few a hosted control needs to know it is running for a user, in the user's
// language, without editing handles or reflected messages.

STDMETHODIMP COleControlSite::XAmbientDispatch::GetTypeInfoCount(UINT* pctinfo) {
    if (pctinfo == nullptr) {
        return E_POINTER;
    }
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP COleControlSite::XAmbientDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
    return Decline(ppTInfo, E_NOTIMPL);
}

STDMETHODIMP COleControlSite::XAmbientDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::XAmbientDispatch::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags,
                                                       DISPPARAMS*, VARIANT* pVarResult, EXCEPINFO*, UINT*) {
    if ((wFlags & DISPATCH_PROPERTYGET) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (pVarResult == nullptr) {
        return E_POINTER;
    }
    ::VariantInit(pVarResult);
    switch (dispIdMember) {
    case DISPID_AMBIENT_USERMODE:
        pVarResult->vt = VT_BOOL;
        pVarResult->boolVal = VARIANT_TRUE;
        return S_OK;
    case DISPID_AMBIENT_UIDEAD:
    case DISPID_AMBIENT_SHOWGRABHANDLES:
    case DISPID_AMBIENT_SHOWHATCHING:
    case DISPID_AMBIENT_MESSAGEREFLECT:
        pVarResult->vt = VT_BOOL;
        pVarResult->boolVal = VARIANT_FALSE;
        return S_OK;
    case DISPID_AMBIENT_LOCALEID:
        pVarResult->vt = VT_I4;
        pVarResult->lVal = static_cast<LONG>(::GetUserDefaultLCID());
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}
