#include "EventSink.h"

#include "CmdTarget.h"

CComPtr<CEventSink> CEventSink::Create(CCmdTarget* pTarget, UINT nCtrlID, REFIID diidEvents) {
    CComPtr<CEventSink> sink;
    sink.Attach(new CEventSink(pTarget, nCtrlID, diidEvents));
    return sink;
}

CEventSink::CEventSink(CCmdTarget* pTarget, UINT nCtrlID, REFIID diidEvents)
    : m_pTarget(pTarget), m_nCtrlID(nCtrlID), m_diidEvents(diidEvents) {
    ++s_liveObjects;
}

HRESULT CEventSink::Advise(IUnknown* pControl) {
    CComPtr<IConnectionPointContainer> container;
    HRESULT result = CComPtr<IUnknown>(pControl).QueryInterface(container);
    if (SUCCEEDED(result)) {
        result = container->FindConnectionPoint(m_diidEvents, &m_pConnectionPoint);
    }
    if (SUCCEEDED(result)) {
        result = m_pConnectionPoint->Advise(this, &m_dwCookie);
    }
    if (FAILED(result)) {
        m_pConnectionPoint.Release();
    }
    return result;
}

void CEventSink::Unadvise() {
    if (m_pConnectionPoint) {
        m_pConnectionPoint->Unadvise(m_dwCookie);
        m_pConnectionPoint.Release();
    }
    m_pTarget = nullptr;
}

STDMETHODIMP CEventSink::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) {
        return E_POINTER;
    }
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == m_diidEvents) {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CEventSink::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) CEventSink::Release() {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) {
        delete this;
    }
    return static_cast<ULONG>(refs);
}

STDMETHODIMP CEventSink::GetTypeInfoCount(UINT* pctinfo) {
    if (pctinfo == nullptr) {
        return E_POINTER;
    }
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
    if (ppTInfo != nullptr) {
        *ppTInfo = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP CEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP CEventSink::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams, VARIANT*,
                                EXCEPINFO*, UINT*) {
    if (m_pTarget == nullptr) {
        return DISP_E_MEMBERNOTFOUND;
    }
    // The target's handler may end the target; the sink stays alive until the call is over.
    CComPtr<CEventSink> keepAlive(this);
    return m_pTarget->OnEvent(m_nCtrlID, dispIdMember, pDispParams);
}
