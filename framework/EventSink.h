#pragma once

#include <windows.h>
#include <ocidl.h>

#include "ComPtr.h"

class CCmdTarget;

// Receives the dispatch events of one control and hands each to its target's event sink map, as the events
// of control nCtrlID. It answers only IUnknown, IDispatch and the control's events interface.
class CEventSink final : public IDispatch {
public:
    static CComPtr<CEventSink> Create(CCmdTarget* pTarget, UINT nCtrlID, REFIID diidEvents);
    // Connects to the control's connection point for the events interface.
    HRESULT Advise(IUnknown* pControl);
    // Ends the connection Advise made, if any, and forgets the target: a late event is dropped.
    void Unadvise();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                               DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
    // Sinks not yet deleted, for leak checks.
    static int LiveObjectCount() { return s_liveObjects; }

private:
    CEventSink(CCmdTarget* pTarget, UINT nCtrlID, REFIID diidEvents);
    ~CEventSink() { --s_liveObjects; }

    LONG m_refs = 1;
    CCmdTarget* m_pTarget;
    UINT m_nCtrlID;
    IID m_diidEvents;
    CComPtr<IConnectionPoint> m_pConnectionPoint;
    DWORD m_dwCookie = 0;
    static inline int s_liveObjects = 0;
};
