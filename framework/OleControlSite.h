#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <mshtmhst.h>

#include "ComPtr.h"
#include "EventSink.h"

// Hosts one ActiveX control in place inside a window of ours, the container, and keeps it sized to the
// rectangle it is given. The site is the control's client site, in-place site and frame, its document host
// and the source of its ambient properties: one object with one reference count, whose OLE interfaces are
// small helpers that forward IUnknown to it.
class COleControlSite final : public IUnknown {
public:
    static CComPtr<COleControlSite> Create(HWND hWndContainer);

    // Creates the control, sites it (before initialising it when it asks to be sited first), connects the
    // sink to its events and activates it in place over rect, in the container's client coordinates. On
    // failure nothing of the control is kept.
    HRESULT CreateControl(REFCLSID clsid, const RECT& rect, CEventSink* pSink);
    const CComPtr<IOleObject>& GetControl() const { return m_pObject; }
    // The control's own window while it is active in place.
    HWND GetControlWindow() const;
    void SetObjectRects(const RECT& rect);
    // The document-host flags GetHostInfo reports. Setting them tells the control that its ambient
    // properties changed, so it asks again.
    HRESULT put_DocHostFlags(DWORD dwFlags);
    // Offers a keyboard message to the control's active object; TRUE when the control took it.
    BOOL TranslateAccelerator(MSG* pMsg);
    // In this order: ends the event connection, deactivates the control, closes it without saving, clears
    // its client site and lets go of every reference to it.
    void Close();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // Sites not yet deleted, for leak checks.
    static int LiveObjectCount() { return s_liveObjects; }

private:
    explicit COleControlSite(HWND hWndContainer);
    ~COleControlSite() { --s_liveObjects; }

    // The helpers' IUnknown: everything goes to the site.
    template <typename Interface> class CForwarder : public Interface {
    public:
        explicit CForwarder(COleControlSite* pSite) : m_pSite(pSite) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
            return m_pSite->QueryInterface(riid, ppv);
        }
        STDMETHODIMP_(ULONG) AddRef() override { return m_pSite->AddRef(); }
        STDMETHODIMP_(ULONG) Release() override { return m_pSite->Release(); }

    protected:
        COleControlSite* const m_pSite;
    };

    class XOleClientSite : public CForwarder<IOleClientSite> {
    public:
        using CForwarder::CForwarder;
        STDMETHODIMP SaveObject() override;
        STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
        STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
        STDMETHODIMP ShowObject() override;
        STDMETHODIMP OnShowWindow(BOOL fShow) override;
        STDMETHODIMP RequestNewObjectLayout() override;
    };

    class XOleInPlaceSite : public CForwarder<IOleInPlaceSite> {
    public:
        using CForwarder::CForwarder;
        STDMETHODIMP GetWindow(HWND* phwnd) override;
        STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
        STDMETHODIMP CanInPlaceActivate() override;
        STDMETHODIMP OnInPlaceActivate() override;
        STDMETHODIMP OnUIActivate() override;
        STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                      LPRECT lprcPosRect, LPRECT lprcClipRect,
                                      LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
        STDMETHODIMP Scroll(SIZE scrollExtant) override;
        STDMETHODIMP OnUIDeactivate(BOOL fUndoable) override;
        STDMETHODIMP OnInPlaceDeactivate() override;
        STDMETHODIMP DiscardUndoState() override;
        STDMETHODIMP DeactivateAndUndo() override;
        STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;
    };

    class XOleInPlaceFrame : public CForwarder<IOleInPlaceFrame> {
    public:
        using CForwarder::CForwarder;
        STDMETHODIMP GetWindow(HWND* phwnd) override;
        STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
        STDMETHODIMP GetBorder(LPRECT lprectBorder) override;
        STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
        STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
        STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
        STDMETHODIMP InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
        STDMETHODIMP SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
        STDMETHODIMP RemoveMenus(HMENU hmenuShared) override;
        STDMETHODIMP SetStatusText(LPCOLESTR pszStatusText) override;
        STDMETHODIMP EnableModeless(BOOL fEnable) override;
        STDMETHODIMP TranslateAccelerator(LPMSG lpmsg, WORD wID) override;
    };

    class XDocHostUIHandler : public CForwarder<IDocHostUIHandler> {
    public:
        using CForwarder::CForwarder;
        STDMETHODIMP ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved,
                                     IDispatch* pdispReserved) override;
        STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* pInfo) override;
        STDMETHODIMP ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject,
                            IOleCommandTarget* pCommandTarget, IOleInPlaceFrame* pFrame,
                            IOleInPlaceUIWindow* pDoc) override;
        STDMETHODIMP HideUI() override;
        STDMETHODIMP UpdateUI() override;
        STDMETHODIMP EnableModeless(BOOL fEnable) override;
        STDMETHODIMP OnDocWindowActivate(BOOL fActivate) override;
        STDMETHODIMP OnFrameWindowActivate(BOOL fActivate) override;
        STDMETHODIMP ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow,
                                  BOOL fRameWindow) override;
        STDMETHODIMP TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
        STDMETHODIMP GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw) override;
        STDMETHODIMP GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
        STDMETHODIMP GetExternal(IDispatch** ppDispatch) override;
        STDMETHODIMP TranslateUrl(DWORD dwTranslate, LPWSTR pchURLIn, LPWSTR* ppchURLOut) override;
        STDMETHODIMP FilterDataObject(IDataObject* pDO, IDataObject** ppDORet) override;
    };

    // Ambient properties, asked for through the client site's IDispatch.
    class XAmbientDispatch : public CForwarder<IDispatch> {
    public:
        using CForwarder::CForwarder;
        STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
        STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
        STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                   DISPID* rgDispId) override;
        STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                            VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
    };

    LONG m_refs = 1;
    HWND m_hWndContainer;
    RECT m_rcPos = {};
    DWORD m_dwDocHostFlags = 0;
    XOleClientSite m_xClientSite{this};
    XOleInPlaceSite m_xInPlaceSite{this};
    XOleInPlaceFrame m_xInPlaceFrame{this};
    XDocHostUIHandler m_xDocHostUIHandler{this};
    XAmbientDispatch m_xAmbientDispatch{this};
    CComPtr<IOleObject> m_pObject;
    CComPtr<IOleInPlaceObject> m_pInPlaceObject;
    CComPtr<IOleInPlaceActiveObject> m_pActiveObject;
    CComPtr<CEventSink> m_pSink;
    static inline int s_liveObjects = 0;
};
