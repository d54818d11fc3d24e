#include "TestWindows.h"

#include <algorithm>

namespace {

constexpr wchar_t kProbeClassName[] = L"SkyreachTests.Probe";

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

BEGIN_MESSAGE_MAP(CTestParent, CWnd)
ON_MESSAGE(LM_SELECTED, &CTestParent::OnSelected)
ON_MESSAGE(LM_START, &CTestParent::OnStart)
ON_MESSAGE(WM_CLOSE, &CTestParent::OnClose)
END_MESSAGE_MAP()

BOOL CTestParent::Create(const CRect& screenRect) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"SkyreachTests.Parent";
    ::RegisterClassExW(&windowClass);
    if (!CreateEx(0, windowClass.lpszClassName, L"Control test", WS_POPUP, screenRect, nullptr, 0)) {
        return FALSE;
    }
    // Shown without taking the focus: Wine waits up to two seconds for a window manager to take back an
    // activated window when it goes, and here there is none. A test that needs activation asks for it.
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

CRect RectInParent(HWND window) {
    return CWnd(window).GetWindowRectInParent();
}

Capture CaptureWindow(HWND window) {
    ::UpdateWindow(window);
    CRect client;
    ::GetClientRect(window, &client);
    Capture capture{client.Width(), client.Height(),
                    std::vector<std::uint32_t>(static_cast<size_t>(client.Width()) * client.Height())};
    void* bits = nullptr;
    const HDC windowDC = ::GetDC(window);
    const CBitmap section = Create32BitDib(windowDC, capture.width, -capture.height, &bits);
    CMemoryDC memory(windowDC);
    {
        const CSelectObjectScope select(memory, section);
        ::BitBlt(memory, 0, 0, capture.width, capture.height, windowDC, 0, 0, SRCCOPY);
    }
    ::GdiFlush();
    std::copy_n(static_cast<const std::uint32_t*>(bits), capture.pixels.size(), capture.pixels.begin());
    ::ReleaseDC(window, windowDC);
    return capture;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (PumpMessages(); !done(); PumpMessages()) {
        if (::GetTickCount64() >= deadline) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}
