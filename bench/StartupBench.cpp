// Start-up time: from process creation until the program's window is visible and painted. The launcher
// counts as painted once its start button shows its face, so the time covers the skin and every button; the
// platform floor once the skin shows where that face would be; the empty dialog once its centre shows
// anything other than what was there before it. The programs start in turns, so all see the same machine.
#include "HostPath.h"
#include "ButtonWindow.h"
#include "ShippedButtons.h"

#include "SkinImage.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 9;
// The centre of the start button's face, in the face image and where the button draws it in the window.
constexpr const BUTTON_DATA& kStart = ButtonRowFor(RequestStart);
constexpr POINT kStartFacePixel = {kStart.face.Width() / 2, kStart.face.Height() / 2};
const POINT kStartFaceCentre = {DrawnFaceRect(kStart.face).left + kStartFacePixel.x,
                                DrawnFaceRect(kStart.face).top + kStartFacePixel.y};
constexpr int kStartNormalFace = kStart.normalImage;
// Where the platform floor keeps the skin (PlatformFloor.rc).
constexpr int kFloorSkinResource = 1;

enum class Painted {
    StartFace, // the screen shows `expected` at the start button's face centre
    Centre,    // the window's centre changed
};

struct Program {
    std::wstring exe;
    Painted painted;
    COLORREF expected; // at kStartFaceCentre in the window
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

COLORREF StartFaceColour(const std::wstring& launcher) {
    const HMODULE module = LoadLibraryExW(launcher.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HBITMAP face = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(kStartNormalFace), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, face);
    const COLORREF colour = GetPixel(dc, kStartFacePixel.x, kStartFacePixel.y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(face);
    FreeLibrary(module);
    return colour;
}

// The skin's pixel at the start button's face centre, from the skin the floor carries.
COLORREF FloorSkinColour(const std::wstring& floor) {
    const HMODULE module = LoadLibraryExW(floor.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const CBitmap skin = LoadPngResource(module, kFloorSkinResource);
    COLORREF colour = CLR_INVALID;
    CMemoryDC dc(nullptr);
    if (skin.GetSafeHandle() != nullptr && dc.IsValid()) {
        const CSelectObjectScope select(dc, skin);
        colour = ::GetPixel(dc, kStartFaceCentre.x, kStartFaceCentre.y);
    }
    FreeLibrary(module);
    return colour;
}

POINT WorkAreaCentre() {
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {(work.left + work.right) / 2, (work.top + work.bottom) / 2};
}

double StartOnce(const Program& program) {
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
        return -1;
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
    PostMessageW(search.window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ReleaseDC(nullptr, screen);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <launcher.exe> <platform floor.exe> <empty dialog.exe>\n", argv[0]);
        return 2;
    }
    const std::wstring launcherExe = ToWindowsPath(argv[1]), floorExe = ToWindowsPath(argv[2]);
    const Program launcher = {launcherExe, Painted::StartFace, StartFaceColour(launcherExe)};
    const Program floor = {floorExe, Painted::StartFace, FloorSkinColour(floorExe)};
    const Program empty = {ToWindowsPath(argv[3]), Painted::Centre, CLR_INVALID};
    if (floor.expected == CLR_INVALID) {
        std::fprintf(stderr, "the platform floor's skin could not be decoded\n");
        return 1;
    }
    std::vector<double> launcherTimes, floorTimes, emptyTimes;
    for (int run = 0; run < kRuns; ++run) {
        launcherTimes.push_back(StartOnce(launcher));
        floorTimes.push_back(StartOnce(floor));
        emptyTimes.push_back(StartOnce(empty));
    }
    const double launcherMs = Median(launcherTimes), floorMs = Median(floorTimes),
                 emptyMs = Median(emptyTimes);
    std::printf("start-up until visible and painted, buttons included (median of %d, in turns)\n", kRuns);
    std::printf("%-22s %10.0f ms\n%-22s %10.0f ms\n%-22s %10.0f ms\n", "launcher", launcherMs,
                "platform floor", floorMs, "empty dialog", emptyMs);
    std::printf("%-22s %10.2fx\n%-22s %10.2fx\n", "launcher / floor", launcherMs / floorMs,
                "launcher / empty", launcherMs / emptyMs);
    return 0;
}
