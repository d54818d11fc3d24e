#include "TestWindows.h"

namespace {

constexpr wchar_t kProbeClassName[] = L"FrameworkTests.Probe";

LRESULT CALLBACK ProbeWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP) {
        return ProbeAnswer(message, wParam);
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace

LRESULT ProbeAnswer(UINT message, WPARAM wParam) {
    return static_cast<LRESULT>(0x100000 + (message - WM_APP) * 0x100 + wParam);
}

HWND CreateProbeWindow() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &ProbeWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kProbeClassName;
    ::RegisterClassExW(&windowClass);
    return ::CreateWindowExW(0, kProbeClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

BOOL CreateFrameworkPopup(CWnd& wnd) {
    return wnd.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, kSmallRect, nullptr, 0);
}
