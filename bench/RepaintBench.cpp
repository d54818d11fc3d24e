// Repaint costs of the launcher window, each beside what the platform itself must do to show the same:
// the platform floor's window (FloorWindow.h: the skin, the nine faces and the pane, painted by Win32
// alone), made in the same process beside the launcher's. The full window against the floor's (and, for
// reference, against the launcher's skin alone), the window's background under the start button against
// the floor's, and one hover of the start button on and off against the floor's start face repainted
// twice. The rows are taken in turns, in nine samples; each figure is the median of the samples' means.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "BenchClock.h"
#include "FloorWindow.h"
#include "ShippedButtons.h"
#include "Targets.h"

#include "LauncherDlg.h"
#include "LauncherTitle.h"
#include "resource.h"

namespace {

// The window's controls need the application object (window classes) and OLE (the notice pane).
CWinApp theApp;

constexpr int kSamples = 9;
constexpr int kRoundsPerSample = 25;
constexpr LPARAM kInsideButton = MAKELPARAM(5, 5);
constexpr int kGap = 10; // between the two windows, side by side

constexpr double kFullRepaintTarget = 1.25;
constexpr double kHoverTarget = 1.5;

void RepaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void RepaintSkin(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void RepaintUnderChild(HWND child) {
    RECT area;
    GetWindowRect(child, &area);
    const HWND parent = GetParent(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void HoverOn(HWND button) {
    SendMessageW(button, WM_MOUSEMOVE, 0, kInsideButton);
    UpdateWindow(button);
}

void HoverOff(HWND button) {
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    UpdateWindow(button);
}

void HoverOnAndOff(HWND button) {
    HoverOn(button);
    HoverOff(button);
}

void RepaintTwice(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// One repaint, timed in every round, and the mean of each sample's rounds.
struct Timing {
    Timing(void (*repaint)(HWND)) : work(repaint) {}

    void (*work)(HWND);
    HWND window = nullptr;
    std::vector<double> sampleMeans;

    void Sample(double roundsMs) { sampleMeans.push_back(roundsMs / kRoundsPerSample); }
    double Median() const {
        std::vector<double> sorted = sampleMeans;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[sorted.size() / 2];
    }
};

struct Row {
    const char* name;
    Timing launcher;
    Timing floor;
};

Row g_rows[] = {
    {"skin, buttons and pane", {RepaintAll}, {RepaintAll}},
    {"background under start", {RepaintUnderChild}, {RepaintUnderChild}},
    {"start hover on and off", {HoverOnAndOff}, {RepaintTwice}},
};
Row& g_full = g_rows[0];
Row& g_hover = g_rows[2];
Timing g_skinAlone = {RepaintSkin};
bool g_hoverShown = true;
bool g_overlap = false;

double Timed(const Timing& timing) {
    const double start = NowMs();
    timing.work(timing.window);
    GdiFlush();
    return NowMs() - start;
}

COLORREF CentreOf(HWND button) {
    RECT area;
    GetWindowRect(button, &area);
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, (area.left + area.right) / 2, (area.top + area.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return colour;
}

// A hover that never shows would time nothing; the bench says so instead of printing a flattering row.
bool HoverChangesTheFace(HWND button) {
    const COLORREF normal = CentreOf(button);
    HoverOn(button);
    const COLORREF lit = CentreOf(button);
    HoverOff(button);
    return lit != normal;
}

// Side by side, so that neither window hides any of the other; a screen too narrow for both is reported.
bool PlaceSideBySide(HWND launcher, HWND floor) {
    RECT launcherRect, floorRect;
    GetWindowRect(launcher, &launcherRect);
    GetWindowRect(floor, &floorRect);
    const int launcherWidth = launcherRect.right - launcherRect.left;
    SetWindowPos(launcher, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(floor, nullptr, launcherWidth + kGap, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return launcherWidth + kGap + (floorRect.right - floorRect.left) <= GetSystemMetrics(SM_CXSCREEN);
}

// Runs once the launcher's window is up: makes the floor's window beside it, takes the rows in turns, then
// closes both.
void CALLBACK Measure(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = FindWindowW(nullptr, kLauncherTitle);
    if (window == nullptr || !IsWindowVisible(window)) {
        return;
    }
    KillTimer(nullptr, timer);
    FloorWindow floorState;
    const HWND floor = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LAUNCHER_DIALOG),
                                          nullptr, FloorDialogProc, reinterpret_cast<LPARAM>(&floorState));
    const int startId = ButtonRowFor(RequestStart).id;
    const HWND start = GetDlgItem(window, startId), floorStart = GetDlgItem(floor, startId);
    g_overlap = !PlaceSideBySide(window, floor);
    RepaintAll(window); // the buttons take their background snapshots
    RepaintAll(floor);
    g_hoverShown = HoverChangesTheFace(start);

    g_full.launcher.window = g_skinAlone.window = window;
    g_full.floor.window = floor;
    g_rows[1].launcher.window = g_hover.launcher.window = start;
    g_rows[1].floor.window = g_hover.floor.window = floorStart;
    for (int sample = 0; sample < kSamples; ++sample) {
        double skinMs = 0;
        std::vector<double> launcherMs(std::size(g_rows)), floorMs(std::size(g_rows));
        for (int round = 0; round < kRoundsPerSample; ++round) {
            for (size_t row = 0; row < std::size(g_rows); ++row) {
                launcherMs[row] += Timed(g_rows[row].launcher);
                floorMs[row] += Timed(g_rows[row].floor);
            }
            skinMs += Timed(g_skinAlone);
        }
        for (size_t row = 0; row < std::size(g_rows); ++row) {
            g_rows[row].launcher.Sample(launcherMs[row]);
            g_rows[row].floor.Sample(floorMs[row]);
        }
        g_skinAlone.Sample(skinMs);
    }
    DestroyWindow(floor);
    ReleaseFloorWindow(floorState);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

} // namespace

int wmain() {
    AfxEnableControlContainer();
    {
        CLauncherDlg dlg;
        SetTimer(nullptr, 0, 50, &Measure);
        dlg.DoModal();
    }
    std::printf(
        "repaints of the launcher window against the platform floor's, in the same process (median of %d "
        "samples of %d rounds, in turns)\n",
        kSamples, kRoundsPerSample);
    std::printf("%-24s %10s %10s %8s\n", "", "launcher", "floor", "ratio");
    for (const Row& row : g_rows) {
        const double launcherMs = row.launcher.Median(), floorMs = row.floor.Median();
        std::printf("%-24s %7.3f ms %7.3f ms %7.2fx\n", row.name, launcherMs, floorMs, launcherMs / floorMs);
    }
    std::printf("%-24s %7.3f ms (the launcher's window without its children, for reference)\n", "skin alone",
                g_skinAlone.Median());
    PrintTarget("full repaint, launcher / floor", g_full.launcher.Median() / g_full.floor.Median(), AtMost,
                kFullRepaintTarget);
    PrintTarget("start hover on and off / floor's start face repainted twice",
                g_hover.launcher.Median() / g_hover.floor.Median(), AtMost, kHoverTarget);
    if (!g_hoverShown) {
        std::printf("warning: the start button's hover face did not show; the hover row timed no change\n");
    }
    if (g_overlap) {
        std::printf("warning: the screen is too narrow for both windows side by side; one hides part of the "
                    "other\n");
    }
    return 0;
}
