// Start-up time: from process creation until the program's window is visible and painted. The launcher
// and the platform floor, which shows the same without the launcher's code (FloorWindow.h), count as
// painted once the start button's normal face shows, so the time covers the skin and every face; the empty
// dialog once its centre shows anything other than what was there before it. Each program's working set is
// read at that moment. The programs start in turns, so all see the same machine.
#include "ButtonWindow.h"
#include "HostPath.h"
#include "ShippedButtons.h"
#include "Targets.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 9;
constexpr double kStartupTarget = 1.10;
constexpr double kWorkingSetTarget = 1.2;

// The centre of the start button's face, in the face image and in the window.
constexpr const BUTTON_DATA& kStart = ButtonRowFor(RequestStart);
constexpr POINT kStartFacePixel = {kStart.face.Width() / 2, kStart.face.Height() / 2};
const POINT kStartFaceCentre = {DrawnFaceRect(kStart.face).left + kStartFacePixel.x,
                                DrawnFaceRect(kStart.face).top + kStartFacePixel.y};

enum class Painted {
    StartFace, // the screen shows `expected` at the start button's face centre
    Centre,    // the window's centre changed
};

struct Program {
    std::wstring exe;
    Painted painted;
    COLORREF expected; // at kStartFaceCentre in the window
};

struct Start {
    double ms;
    double workingSetMb;
};

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

// The pixel at the centre of the start button's normal face, from the program's own resources: the floor
// carries the launcher's.
COLORREF StartFaceColour(const std::wstring& exe) {
    const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HBITMAP face = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(kStart.normalImage), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    COLORREF colour = CLR_INVALID;
    if (face != nullptr) {
        HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, face);
        colour = GetPixel(dc, kStartFacePixel.x, kStartFacePixel.y);
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(face);
    }
    if (module != nullptr) {
        FreeLibrary(module);
    }
    return colour;
}

POINT WorkAreaCentre() {
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {(work.left + work.right) / 2, (work.top + work.bottom) / 2};
}

double WorkingSetMb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters)
               ? static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0)
               : 0;
}

Start StartOnce(const Program& program) {
    std::wstring commandLine = L"\"" + program.exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    HDC screen = GetDC(nullptr);
    const POINT centre = WorkAreaCentre();
    const COLORREF before = GetPixel(screen, centre.x, centre.y);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ReleaseDC(nullptr, screen);
        return {-1, 0};
    }
    Search search = {process.dwProcessId, nullptr};
    const ULONGLONG deadline = GetTickCount64() + 60000;
    for (bool painted = false; !painted && GetTickCount64() < deadline; Sleep(1)) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (search.window == nullptr) {
            continue;
        }
        RECT rect;
        GetWindowRect(search.window, &rect);
        if (program.painted == Painted::StartFace) {
            painted = GetPixel(screen, rect.left + kStartFaceCentre.x, rect.top + kStartFaceCentre.y) ==
                      program.expected;
        } else {
            painted = GetPixel(screen, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2) != before;
        }
    }
    QueryPerformanceCounter(&end);
    const double workingSetMb = WorkingSetMb(process.hProcess);
    PostMessageW(search.window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ReleaseDC(nullptr, screen);
    return {1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart, workingSetMb};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Runs {
    std::vector<double> ms, workingSetMb;

    void Add(const Start& start) {
        ms.push_back(start.ms);
        workingSetMb.push_back(start.workingSetMb);
    }
};

} // namespace

// --emulated: 32-bit code runs under an emulator here, which the start-up target does not allow for.
int main(int argc, char** argv) {
    const bool emulated = argc == 5 && std::strcmp(argv[4], "--emulated") == 0;
    if (argc != 4 && !emulated) {
        std::fprintf(stderr,
                     "usage: %s <launcher.exe> <platform floor.exe> <empty dialog.exe> [--emulated]\n",
                     argv[0]);
        return 2;
    }
    const std::wstring launcherExe = ToWindowsPath(argv[1]), floorExe = ToWindowsPath(argv[2]);
    const Program launcher = {launcherExe, Painted::StartFace, StartFaceColour(launcherExe)};
    const Program floor = {floorExe, Painted::StartFace, StartFaceColour(floorExe)};
    const Program empty = {ToWindowsPath(argv[3]), Painted::Centre, CLR_INVALID};
    if (launcher.expected == CLR_INVALID || floor.expected == CLR_INVALID) {
        std::fprintf(stderr, "the start button's face could not be read from the launcher or the floor\n");
        return 1;
    }
    Runs launcherRuns, floorRuns, emptyRuns;
    for (int run = 0; run < kRuns; ++run) {
        launcherRuns.Add(StartOnce(launcher));
        floorRuns.Add(StartOnce(floor));
        emptyRuns.Add(StartOnce(empty));
    }
    const double launcherMs = Median(launcherRuns.ms), floorMs = Median(floorRuns.ms),
                 emptyMs = Median(emptyRuns.ms);
    const double launcherMb = Median(launcherRuns.workingSetMb), floorMb = Median(floorRuns.workingSetMb);
    std::printf("start-up until visible and painted, buttons included (median of %d, in turns)%s\n", kRuns,
                emulated ? ", 32-bit code emulated" : "");
    std::printf("%-22s %10.0f ms   working set %6.1f MB\n", "launcher", launcherMs, launcherMb);
    std::printf("%-22s %10.0f ms   working set %6.1f MB\n", "platform floor", floorMs, floorMb);
    std::printf("%-22s %10.0f ms\n", "empty dialog", emptyMs);
    std::printf("%-22s %10.2fx\n%-22s %10.2fx\n", "launcher / floor", launcherMs / floorMs,
                "launcher / empty", launcherMs / emptyMs);
    PrintTarget("start-up, launcher / floor", launcherMs / floorMs, AtMost, kStartupTarget,
                emulated ? "(32-bit code emulated here; the target is for machines that run it natively)"
                         : nullptr);
    PrintTarget("working set once shown, launcher / floor", launcherMb / floorMb, AtMost, kWorkingSetTarget);
    return 0;
}
