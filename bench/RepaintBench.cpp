// Repaint cost of the launcher window: the skin with its buttons against the skin alone, measured on
// the real window in one run.
#include <windows.h>

#include <cstdio>

#include "BenchClock.h"

#include "LauncherDlg.h"

namespace {

// The window's controls need the application object (window classes) and OLE (the notice pane).
CWinApp theApp;

constexpr int kRounds = 200;

double g_withButtonsMs = 0;
double g_skinAloneMs = 0;

double Repaint(HWND window, UINT children) {
    const double start = NowMs();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | children);
    GdiFlush();
    return NowMs() - start;
}

// Runs once the launcher's window is up: alternates the two kinds of repaint so that both see the same
// machine, then closes the window.
void CALLBACK Measure(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = FindWindowW(nullptr, L"Skyreach Launcher");
    if (window == nullptr || !IsWindowVisible(window)) {
        return;
    }
    KillTimer(nullptr, timer);
    Repaint(window, RDW_ALLCHILDREN); // the buttons take their background snapshots
    for (int round = 0; round < kRounds; ++round) {
        g_withButtonsMs += Repaint(window, RDW_ALLCHILDREN);
        g_skinAloneMs += Repaint(window, RDW_NOCHILDREN);
    }
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
    std::printf("full repaint of the launcher window (mean of %d)\n", kRounds);
    std::printf("%-22s %10.3f ms\n%-22s %10.3f ms\n%-22s %10.2fx\n", "skin, buttons and pane",
                g_withButtonsMs / kRounds, "skin alone", g_skinAloneMs / kRounds, "ratio",
                g_withButtonsMs / g_skinAloneMs);
    return 0;
}
