// Start-up time: from process creation until the program's window is visible and painted.
#include "HostPath.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

// "Painted" means the window's centre on screen differs from what was there before it appeared.
double StartOnce(const std::wstring& exe) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    HDC screen = GetDC(nullptr);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    Search search = {process.dwProcessId, nullptr};
    COLORREF before = CLR_INVALID;
    for (;;) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (search.window) {
            RECT rect;
            GetWindowRect(search.window, &rect);
            const COLORREF now =
                GetPixel(screen, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 + 40);
            if (before == CLR_INVALID)
                before = now;
            else if (now != before)
                break;
        }
        Sleep(1);
    }
    QueryPerformanceCounter(&end);
    PostMessageW(search.window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ReleaseDC(nullptr, screen);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

double Median(const std::wstring& exe, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(StartOnce(exe));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <launcher.exe> <empty dialog.exe>\n", argv[0]);
        return 2;
    }
    constexpr int kRuns = 5;
    const double launcher = Median(ToWindowsPath(argv[1]), kRuns);
    const double empty = Median(ToWindowsPath(argv[2]), kRuns);
    std::printf("start-up until visible and painted (median of %d)\n", kRuns);
    std::printf("%-22s %10.0f ms\n%-22s %10.0f ms\n%-22s %10.2fx\n", "launcher", launcher, "empty dialog",
                empty, "ratio", launcher / empty);
    return 0;
}
