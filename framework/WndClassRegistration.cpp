#include "Wnd.h"

#include <string>

#include "WinApp.h"

namespace {

void AppendHex(std::wstring& text, UINT_PTR value) {
    constexpr wchar_t kDigits[] = L"0123456789abcdef";
    wchar_t digits[2 * sizeof(value)];
    int count = 0;
    do {
        digits[count++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    text.push_back(L':');
    while (count > 0) {
        text.push_back(digits[--count]);
    }
}

// The same arguments always give the same name, so a class is registered once and reused afterwards.
std::wstring ClassNameFor(HINSTANCE hInstance, UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                          HICON hIcon) {
    std::wstring name = L"Afx";
    AppendHex(name, reinterpret_cast<UINT_PTR>(hInstance));
    AppendHex(name, nClassStyle);
    AppendHex(name, reinterpret_cast<UINT_PTR>(hCursor));
    AppendHex(name, reinterpret_cast<UINT_PTR>(hbrBackground));
    AppendHex(name, reinterpret_cast<UINT_PTR>(hIcon));
    return name;
}

} // namespace

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    CWinApp* const pApp = AfxGetApp();
    if (pApp == nullptr) {
        return nullptr;
    }
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    const std::wstring name = ClassNameFor(hInstance, nClassStyle, hCursor, hbrBackground, hIcon);
    if (LPCWSTR stored = pApp->m_wndClassNames.Find(name)) {
        return stored;
    }
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = nClassStyle;
    windowClass.lpfnWndProc = &CWnd::FrameworkWindowProc;
    windowClass.hInstance = hInstance;
    windowClass.hCursor = hCursor;
    windowClass.hbrBackground = hbrBackground;
    windowClass.hIcon = hIcon;
    windowClass.lpszClassName = name.c_str();
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }
    return pApp->m_wndClassNames.Add(name);
}
