#include "SingleInstance.h"

BOOL ClaimSingleInstanceMarker() {
    if (const HANDLE other = OpenEventW(EVENT_ALL_ACCESS, FALSE, kSingleInstanceMarkerName)) {
        CloseHandle(other);
        return FALSE;
    }
    // Two launchers started together can both pass the check above; whichever creates the event
    // second sees that it already existed and gives way.
    const HANDLE marker = CreateEventW(nullptr, FALSE, FALSE, kSingleInstanceMarkerName);
    if (marker && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(marker);
        return FALSE;
    }
    return TRUE;
}
