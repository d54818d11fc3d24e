// The launcher window's answers to its notice pane, with the real window, its pane and the system's browser
// control: a navigation or a new window to anywhere but the web is cancelled, the web is let through.
#include <gtest/gtest.h>

#include <exdispid.h>
#include <shlwapi.h>
#include <urlmon.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "BrowserEventCall.h"
#include "LauncherDlg.h"
#include "LauncherTitle.h"
#include "LoopbackHttpServer.h"
#include "TestWindows.h"
#include "WebAddress.h"
#include "WebAddressCases.h"

namespace {

constexpr int kNoticePaneId = kBrowserData[0].id;

struct Answer {
    UINT code;
    std::wstring url;
    LRESULT result;
};

// What the launcher window answered its notice pane, seen on the way back from its window procedure.
std::vector<Answer> g_answers;

LRESULT CALLBACK RecordAnswer(int code, WPARAM removal, LPARAM lParam) {
    const auto* const call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_NOTIFY && call->lParam != 0 && !::InSendMessage()) {
        const auto* const record = reinterpret_cast<const BROWSER_NOTIFY*>(call->lParam);
        wchar_t title[32] = {};
        ::GetWindowTextW(call->hwnd, title, 32);
        if (std::wstring(title) == kLauncherTitle &&
            record->hdr.hwndFrom == ::GetDlgItem(call->hwnd, kNoticePaneId)) {
            g_answers.push_back({record->hdr.code, std::wstring(record->url), call->lResult});
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

size_t CountOf(UINT code, size_t from = 0) {
    size_t count = 0;
    for (size_t i = from; i < g_answers.size(); ++i) {
        count += g_answers[i].code == code ? 1 : 0;
    }
    return count;
}

struct Attempt {
    std::wstring address;
    std::vector<Answer> answers; // from its first notification until the next address's
};

struct Run {
    std::vector<Answer> start; // the pane's own navigations while the window is built
    std::vector<Attempt> navigations;
    std::vector<std::pair<const wchar_t*, VARIANT_BOOL>> newWindows; // the cancel answer left for each
    std::vector<Answer> newWindowAnswers;
    std::vector<std::string> requests;
};

const LoopbackHttpServer* g_server = nullptr;
Run g_run;

// Addresses as a notice page could name them.
const wchar_t* const kRefused[] = {
    L"file:///C:/windows/win.ini",
    L"FILE://c:/windows",
    L"skyreachtest:launch",
    L"C:\\windows\\notepad.exe",
    L"\\\\host\\share\\x.exe",
    L"javascript:alert(1)",
    L"res://ieframe.dll/navcancl.htm",
    L"mk:@MSITStore:C:\\x.chm::/x.htm",
    L"ms-settings:",
    L"search-ms:query=x",
};

// Sends the pane to the address, then to a web page of the loopback server, and keeps what the window
// answered until that page had loaded: whatever the first address set off has happened by then.
Attempt Navigate(SimpleBrowser& pane, const std::wstring& address, int index) {
    const size_t first = g_answers.size();
    pane.Navigate(address.c_str());
    WaitUntil([&] { return CountOf(BRN_BEFORENAVIGATE2, first) > 0; });
    const std::wstring next = g_server->Url((L"/after/" + std::to_wstring(index)).c_str());
    const size_t second = g_answers.size();
    pane.Navigate(next.c_str());
    WaitUntil([&] { return CountOf(BRN_DOWNLOADCOMPLETE, second) > 0; }, 15000);
    Attempt attempt = {address, {}};
    for (size_t i = first; i < g_answers.size() && g_answers[i].url != next; ++i) {
        attempt.answers.push_back(g_answers[i]);
    }
    return attempt;
}

void CALLBACK Drive(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = ::FindWindowW(nullptr, kLauncherTitle);
    if (window == nullptr || !::IsWindowVisible(window)) {
        return;
    }
    ::KillTimer(nullptr, timer);
    g_run.start = g_answers;
    auto* const pane =
        dynamic_cast<SimpleBrowser*>(CWnd::FromHandlePermanent(::GetDlgItem(window, kNoticePaneId)));
    if (pane != nullptr) {
        int index = 0;
        for (const wchar_t* address : kRefused) {
            g_run.navigations.push_back(Navigate(*pane, address, ++index));
        }
        g_run.navigations.push_back(Navigate(*pane, g_server->Url(L"/web"), ++index));
        g_run.requests = g_server->Requests();

        // Wine's control never asks for a new window: the request is handed to the pane as the control hands
        // it.
        const size_t first = g_answers.size();
        std::vector<const wchar_t*> newWindows(std::begin(kRefused), std::end(kRefused));
        newWindows.push_back(L"https://popup.example/");
        for (const wchar_t* address : newWindows) {
            VARIANT_BOOL cancel = VARIANT_FALSE;
            IDispatch* created = nullptr;
            EventCall()
                .Claimed(VT_DISPATCH | VT_BYREF, &created)
                .Cancel(&cancel)
                .Long(0)
                .Bstr(L"http://notice.example/")
                .Bstr(address)
                .Invoke(*pane, DISPID_NEWWINDOW3);
            g_run.newWindows.emplace_back(address, cancel);
        }
        g_run.newWindowAnswers.assign(g_answers.begin() + static_cast<ptrdiff_t>(first), g_answers.end());
    }
    ::PostMessageW(window, WM_CLOSE, 0, 0);
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

std::string Described(const std::vector<Answer>& answers) {
    std::string text;
    for (const Answer& a : answers) {
        text += " [code " + std::to_string(a.code) + " " + Narrow(a.url) + " answered " +
                std::to_string(a.result) + "]";
    }
    return text;
}

bool Contains(const std::vector<Answer>& answers, UINT code) {
    return std::any_of(answers.begin(), answers.end(), [code](const Answer& a) { return a.code == code; });
}

TEST(LauncherNavigation, ThePaneGoesToTheWebOnlyAndNoNewWindowLeavesIt) {
    const LoopbackHttpServer server;
    g_server = &server;
    const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &RecordAnswer, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    {
        CLauncherDlg dlg;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &Drive);
        dlg.DoModal();
        ::KillTimer(nullptr, timer);
    }
    ::UnhookWindowsHookEx(hook);

    // The pane's own start: the blank page, then the notice page of the table.
    std::vector<Answer> starts;
    std::copy_if(g_run.start.begin(), g_run.start.end(), std::back_inserter(starts),
                 [](const Answer& a) { return a.code == BRN_BEFORENAVIGATE2; });
    ASSERT_EQ(starts.size(), 2u) << Described(g_run.start);
    EXPECT_EQ(starts[0].url, L"about:blank");
    EXPECT_EQ(starts[1].url, kBrowserData[0].url);
    EXPECT_EQ(starts[0].result, 0);
    EXPECT_EQ(starts[1].result, 0);

    ASSERT_EQ(g_run.navigations.size(), std::size(kRefused) + 1) << "the pane was not found";
    const auto cancelled = [](const std::vector<Answer>& answers) {
        return std::count_if(answers.begin(), answers.end(), [](const Answer& a) { return a.result != 0; });
    };
    std::printf("navigations tried %zu, answered with a cancel %ld; new windows tried %zu, answered with a "
                "cancel %ld\n",
                g_run.navigations.size(),
                static_cast<long>(std::count_if(g_run.navigations.begin(), g_run.navigations.end(),
                                                [&](const Attempt& a) { return cancelled(a.answers) > 0; })),
                g_run.newWindows.size(), static_cast<long>(cancelled(g_run.newWindowAnswers)));
    for (const Attempt& attempt : g_run.navigations) {
        const bool web = &attempt == &g_run.navigations.back();
        SCOPED_TRACE(Narrow(attempt.address) + ":" + Described(attempt.answers));
        ASSERT_FALSE(attempt.answers.empty());
        EXPECT_EQ(attempt.answers[0].code, static_cast<UINT>(BRN_BEFORENAVIGATE2));
        EXPECT_EQ(attempt.answers[0].result != 0, !web) << "the window's answer";
        if (!web) {
            EXPECT_FALSE(Contains(attempt.answers, BRN_NAVIGATECOMPLETE2));
            EXPECT_FALSE(Contains(attempt.answers, BRN_DOWNLOADBEGIN)) << "nothing is fetched";
        }
    }
    EXPECT_NE(std::find(g_run.requests.begin(), g_run.requests.end(), "GET /web HTTP/1.1"),
              g_run.requests.end())
        << "the web page was fetched";

    ASSERT_EQ(g_run.newWindows.size(), std::size(kRefused) + 1);
    ASSERT_EQ(g_run.newWindowAnswers.size(), g_run.newWindows.size()) << Described(g_run.newWindowAnswers);
    for (size_t i = 0; i < g_run.newWindows.size(); ++i) {
        const bool web = i + 1 == g_run.newWindows.size();
        const auto& [address, cancel] = g_run.newWindows[i];
        SCOPED_TRACE(Narrow(address));
        EXPECT_EQ(g_run.newWindowAnswers[i].code, static_cast<UINT>(BRN_NEWWINDOW3));
        EXPECT_EQ(g_run.newWindowAnswers[i].url, address);
        EXPECT_EQ(g_run.newWindowAnswers[i].result != 0, !web) << "the window's answer";
        EXPECT_EQ(cancel, web ? VARIANT_FALSE : VARIANT_TRUE) << "a web address keeps the control's default";
    }
}

// One component of a parsed address as text.
std::wstring PartOf(IUri* uri, HRESULT (STDMETHODCALLTYPE IUri::*get)(BSTR*)) {
    BSTR part = nullptr;
    (uri->*get)(&part);
    const std::wstring text = part != nullptr ? part : L"";
    ::SysFreeString(part);
    return text;
}

// The rule reads each scheme as the system's own address parser does. Told to, the parser takes a path for
// a file address, as the browser control does when it is handed one.
TEST(WebAddress, TheSystemsParserFindsTheSameSchemes) {
    for (const WebAddressCase& c : kWebAddressCases) {
        SCOPED_TRACE(Narrow(c.address));
        CComPtr<IUri> uri;
        bool web = false;
        if (SUCCEEDED(::CreateUri(c.address, Uri_CREATE_ALLOW_IMPLICIT_FILE_SCHEME, 0, &uri))) {
            DWORD scheme = URL_SCHEME_INVALID;
            uri->GetScheme(&scheme);
            // about:blank as a whole, not another page of that scheme nor one with more to it.
            const bool blank =
                scheme == URL_SCHEME_ABOUT && _wcsicmp(PartOf(uri, &IUri::GetPath).c_str(), L"blank") == 0 &&
                PartOf(uri, &IUri::GetFragment).empty() && PartOf(uri, &IUri::GetQuery).empty();
            web = scheme == URL_SCHEME_HTTP || scheme == URL_SCHEME_HTTPS || blank;
        }
        EXPECT_EQ(web, c.web) << "the system's parser";
        EXPECT_EQ(IsWebAddress(c.address), c.web) << "the rule";
    }
}

} // namespace
