#include "SingleInstance.h"

namespace {

HANDLE OpenMarker(const wchar_t* name) {
    return ::OpenEventW(EVENT_ALL_ACCESS, FALSE, name);
}

HANDLE CreateMarker(const wchar_t* name, BOOL* existed) {
    const HANDLE marker = ::CreateEventW(nullptr, FALSE, FALSE, name);
    *existed = marker != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
    return marker;
}

} // namespace

const MARKER_CALLS g_SystemMarkerCalls = {&OpenMarker, &CreateMarker};

BOOL ClaimSingleInstanceMarker(const wchar_t* name, const MARKER_CALLS& calls) {
    if (const HANDLE other = calls.open(name)) {
        ::CloseHandle(other);
        return FALSE;
    }
    // A marker this process may not open is there all the same: a launcher of another user in this
    // session, or one running elevated, holds it.
    if (::GetLastError() == ERROR_ACCESS_DENIED) {
        return FALSE;
    }
    BOOL existed = FALSE;
    const HANDLE marker = calls.create(name, &existed);
    if (existed) {
        ::CloseHandle(marker);
        return FALSE;
    }
    return marker != nullptr || ::GetLastError() != ERROR_ACCESS_DENIED;
}
