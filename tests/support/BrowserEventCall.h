// An event of the browser control built the way the control builds it, handed to a pane through its event
// sink map: DISPPARAMS hold the arguments last first, strings and post data arrive through variant
// references.
#pragma once

#include <deque>
#include <vector>

#include "Framework.h"

class EventCall {
public:
    ~EventCall() {
        for (VARIANT& value : m_values) {
            ::VariantClear(&value);
        }
    }
    EventCall& Dispatch(IDispatch* pDisp) {
        return Add(VT_DISPATCH, [&](VARIANT& v) { v.pdispVal = pDisp; });
    }
    EventCall& Long(long value) {
        return Add(VT_I4, [&](VARIANT& v) { v.lVal = value; });
    }
    EventCall& Bstr(const wchar_t* text) {
        return Add(VT_BSTR, [&](VARIANT& v) { v.bstrVal = ::SysAllocString(text); });
    }
    EventCall& Cancel(VARIANT_BOOL* cancel) {
        return Add(VT_BOOL | VT_BYREF, [&](VARIANT& v) { v.pboolVal = cancel; });
    }
    // A variant reference to a string, or to whatever `value` holds.
    EventCall& RefString(const wchar_t* text) {
        VARIANT value = {};
        value.vt = VT_BSTR;
        value.bstrVal = ::SysAllocString(text);
        return RefTo(value);
    }
    EventCall& RefTo(const VARIANT& value) {
        m_values.push_back(value);
        VARIANT* const target = &m_values.back();
        return Add(
            VT_VARIANT | VT_BYREF, [&](VARIANT& v) { v.pvarVal = target; }, false);
    }
    // Post data as Wine passes it: a reference to a reference to an array, labelled with the element type
    // the caller claims, which a broken or hostile caller can make disagree with the array.
    EventCall& RefPostData(SAFEARRAY* array, VARTYPE claimedElements) {
        VARIANT bytes = {};
        bytes.vt = VT_ARRAY | claimedElements;
        bytes.parray = array;
        m_values.push_back(bytes);
        VARIANT inner = {};
        inner.vt = VT_VARIANT | VT_BYREF;
        inner.pvarVal = &m_values.back();
        m_inner.push_back(inner);
        VARIANT* const target = &m_inner.back();
        return Add(
            VT_VARIANT | VT_BYREF, [&](VARIANT& v) { v.pvarVal = target; }, false);
    }
    // An argument labelled `type` whose value's bits are those of `bits`, as a broken or hostile caller can
    // hand it over: a reference to something of another type, or a value that reads as an address.
    EventCall& Claimed(VARTYPE type, void* bits) {
        return Add(
            type, [&](VARIANT& v) { v.byref = bits; }, false);
    }
    // Hands the event to the pane as its event sink does: through its event sink map.
    HRESULT Invoke(CCmdTarget& pane, DISPID dispid) {
        std::vector<VARIANTARG> reversed(m_args.rbegin(), m_args.rend());
        DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        return pane.OnEvent(AFX_IDW_PANE_FIRST, dispid, &params);
    }

private:
    template <typename Fill> EventCall& Add(VARTYPE type, Fill fill, bool owned = true) {
        VARIANTARG arg = {};
        arg.vt = type;
        fill(arg);
        m_args.push_back(arg);
        if (owned && type == VT_BSTR) {
            m_values.push_back(arg); // freed with the call
        }
        return *this;
    }
    std::vector<VARIANTARG> m_args;
    std::deque<VARIANT> m_values;
    std::deque<VARIANT> m_inner;
};
