#pragma once

#include <string>

// The small wide-string value the window wrappers hand out; formatting is left to the standard library.
class CString {
public:
    CString() = default;
    CString(const wchar_t* psz) : m_text(psz ? psz : L"") {}

    bool IsEmpty() const { return m_text.empty(); }
    operator const wchar_t*() const { return m_text.c_str(); }

    friend bool operator==(const CString& lhs, const CString& rhs) { return lhs.m_text == rhs.m_text; }
    friend bool operator==(const CString& lhs, const wchar_t* rhs) { return lhs == CString(rhs); }
    friend bool operator==(const wchar_t* lhs, const CString& rhs) { return CString(lhs) == rhs; }
    friend bool operator!=(const CString& lhs, const CString& rhs) { return !(lhs == rhs); }
    friend bool operator!=(const CString& lhs, const wchar_t* rhs) { return !(lhs == rhs); }
    friend bool operator!=(const wchar_t* lhs, const CString& rhs) { return !(lhs == rhs); }

private:
    std::wstring m_text;
};
