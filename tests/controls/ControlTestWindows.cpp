#include "ControlTestWindows.h"

#include <gtest/gtest.h>

namespace {

// The framework registers window classes with the application object, and the browser pane needs OLE,
// which the application's control containment starts.
CWinApp theApp;

class ControlContainment : public ::testing::Environment {
public:
    void SetUp() override { AfxEnableControlContainer(); }
};

const ::testing::Environment* const g_controlContainment =
    ::testing::AddGlobalTestEnvironment(new ControlContainment);

} // namespace

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
    windowClass.lpszClassName = L"ControlTests.Parent";
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
