// The skinned progress bar: a paint of an unchanged bar (one block copy of its cached picture) against a
// full redraw of its slices, and what ten idle bars cost in CPU time over ten seconds of their timers.
#include <windows.h>

#include <cstdio>

#include "BenchClock.h"
#include <memory>
#include <vector>

#include "Framework.h"
#include "SkinProgress.h"

namespace {

CWinApp theApp;
constexpr int kPaints = 300;
constexpr DWORD kIdleMs = 10000;

double CpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>(static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

void PumpFor(DWORD ms) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    MSG msg;
    while (GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - GetTickCount64()),
                                  QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
    }
}

class CPlainParent : public CWnd {};

} // namespace

int wmain() {
    CPlainParent parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), L"Progress bench", WS_POPUP | WS_VISIBLE,
                    CRect(50, 50, 450, 450), nullptr, 0);
    std::vector<std::unique_ptr<CStatic>> hosts;
    std::vector<std::unique_ptr<CSkinProgress>> bars;
    const auto addBar = [&](int top) {
        hosts.push_back(std::make_unique<CStatic>());
        hosts.back()->Create(L"", WS_VISIBLE, CRect(10, top, 390, top + 20), &parent, 10000);
        bars.push_back(std::make_unique<CSkinProgress>(hosts.back().get(), nullptr, 100));
        ::UpdateWindow(*bars.back());
    };
    addBar(10);
    CSkinProgress& bar = *bars.front();

    double unchanged = 0, redrawn = 0;
    for (int paint = 0; paint < kPaints; ++paint) {
        double start = NowMs();
        bar.Invalidate(FALSE);
        ::UpdateWindow(bar);
        unchanged += NowMs() - start;
        start = NowMs();
        bar.SetEndValue(paint % 2 == 0 ? 30 : 70);
        ::UpdateWindow(bar);
        redrawn += NowMs() - start;
    }
    std::printf("progress bar paint (mean of %d)\n", kPaints);
    std::printf("%-28s %10.3f ms\n%-28s %10.3f ms\n%-28s %10.2fx\n", "unchanged: one block copy",
                unchanged / kPaints, "full redraw of the slices", redrawn / kPaints, "ratio",
                redrawn / unchanged);

    double cpu = CpuMs();
    PumpFor(kIdleMs);
    const double withOneBar = CpuMs() - cpu;
    for (int i = 1; i < 10; ++i) {
        addBar(10 + 30 * i);
    }
    PumpFor(1000); // the new bars' first paints
    cpu = CpuMs();
    PumpFor(kIdleMs);
    const double withTenBars = CpuMs() - cpu;
    std::printf("idle timers, CPU time over %lu s\n", kIdleMs / 1000);
    std::printf("%-28s %10.1f ms\n%-28s %10.1f ms\n", "one bar", withOneBar, "ten bars", withTenBars);
    bars.clear();
    return 0;
}
