#include "XPointer.h"

#include <windows.h>

#include <functional>
#include <string>

namespace XPointer {

namespace {

constexpr DWORD kTimeoutMs = 5000;

// Wine gives no usable handle or exit code for a Unix process, so the caller waits for the input's effect.
bool Start(const std::wstring& arguments) {
    std::wstring commandLine = L"/usr/bin/xdotool " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool WaitFor(const std::function<bool()>& arrived) {
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (!arrived()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(5);
    }
    return true;
}

bool ButtonDown() {
    return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
}

} // namespace

bool MoveTo(int x, int y) {
    return Start(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y)) && WaitFor([x, y] {
               POINT at = {};
               return GetCursorPos(&at) && at.x == x && at.y == y;
           });
}

bool Press() {
    return Start(L"mousedown 1") && WaitFor(ButtonDown);
}

bool Release() {
    return Start(L"mouseup 1") && WaitFor([] { return !ButtonDown(); });
}

bool Click() {
    return Press() && Release();
}

} // namespace XPointer
