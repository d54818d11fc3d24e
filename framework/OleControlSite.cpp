#include "OleControlSite.h"

CComPtr<COleControlSite> COleControlSite::Create(HWND hWndContainer) {
    CComPtr<COleControlSite> site;
    site.Attach(new COleControlSite(hWndContainer));
    return site;
}

COleControlSite::COleControlSite(HWND hWndContainer) : m_hWndContainer(hWndContainer) {
    ++s_liveObjects;
}

HRESULT COleControlSite::CreateControl(REFCLSID clsid, const RECT& rect, CEventSink* pSink) {
    HRESULT result = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                        reinterpret_cast<void**>(&m_pObject));
    if (FAILED(result)) {
        return result;
    }
    DWORD miscStatus = 0;
    m_pObject->GetMiscStatus(DVASPECT_CONTENT, &miscStatus);
    const bool siteFirst = (miscStatus & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (siteFirst) {
        result = m_pObject->SetClientSite(&m_xClientSite);
    }
    CComPtr<IPersistStreamInit> persist;
    if (SUCCEEDED(result) && SUCCEEDED(m_pObject.QueryInterface(persist))) {
        result = persist->InitNew();
    }
    if (SUCCEEDED(result) && !siteFirst) {
        result = m_pObject->SetClientSite(&m_xClientSite);
    }
    if (SUCCEEDED(result) && pSink != nullptr && SUCCEEDED(pSink->Advise(m_pObject))) {
        m_pSink = pSink;
    }
    m_rcPos = rect;
    if (SUCCEEDED(result)) {
        result = m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_xClientSite, 0, m_hWndContainer,
                                   &m_rcPos);
    }
    if (FAILED(result)) {
        Close();
    }
    return result;
}

HWND COleControlSite::GetControlWindow() const {
    HWND hWnd = nullptr;
    if (m_pInPlaceObject) {
        m_pInPlaceObject->GetWindow(&hWnd);
    }
    return hWnd;
}

void COleControlSite::SetObjectRects(const RECT& rect) {
    m_rcPos = rect;
    if (m_pInPlaceObject) {
        m_pInPlaceObject->SetObjectRects(&m_rcPos, &m_rcPos);
    }
}

HRESULT COleControlSite::put_DocHostFlags(DWORD dwFlags) {
    m_dwDocHostFlags = dwFlags;
    CComPtr<IOleControl> control;
    if (FAILED(m_pObject.QueryInterface(control))) {
        return S_OK;
    }
    return control->OnAmbientPropertyChange(DISPID_UNKNOWN);
}

BOOL COleControlSite::TranslateAccelerator(MSG* pMsg) {
    // A reference of our own: the control may let go of its active object while it translates.
    const CComPtr<IOleInPlaceActiveObject> active = m_pActiveObject;
    return active && active->TranslateAccelerator(pMsg) == S_OK;
}

void COleControlSite::Close() {
    if (m_pSink) {
        m_pSink->Unadvise();
        m_pSink.Release();
    }
    if (m_pInPlaceObject) {
        m_pInPlaceObject->InPlaceDeactivate();
        m_pInPlaceObject.Release();
    }
    m_pActiveObject.Release();
    if (m_pObject) {
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
        m_pObject.Release();
    }
}

STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) {
        return E_POINTER;
    }
    IUnknown* found = nullptr;
    if (riid == IID_IUnknown) {
        found = static_cast<IUnknown*>(this);
    } else if (riid == IID_IOleClientSite) {
        found = &m_xClientSite;
    } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) {
        found = &m_xInPlaceSite;
    } else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame) {
        found = &m_xInPlaceFrame;
    } else if (riid == IID_IDocHostUIHandler) {
        found = &m_xDocHostUIHandler;
    } else if (riid == IID_IDispatch) {
        found = &m_xAmbientDispatch;
    }
    *ppv = found;
    if (found == nullptr) {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControlSite::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) COleControlSite::Release() {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) {
        delete this;
    }
    return static_cast<ULONG>(refs);
}
