// GoogleTest's thread-safe build wants std::mutex for its Notification, which MinGW's win32 thread
// model lacks; this stands in for it with a Win32 event.
#pragma once

// Included into every test source ahead of everything else; Winsock must precede windows.h, so a test may
// use sockets.
#include <winsock2.h>
#include <windows.h>

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

} // namespace internal
} // namespace testing
