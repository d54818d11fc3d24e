// One launcher per logon session, kept by a named event that lives as long as its process.
#pragma once

#include <windows.h>

constexpr wchar_t kSingleInstanceMarkerName[] = L"B3340AE4-659E-4815-ACB3-EC7CD89B21C8";

// The two steps of a claim as the system takes them: opening a marker another process holds, and
// creating one, which also reports whether it existed already. Each leaves the reason of a failure in the
// thread's last error, as the system does. A test puts its own steps here to place another launcher
// between them, or to fail them.
struct MARKER_CALLS {
    HANDLE (*open)(const wchar_t* name);
    HANDLE (*create)(const wchar_t* name, BOOL* existed);
};
extern const MARKER_CALLS g_SystemMarkerCalls;

// TRUE when this process may run: no other process holds the marker, and this one now does. Two
// launchers started together can both find no marker in the first step; the one whose creation finds
// it made already gives way. A marker that exists but may not be opened (ERROR_ACCESS_DENIED) is held
// by another launcher too. The marker's handle is kept open on purpose until the process ends. If the
// marker cannot be created for any other reason, the launcher runs without it.
BOOL ClaimSingleInstanceMarker(const wchar_t* name = kSingleInstanceMarkerName,
                               const MARKER_CALLS& calls = g_SystemMarkerCalls);
