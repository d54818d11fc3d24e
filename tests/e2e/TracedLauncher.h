// The launcher started through run-traced.sh, so that its Wine debug output lands in a file the test reads.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TracedLauncher {
public:
    // Starts `exe` (a copy with a name of its own, by which its process is found) in `directory` with the
    // WINEDEBUG value `channels` and the WINEDLLOVERRIDES entries `overrides` added to the session's.
    TracedLauncher(const std::wstring& exe, const std::wstring& directory, const std::wstring& channels,
                   const std::wstring& overrides);
    ~TracedLauncher();
    TracedLauncher(const TracedLauncher&) = delete;
    TracedLauncher& operator=(const TracedLauncher&) = delete;

    // The launcher's visible window, once it has one; null when none came in time or the process ended.
    HWND WaitForWindow(DWORD timeoutMs = 60000);
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    // The launcher process's lines of the debug output so far, without the process prefix of each.
    std::vector<std::string> LogLines() const;

private:
    std::wstring m_log;
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
};

// The path Wine's host sees for a Windows path (Wine's own conversion); empty when there is none.
std::string UnixPathOf(const std::wstring& windowsPath);
