// Stands in for the shell while it lives: what this program asks ShellExecuteExW to do is recorded instead
// of done, so a test sees which page a click opens without a browser starting.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "ImportHook.h"

class CShellOpenRecorder {
public:
    struct Request {
        std::wstring verb;
        std::wstring file;
        bool operator==(const Request& other) const { return verb == other.verb && file == other.file; }
    };

    CShellOpenRecorder() : m_hook("shell32.dll", "ShellExecuteExW", reinterpret_cast<void*>(&Record)) {
        s_requests.clear();
    }

    bool Installed() const { return m_hook.Installed(); }
    // What was asked since the last call.
    static std::vector<Request> Take() { return std::exchange(s_requests, {}); }

private:
    static BOOL WINAPI Record(SHELLEXECUTEINFOW* pInfo) {
        s_requests.push_back({pInfo->lpVerb ? pInfo->lpVerb : L"", pInfo->lpFile ? pInfo->lpFile : L""});
        return TRUE;
    }

    CImportHook m_hook;
    static inline std::vector<Request> s_requests;
};
