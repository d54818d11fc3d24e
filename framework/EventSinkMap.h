#pragma once

#include <windows.h>
#include <oaidl.h>

#include <cstddef>
#include <tuple>
#include <utility>

class CCmdTarget;

// One entry of an event sink map: an event of the control with id nCtrlID, by its DISPID, and the thunk
// that unpacks its arguments and calls the member handler.
struct AFX_EVENTSINKMAP_ENTRY {
    UINT nCtrlID;
    DISPID dispid;
    HRESULT (*pfn)(CCmdTarget* pTarget, DISPPARAMS* pParams); // null ends the entry array
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

// Reading one event argument as the handler's parameter type. Each checks the variant's type (and, for
// references, its pointer) before reading it, and answers DISP_E_TYPEMISMATCH instead of guessing.
namespace AfxEventArgs {

inline HRESULT Read(VARIANTARG& arg, IDispatch*& out) {
    if (arg.vt == VT_DISPATCH) {
        out = arg.pdispVal;
    } else if (arg.vt == (VT_DISPATCH | VT_BYREF) && arg.ppdispVal != nullptr) {
        out = *arg.ppdispVal;
    } else {
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

// A variant passed by reference arrives as the variant it refers to; one passed by value as itself.
inline HRESULT Read(VARIANTARG& arg, VARIANT*& out) {
    out = arg.vt == (VT_VARIANT | VT_BYREF) ? arg.pvarVal : &arg;
    return S_OK;
}

inline HRESULT Read(VARIANTARG& arg, VARIANT_BOOL*& out) {
    if (arg.vt != (VT_BOOL | VT_BYREF)) {
        return DISP_E_TYPEMISMATCH;
    }
    out = arg.pboolVal;
    return S_OK;
}

inline HRESULT Read(VARIANTARG& arg, long& out) {
    VARIANT converted;
    ::VariantInit(&converted);
    if (FAILED(::VariantChangeType(&converted, &arg, 0, VT_I4))) {
        return DISP_E_TYPEMISMATCH;
    }
    out = converted.lVal;
    return S_OK;
}

// A missing string (empty or null variant) reads as a null BSTR, which is the empty string.
inline HRESULT Read(VARIANTARG& arg, BSTR& out) {
    if (arg.vt == VT_BSTR) {
        out = arg.bstrVal;
    } else if (arg.vt == (VT_BSTR | VT_BYREF) && arg.pbstrVal != nullptr) {
        out = *arg.pbstrVal;
    } else if (arg.vt == VT_EMPTY || arg.vt == VT_NULL) {
        out = nullptr;
    } else {
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

// DISPPARAMS hold the arguments last first, so the handler's parameter I is rgvarg[cArgs - 1 - I].
template <typename Class, typename... Args, std::size_t... I>
HRESULT Call(CCmdTarget* pTarget, void (Class::*handler)(Args...), DISPPARAMS* pParams,
             std::index_sequence<I...>) {
    std::tuple<Args...> values{};
    HRESULT result = S_OK;
    ((result =
          SUCCEEDED(result) ? Read(pParams->rgvarg[pParams->cArgs - 1 - I], std::get<I>(values)) : result),
     ...);
    if (FAILED(result)) {
        return result;
    }
    (static_cast<Class*>(pTarget)->*handler)(std::get<I>(values)...);
    return S_OK;
}

template <typename Class, typename... Args>
HRESULT Invoke(CCmdTarget* pTarget, void (Class::*handler)(Args...), DISPPARAMS* pParams) {
    if (pParams == nullptr || pParams->cArgs != sizeof...(Args) ||
        (sizeof...(Args) != 0 && pParams->rgvarg == nullptr)) {
        return DISP_E_BADPARAMCOUNT;
    }
    return Call(pTarget, handler, pParams, std::index_sequence_for<Args...>());
}

} // namespace AfxEventArgs

// The handler's parameter types say how each argument is read; a handler of an unsupported type fails to
// compile.
template <auto Handler> HRESULT AfxEventThunk(CCmdTarget* pTarget, DISPPARAMS* pParams) {
    return AfxEventArgs::Invoke(pTarget, Handler, pParams);
}

#define DECLARE_EVENTSINK_MAP()                                                                              \
protected:                                                                                                   \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();                                                    \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override;

// clang-format off
#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                                                             \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const { return GetThisEventSinkMap(); }              \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap() {                                                \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static constexpr AFX_EVENTSINKMAP_ENTRY entries[] = {

#define ON_EVENT(id, dispid, memberFxn) {static_cast<UINT>(id), dispid, &AfxEventThunk<memberFxn>},

#define END_EVENTSINK_MAP()                                                                                  \
            {0, 0, nullptr}};                                                                                \
        static constexpr AFX_EVENTSINKMAP eventSinkMap = {&TheBaseClass::GetThisEventSinkMap, entries};      \
        return &eventSinkMap;                                                                                \
    }
// clang-format on
