// One launcher per logon session, kept by a named event that lives as long as its process.
#pragma once

#include <windows.h>

constexpr wchar_t kSingleInstanceMarkerName[] = L"B3340AE4-659E-4815-ACB3-EC7CD89B21C8";

// TRUE when this process may run: no other process holds the marker, and this one now does. The
// marker's handle is kept open on purpose until the process ends. If the marker cannot be created
// at all, the launcher runs without it.
BOOL ClaimSingleInstanceMarker();
