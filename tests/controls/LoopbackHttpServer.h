// A web server on the loopback interface that answers every request with a small page and remembers the
// request lines it was sent.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:<port>" followed by path; empty when the server could not start.
    std::wstring Url(const wchar_t* path) const;
    std::vector<std::string> Requests() const;

private:
    static DWORD WINAPI Serve(LPVOID context);

    UINT_PTR m_listener = ~UINT_PTR(0); // a SOCKET
    int m_port = 0;
    HANDLE m_thread = nullptr;
    mutable CRITICAL_SECTION m_lock;
    std::vector<std::string> m_requests;
};
