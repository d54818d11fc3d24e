// Another program on the same desktop, as an attacker writes it: a window of its own carrying window
// properties under every name a framework might keep an object pointer in, with junk values, and child
// notifications sent to the launcher's windows that name that window or carry junk pointers.
// It finds the launcher as anyone can, by its window title. It prints one line per kind of message, "<name>
// <delivered> <sent>", and exits with the number delivered, or -1 when there is no launcher window.
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

// Names a framework could use to lead from a window to its object, ours of old among them.
constexpr const wchar_t* kPropertyNames[] = {
    L"Framework.BoundCWnd", L"AfxOldWndProc423", L"CWnd", L"this", L"Object", L"CC32SubclassInfo",
};
constexpr ULONG_PTR kJunk[] = {0x41414141, 0xDEADBEEF, 0x00000010, 0x7FFE0000, 0xFFFFFFF0};

// Control ids the launcher's dialog maps to nothing, so a delivered command can do no harm of its own.
constexpr WORD kUnmappedId = 0x4242;

struct Target {
    HWND window;
    std::vector<HWND> children;
};

struct Tally {
    const char* name;
    UINT message;
    int sent;
    int delivered;
};

class Sender {
public:
    // A message counts as delivered when the receiving thread answered it in time. Wine, unlike Windows,
    // refuses to send WM_NOTIFY to another process at all.
    void Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
        Tally& tally = TallyOf(message);
        ++tally.sent;
        DWORD_PTR ignored = 0;
        if (::SendMessageTimeoutW(to, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &ignored)) {
            ++tally.delivered;
        }
    }
    int Report() const {
        int delivered = 0;
        for (const Tally& tally : m_tallies) {
            std::printf("%s %d %d\n", tally.name, tally.delivered, tally.sent);
            delivered += tally.delivered;
        }
        return delivered;
    }

private:
    Tally& TallyOf(UINT message) {
        for (Tally& tally : m_tallies) {
            if (tally.message == message) {
                return tally;
            }
        }
        return m_tallies.emplace_back(Tally{"other", message, 0, 0});
    }

    std::vector<Tally> m_tallies = {
        {"WM_COMMAND", WM_COMMAND, 0, 0},           {"WM_CTLCOLORBTN", WM_CTLCOLORBTN, 0, 0},
        {"WM_CTLCOLOREDIT", WM_CTLCOLOREDIT, 0, 0}, {"WM_NOTIFY", WM_NOTIFY, 0, 0},
        {"WM_INITDIALOG", WM_INITDIALOG, 0, 0},     {"WM_NCCREATE", WM_NCCREATE, 0, 0},
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
    sender.Send(to, WM_COMMAND, MAKEWPARAM(kUnmappedId, BN_CLICKED), named);
    sender.Send(to, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), named);
    sender.Send(to, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), named);
    ::ReleaseDC(forged, dc);
    // Pointers that mean nothing in the receiver's address space.
    sender.Send(to, WM_NOTIFY, kUnmappedId, static_cast<LPARAM>(junk));
    sender.Send(to, WM_INITDIALOG, 0, static_cast<LPARAM>(junk));
    // The system copies a creation record into the receiver; its creation parameter stays a junk pointer.
    CREATESTRUCTW create = {};
    create.lpCreateParams = reinterpret_cast<LPVOID>(junk);
    create.lpszName = L"forged";
    create.cx = 10;
    create.cy = 10;
    sender.Send(to, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create));
}

} // namespace

int wmain() {
    Target target = {::FindWindowW(nullptr, L"Skyreach Launcher"), {}};
    if (target.window == nullptr) {
        return -1;
    }
    // The launcher's own controls; the browser control's windows inside the pane are the system's.
    for (HWND child = ::GetWindow(target.window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        target.children.push_back(child);
    }

    const HWND forged = MakeForgedWindow();
    Sender sender;
    for (const ULONG_PTR junk : kJunk) {
        SendNotificationsNaming(sender, target.window, forged, junk);
        for (const HWND child : target.children) {
            SendNotificationsNaming(sender, child, forged, junk);
        }
    }
    ::DestroyWindow(forged);
    return sender.Report();
}
