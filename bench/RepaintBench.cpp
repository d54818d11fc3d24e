// Repaint costs of the launcher window, measured on the real window in one run, each beside what the
// platform itself must do for the same area: the full window against the skin alone, and the start
// button's area (its background, its hover change) against a window of that size repainted with one copy.
#include <windows.h>

#include <cstdio>

#include "BenchClock.h"
#include "ShippedButtons.h"

#include "LauncherDlg.h"

namespace {

// The window's controls need the application object (window classes) and OLE (the notice pane).
CWinApp theApp;

constexpr int kRounds = 200;
constexpr LPARAM kInsideButton = MAKELPARAM(5, 5);

struct Row {
    const char* name;
    const char* reference;
    double ms = 0;
    double referenceMs = 0;
};

Row g_full = {"skin, buttons and pane", "skin alone"};
Row g_background = {"background under start", "a window of its size"};
Row g_hover = {"start hover on and off", "that window twice"};
bool g_hoverShown = true;

double Timed(void (*work)(HWND), HWND window) {
    const double start = NowMs();
    work(window);
    GdiFlush();
    return NowMs() - start;
}

void RepaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void RepaintSkin(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void RepaintUnderButton(HWND button) {
    RECT area;
    GetWindowRect(button, &area);
    const HWND parent = GetParent(button);
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

// What the platform must do at least to change a look of the button's size: a window of that size, of no
// code but ours here, repainted with one copy of a finished picture.
struct Reference {
    HWND window = nullptr;
    CBitmapDC picture;
};

Reference g_reference;

LRESULT CALLBACK ReferenceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        BitBlt(dc, 0, 0, client.right, client.bottom, g_reference.picture, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Beside the launcher's window, not over it, so that neither hides any of the other.
void MakeReference(HWND button) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ReferenceProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"RepaintReference";
    RegisterClassW(&windowClass);
    RECT area;
    GetWindowRect(button, &area);
    g_reference.window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName, L"",
                                         WS_POPUP, 0, 0, area.right - area.left, area.bottom - area.top,
                                         nullptr, nullptr, windowClass.hInstance, nullptr);
    CClientDC screen(nullptr);
    g_reference.picture = CBitmapDC(screen, area.right - area.left, area.bottom - area.top);
    ShowWindow(g_reference.window, SW_SHOWNOACTIVATE);
    UpdateWindow(g_reference.window);
}

void DestroyReference() {
    DestroyWindow(g_reference.window);
    g_reference.picture = CBitmapDC();
}

void RepaintReference(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void RepaintReferenceTwice(HWND window) {
    RepaintReference(window);
    RepaintReference(window);
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

// Runs once the launcher's window is up: alternates each row with its reference so that both see the
// same machine, then closes the window.
void CALLBACK Measure(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = FindWindowW(nullptr, L"Skyreach Launcher");
    if (window == nullptr || !IsWindowVisible(window)) {
        return;
    }
    KillTimer(nullptr, timer);
    const HWND start = GetDlgItem(window, ButtonRowFor(RequestStart).id);
    RepaintAll(window); // the buttons take their background snapshots
    g_hoverShown = HoverChangesTheFace(start);
    MakeReference(start);
    for (int round = 0; round < kRounds; ++round) {
        g_full.ms += Timed(RepaintAll, window);
        g_full.referenceMs += Timed(RepaintSkin, window);
        g_background.ms += Timed(RepaintUnderButton, start);
        g_background.referenceMs += Timed(RepaintReference, g_reference.window);
        g_hover.ms += Timed(HoverOnAndOff, start);
        g_hover.referenceMs += Timed(RepaintReferenceTwice, g_reference.window);
    }
    DestroyReference();
    PostMessageW(window, WM_CLOSE, 0, 0);
}

void Print(const Row& row) {
    std::printf("%-24s %8.3f ms   %-24s %8.3f ms   %6.2fx\n", row.name, row.ms / kRounds, row.reference,
                row.referenceMs / kRounds, row.ms / row.referenceMs);
}

} // namespace

int wmain() {
    AfxEnableControlContainer();
    {
        CLauncherDlg dlg;
        SetTimer(nullptr, 0, 50, &Measure);
        dlg.DoModal();
    }
    std::printf("repaints of the launcher window against the platform's share (mean of %d, in turns)\n",
                kRounds);
    Print(g_full);
    Print(g_background);
    Print(g_hover);
    if (!g_hoverShown) {
        std::printf("warning: the start button's hover face did not show; the hover row timed no change\n");
    }
    return 0;
}
