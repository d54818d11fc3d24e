#include "WebAddress.h"

namespace {

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool IsSchemeCharacter(wchar_t c) {
    return IsAsciiLetter(c) || (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.';
}

wchar_t LowerAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Whether the `length` characters at `text` are `lower` in any case.
bool EqualsIgnoringCase(const wchar_t* text, const wchar_t* lower, int length) {
    for (int i = 0; i < length; ++i) {
        if (lower[i] == L'\0' || LowerAscii(text[i]) != lower[i]) {
            return false;
        }
    }
    return lower[length] == L'\0';
}

int Length(const wchar_t* text) {
    int length = 0;
    while (text[length] != L'\0') {
        ++length;
    }
    return length;
}

} // namespace

bool IsWebAddress(const wchar_t* address) {
    if (address == nullptr) {
        return false;
    }
    const wchar_t* scheme = address;
    while (*scheme != L'\0' && *scheme <= L' ') {
        ++scheme;
    }
    if (!IsAsciiLetter(*scheme)) {
        return false;
    }
    int schemeLength = 1;
    while (IsSchemeCharacter(scheme[schemeLength])) {
        ++schemeLength;
    }
    if (scheme[schemeLength] != L':') {
        return false;
    }
    const wchar_t* const rest = scheme + schemeLength + 1;
    return EqualsIgnoringCase(scheme, L"http", schemeLength) ||
           EqualsIgnoringCase(scheme, L"https", schemeLength) ||
           (EqualsIgnoringCase(scheme, L"about", schemeLength) &&
            EqualsIgnoringCase(rest, L"blank", Length(rest)));
}
