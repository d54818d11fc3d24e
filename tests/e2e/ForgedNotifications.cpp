// Another program on the same desktop, as an attacker writes it: a window of its own carrying window
// properties under every name a framework might keep an object pointer in, with junk values, and child
// notifications sent to the launcher's windows that name that window or carry junk pointers. WM_NOTIFY goes
// every way a program can hand over a message: sent and waited for, posted, sent without waiting
// (SendNotifyMessageW) and sent with a callback (SendMessageCallbackW); all of it from this program's main
// thread and again from a second thread of its own.
// It finds the launcher as anyone can, by its window title. It prints one line per kind of message and way,
// "<name> <delivered> <sent>", and exits with the number delivered, or -1 when there is no launcher window.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "LauncherTitle.h"

namespace {

// Names a framework could use to lead from a window to its object, ours of old among them.
constexpr const wchar_t* kPropertyNames[] = {
    L"Framework.BoundCWnd", L"AfxOldWndProc423", L"CWnd", L"this", L"Object", L"CC32SubclassInfo",
};
constexpr ULONG_PTR kJunk[] = {0x41414141, 0xDEADBEEF, 0x00000010, 0x7FFE0000, 0xFFFFFFF0};

// Control ids the launcher's dialog maps to nothing, so a delivered command can do no harm of its own.
constexpr WORD kUnmappedId = 0x4242;

// How a message is handed over.
enum class Way { Sent, Posted, SentWithoutWaiting, SentWithCallback };
constexpr const char* kWayNames[] = {"sent", "posted", "send-notify", "send-callback"};

struct Tally {
    std::string name;
    UINT message;
    Way way;
    int sent;
    int delivered;
};

struct Target {
    HWND window;
    std::vector<HWND> children;
};

class Sender {
public:
    explicit Sender(const char* thread) : m_thread(thread) {}

    // A sent message counts as delivered when the receiving thread answered it in time; one handed over
    // without waiting, when the system took it for the receiver. Windows sends WM_NOTIFY to another process
    // as it is and refuses to post it or send it without waiting; Wine refuses to send it to another
    // process, even without waiting, yet posts it and sends it with a callback.
    void Hand(Way way, HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
        Tally& tally = TallyOf(message, way);
        ++tally.sent;
        DWORD_PTR ignored = 0;
        BOOL delivered = FALSE;
        switch (way) {
        case Way::Sent:
            delivered =
                ::SendMessageTimeoutW(to, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
            break;
        case Way::Posted:
            delivered = ::PostMessageW(to, message, wParam, lParam);
            break;
        case Way::SentWithoutWaiting:
            delivered = ::SendNotifyMessageW(to, message, wParam, lParam);
            break;
        case Way::SentWithCallback:
            delivered = ::SendMessageCallbackW(to, message, wParam, lParam, &Answered, 0);
            break;
        }
        if (delivered) {
            ++tally.delivered;
        }
    }
    int Report() const {
        int delivered = 0;
        for (const Tally& tally : m_tallies) {
            if (tally.sent == 0) {
                continue;
            }
            std::printf("%s/%s/%s %d %d\n", tally.name.c_str(), kWayNames[static_cast<int>(tally.way)],
                        m_thread, tally.delivered, tally.sent);
            delivered += tally.delivered;
        }
        return delivered;
    }

private:
    static void CALLBACK Answered(HWND, UINT, ULONG_PTR, LRESULT) {}

    Tally& TallyOf(UINT message, Way way) {
        for (Tally& tally : m_tallies) {
            if (tally.message == message && tally.way == way) {
                return tally;
            }
        }
        return m_tallies.emplace_back(Tally{"other", message, way, 0, 0});
    }

    const char* m_thread;
    std::vector<Tally> m_tallies = {
        {"WM_COMMAND", WM_COMMAND, Way::Sent, 0, 0},
        {"WM_CTLCOLORBTN", WM_CTLCOLORBTN, Way::Sent, 0, 0},
        {"WM_CTLCOLOREDIT", WM_CTLCOLOREDIT, Way::Sent, 0, 0},
        {"WM_NOTIFY", WM_NOTIFY, Way::Sent, 0, 0},
        {"WM_NOTIFY", WM_NOTIFY, Way::Posted, 0, 0},
        {"WM_NOTIFY", WM_NOTIFY, Way::SentWithoutWaiting, 0, 0},
        {"WM_NOTIFY", WM_NOTIFY, Way::SentWithCallback, 0, 0},
        {"WM_INITDIALOG", WM_INITDIALOG, Way::Sent, 0, 0},
        {"WM_NCCREATE", WM_NCCREATE, Way::Sent, 0, 0},
    };
};

HWND MakeForgedWindow() {
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"forged", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    for (const wchar_t* name : kPropertyNames) {
        ::SetPropW(window, name, reinterpret_cast<HANDLE>(kJunk[0]));
    }
    return window;
}

void SendNotificationsNaming(Sender& sender, HWND to, HWND forged, ULONG_PTR junk) {
    for (const wchar_t* name : kPropertyNames) {
        ::SetPropW(forged, name, reinterpret_cast<HANDLE>(junk));
    }
    const LPARAM named = reinterpret_cast<LPARAM>(forged);
    const HDC dc = ::GetDC(forged);
    sender.Hand(Way::Sent, to, WM_COMMAND, MAKEWPARAM(kUnmappedId, BN_CLICKED), named);
    sender.Hand(Way::Sent, to, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), named);
    sender.Hand(Way::Sent, to, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), named);
    ::ReleaseDC(forged, dc);
    // Pointers that mean nothing in the receiver's address space.
    for (const Way way : {Way::Sent, Way::Posted, Way::SentWithoutWaiting, Way::SentWithCallback}) {
        sender.Hand(way, to, WM_NOTIFY, kUnmappedId, static_cast<LPARAM>(junk));
    }
    sender.Hand(Way::Sent, to, WM_INITDIALOG, 0, static_cast<LPARAM>(junk));
    // The system copies a creation record into the receiver; its creation parameter stays a junk pointer.
    CREATESTRUCTW create = {};
    create.lpCreateParams = reinterpret_cast<LPVOID>(junk);
    create.lpszName = L"forged";
    create.cx = 10;
    create.cy = 10;
    sender.Hand(Way::Sent, to, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create));
}

struct Forgery {
    const Target* target;
    HWND forged;
    int delivered;
};

// Everything, to the launcher's window and each of its own controls, with each junk value; then the
// answers of the callbacks are let in.
int Forge(const Target& target, HWND forged, const char* thread) {
    Sender sender(thread);
    for (const ULONG_PTR junk : kJunk) {
        SendNotificationsNaming(sender, target.window, forged, junk);
        for (const HWND child : target.children) {
            SendNotificationsNaming(sender, child, forged, junk);
        }
    }
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&msg);
    }
    return sender.Report();
}

DWORD WINAPI ForgeOnSecondThread(LPVOID context) {
    auto* const forgery = static_cast<Forgery*>(context);
    forgery->delivered = Forge(*forgery->target, forgery->forged, "second-thread");
    return 0;
}

} // namespace

int wmain() {
    Target target = {::FindWindowW(nullptr, kLauncherTitle), {}};
    if (target.window == nullptr) {
        return -1;
    }
    // The launcher's own controls; the browser control's windows inside the pane are the system's.
    for (HWND child = ::GetWindow(target.window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        target.children.push_back(child);
    }

    const HWND forged = MakeForgedWindow();
    int delivered = Forge(target, forged, "main-thread");
    Forgery second = {&target, forged, 0};
    const HANDLE thread = ::CreateThread(nullptr, 0, &ForgeOnSecondThread, &second, 0, nullptr);
    if (thread != nullptr) {
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
        delivered += second.delivered;
    }
    ::DestroyWindow(forged);
    return delivered;
}
