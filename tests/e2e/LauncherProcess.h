// Starting the real launcher and finding its window, for the end-to-end tests.
#pragma once

#include <windows.h>

#include <string>

class LauncherProcess {
public:
    // Starts `exe` with `directory` as its current directory (empty: the test's own).
    LauncherProcess(const std::wstring& exe, const std::wstring& directory);
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    // The launcher's visible top-level window, once it has one; null when none came in time.
    HWND WaitForWindow(DWORD timeoutMs = 60000) const;
    // True when the process ended within the time; its exit code is then in exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    DWORD ProcessId() const { return m_process.dwProcessId; }

private:
    PROCESS_INFORMATION m_process = {};
};

// The visible launcher window of the process, once it has one; null when none came in time or the process
// ended.
HWND WaitForLauncherWindow(const PROCESS_INFORMATION& process, DWORD timeoutMs);

// The launcher's window title.
constexpr wchar_t kLauncherTitle[] = L"Skyreach Launcher";
