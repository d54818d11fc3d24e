#include "LoopbackHttpServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace {

constexpr char kPage[] =
    "<html><head><title>Notice</title></head><body>Server maintenance tonight.</body></html>";

} // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    ::InitializeCriticalSection(&m_lock);
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    m_listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 8) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return;
    }
    m_port = ntohs(address.sin_port);
    m_thread = ::CreateThread(nullptr, 0, &LoopbackHttpServer::Serve, this, 0, nullptr);
}

LoopbackHttpServer::~LoopbackHttpServer() {
    ::closesocket(m_listener); // ends the accept loop
    if (m_thread != nullptr) {
        ::WaitForSingleObject(m_thread, 10000);
        ::CloseHandle(m_thread);
    }
    ::WSACleanup();
    ::DeleteCriticalSection(&m_lock);
}

std::wstring LoopbackHttpServer::Url(const wchar_t* path) const {
    return m_port ? L"http://127.0.0.1:" + std::to_wstring(m_port) + path : std::wstring();
}

std::vector<std::string> LoopbackHttpServer::Requests() const {
    ::EnterCriticalSection(&m_lock);
    std::vector<std::string> requests = m_requests;
    ::LeaveCriticalSection(&m_lock);
    return requests;
}

DWORD WINAPI LoopbackHttpServer::Serve(LPVOID context) {
    auto* self = static_cast<LoopbackHttpServer*>(context);
    for (;;) {
        const SOCKET client = ::accept(self->m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            return 0;
        }
        std::string request;
        char buffer[2048];
        int received = 0;
        while (request.find("\r\n\r\n") == std::string::npos &&
               (received = ::recv(client, buffer, sizeof buffer, 0)) > 0) {
            request.append(buffer, static_cast<size_t>(received));
        }
        ::EnterCriticalSection(&self->m_lock);
        self->m_requests.push_back(request.substr(0, request.find("\r\n")));
        ::LeaveCriticalSection(&self->m_lock);
        const std::string answer = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                   std::to_string(sizeof kPage - 1) + "\r\n\r\n" + kPage;
        ::send(client, answer.data(), static_cast<int>(answer.size()), 0);
        ::closesocket(client);
    }
}
