#include "ControlTestWindows.h"

namespace {

constexpr wchar_t kParentClass[] = L"ControlTests.Parent";
constexpr wchar_t kForeignClass[] = L"ControlTests.Foreign";

void RegisterPlainClass(LPCWSTR name) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    ::RegisterClassExW(&windowClass);
}

} // namespace

BEGIN_MESSAGE_MAP(CTestParent, CWnd)
ON_MESSAGE(LM_SELECTED, &CTestParent::OnSelected)
ON_MESSAGE(LM_START, &CTestParent::OnStart)
ON_MESSAGE(WM_CLOSE, &CTestParent::OnClose)
END_MESSAGE_MAP()

BOOL CTestParent::Create(const CRect& screenRect) {
    RegisterPlainClass(kParentClass);
    return CreateEx(0, kParentClass, L"Control test", WS_POPUP | WS_VISIBLE, screenRect, nullptr, 0);
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
    for (;;) {
        PumpMessages();
        if (done()) {
            return true;
        }
        if (::GetTickCount64() >= deadline) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool BringToForeground(HWND hWnd) {
    return WaitUntil([hWnd] {
        if (::GetForegroundWindow() != hWnd) {
            ::SetForegroundWindow(hWnd);
        }
        return ::GetForegroundWindow() == hWnd;
    });
}

CForeignWindow::CForeignWindow() {
    m_hReady = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_hThread = ::CreateThread(nullptr, 0, &CForeignWindow::ThreadMain, this, 0, nullptr);
    ::WaitForSingleObject(m_hReady, 10000);
}

CForeignWindow::~CForeignWindow() {
    if (m_hWnd != nullptr) {
        ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
    }
    ::WaitForSingleObject(m_hThread, 10000);
    ::CloseHandle(m_hThread);
    ::CloseHandle(m_hReady);
}

DWORD WINAPI CForeignWindow::ThreadMain(LPVOID context) {
    auto* self = static_cast<CForeignWindow*>(context);
    RegisterPlainClass(kForeignClass);
    self->m_hWnd = ::CreateWindowExW(0, kForeignClass, L"Another program", WS_POPUP | WS_VISIBLE, 900, 700,
                                     120, 80, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetEvent(self->m_hReady);
    MSG msg;
    while (self->m_hWnd != nullptr && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_CLOSE && msg.hwnd == self->m_hWnd) {
            ::DestroyWindow(self->m_hWnd);
            break;
        }
        ::DispatchMessageW(&msg);
    }
    return 0;
}
