#pragma once

#include <oleauto.h>

// Owns one system string (BSTR) and frees it with the object; every BSTR the program makes is held in one
// of these. A text that cannot be allocated gives a null BSTR, which COM reads as the empty string.
class CComBSTR {
public:
    explicit CComBSTR(LPCOLESTR text) : m_str(::SysAllocString(text)) {}
    ~CComBSTR() { ::SysFreeString(m_str); }
    CComBSTR(const CComBSTR&) = delete;
    CComBSTR& operator=(const CComBSTR&) = delete;

    operator BSTR() const { return m_str; }

private:
    BSTR m_str;
};
