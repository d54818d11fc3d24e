// A window the framework did not create is subclassed by putting the framework's procedure in place of its
// own, so the framework's procedure is one link of a chain that other code may lengthen before or after it:
// what each procedure of the chain sees, in order, tells whether every message is passed on and whether the
// chain is left whole when the window ends.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestWindows.h"

namespace {

constexpr UINT kSentDuringPreSubclass = WM_APP + 1;

std::vector<std::string> g_seen;
HWND g_window = nullptr;
WNDPROC g_frameworkProc = nullptr;
WNDPROC g_otherPrevious = nullptr;

const char* NameOf(UINT message) {
    switch (message) {
    case WM_APP:
        return "app";
    case kSentDuringPreSubclass:
        return "sent during PreSubclassWindow";
    case WM_DESTROY:
        return "destroy";
    case WM_NCDESTROY:
        return "ncdestroy";
    default:
        return nullptr;
    }
}

void See(const char* who, UINT message) {
    if (const char* name = NameOf(message)) {
        g_seen.push_back(std::string(who) + ": " + name);
    }
}

const char* ProcedureName(LONG_PTR procedure);

// The window's own procedure, of a plain class.
LRESULT CALLBACK OriginalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    See("original", message);
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// A subclass made by other code after the framework's, the classic way; it takes itself out at the window's
// end, after passing WM_NCDESTROY on, and first notes whether it is still the installed procedure.
LRESULT CALLBACK OtherProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    See("other", message);
    const LRESULT result = ::CallWindowProcW(g_otherPrevious, hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        g_seen.push_back(std::string("other, after passing it on, finds installed: ") +
                         ProcedureName(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)));
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_otherPrevious));
    }
    return result;
}

const char* ProcedureName(LONG_PTR procedure) {
    if (procedure == reinterpret_cast<LONG_PTR>(&OriginalProc)) {
        return "original";
    }
    if (procedure == reinterpret_cast<LONG_PTR>(&OtherProc)) {
        return "other";
    }
    return procedure == reinterpret_cast<LONG_PTR>(g_frameworkProc) ? "framework" : "unknown";
}

void InstallOther() {
    g_otherPrevious = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(g_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherProc)));
}

void RemoveOther() {
    ::SetWindowLongPtrW(g_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_otherPrevious));
}

// Runs once every procedure of the chain has returned from a sent message: for WM_NCDESTROY, the window's
// last, it shows which procedure the chain was left with.
LRESULT CALLBACK AfterEachSentMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_window && sent->message == WM_NCDESTROY) {
        g_seen.push_back(std::string("left installed: ") +
                         ProcedureName(::GetWindowLongPtrW(sent->hwnd, GWLP_WNDPROC)));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class CChainRecorder : public CWnd {
public:
    bool m_sendDuringPreSubclass = false;

    void PreSubclassWindow() override {
        g_seen.emplace_back("PreSubclassWindow");
        if (m_sendDuringPreSubclass) {
            SendMessage(kSentDuringPreSubclass);
        }
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        See("framework", message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { g_seen.emplace_back("PostNcDestroy"); }
};

TEST(SubclassTest, EveryMessageGoesDownTheChainAndTheChainStaysWholeAtTheEnd) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &OriginalProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SubclassTestOriginal";
    ::RegisterClassW(&windowClass);
    const HHOOK hook =
        ::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterEachSentMessage, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);

    const std::vector<std::string> end = {"framework: destroy",   "original: destroy",
                                          "framework: ncdestroy", "original: ncdestroy",
                                          "PostNcDestroy",        "left installed: original"};
    const auto then = [](std::vector<std::string> first, const std::vector<std::string>& rest) {
        first.insert(first.end(), rest.begin(), rest.end());
        return first;
    };
    struct Case {
        const char* name;
        bool sendDuringPreSubclass;
        std::function<void()> whileSubclassed;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"destroyed while subclassed", false, [] { ::SendMessageW(g_window, WM_APP, 0, 0); },
         then({"PreSubclassWindow", "framework: app", "original: app"}, end)},
        {"a message sent during PreSubclassWindow", true, [] {},
         then({"PreSubclassWindow", "framework: sent during PreSubclassWindow",
               "original: sent during PreSubclassWindow"},
              end)},
        {"a later subclass, taken out before the framework's", false,
         [] {
             InstallOther();
             ::SendMessageW(g_window, WM_APP, 0, 0);
             RemoveOther();
             ::SendMessageW(g_window, WM_APP, 0, 0);
         },
         then({"PreSubclassWindow", "other: app", "framework: app", "original: app", "framework: app",
               "original: app"},
              end)},
        {"a later subclass, taken out after the framework's, at the window's end",
         false,
         [] {
             InstallOther();
             ::SendMessageW(g_window, WM_APP, 0, 0);
         },
         {"PreSubclassWindow", "other: app", "framework: app", "original: app", "other: destroy",
          "framework: destroy", "original: destroy", "other: ncdestroy", "framework: ncdestroy",
          "original: ncdestroy", "PostNcDestroy", "other, after passing it on, finds installed: other",
          "left installed: framework"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_seen.clear();
        g_window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(nullptr, g_window);
        CChainRecorder recorder;
        recorder.m_sendDuringPreSubclass = c.sendDuringPreSubclass;
        ASSERT_TRUE(recorder.SubclassWindow(g_window));
        g_frameworkProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(g_window, GWLP_WNDPROC));
        EXPECT_EQ(&recorder, CWnd::FromHandlePermanent(g_window));

        c.whileSubclassed();
        EXPECT_TRUE(recorder.DestroyWindow());

        EXPECT_EQ(c.expected, g_seen);
        EXPECT_EQ(nullptr, recorder.m_hWnd);
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(g_window));
    }
    ::UnhookWindowsHookEx(hook);
    ::UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

} // namespace
