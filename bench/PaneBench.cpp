// What creating the notice pane costs: the first pane of a process (which loads the web-browser control)
// and later ones, against the whole start-up measured by startup_bench.
#include <windows.h>

#include <cstdio>

#include "BenchClock.h"

#include "Framework.h"
#include "SimpleBrowser.h"

namespace {

CWinApp theApp;
constexpr int kLaterPanes = 10;

class CPlainParent : public CWnd {};

struct PaneTimes {
    double create;
    double navigate;
};

// Creation as the builder does it, then the first navigation to a web address.
PaneTimes CreateOnePane(CWnd& parent) {
    SimpleBrowser pane;
    const double start = NowMs();
    pane.CreateFromControl(&parent, 112);
    pane.MoveWindow(17, 57, 795, 464, TRUE);
    const double created = NowMs();
    pane.Navigate(L"http://notice.invalid/notice/Login_big/launcherPage.asp");
    return {created - start, NowMs() - created};
}

} // namespace

int wmain() {
    AfxEnableControlContainer();
    CPlainParent parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), L"Pane bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 830, 620),
                    nullptr, 0);
    const PaneTimes first = CreateOnePane(parent);
    PaneTimes later = {0, 0};
    for (int i = 0; i < kLaterPanes; ++i) {
        const PaneTimes one = CreateOnePane(parent);
        later.create += one.create;
        later.navigate += one.navigate;
    }
    std::printf("notice pane, creation (the blank document's wait included) and first navigation\n");
    std::printf("%-28s %10.1f ms create %10.1f ms navigate\n", "first pane of the process", first.create,
                first.navigate);
    std::printf("%-28s %10.1f ms create %10.1f ms navigate\n", "later panes (mean of 10)",
                later.create / kLaterPanes, later.navigate / kLaterPanes);
    return 0;
}
