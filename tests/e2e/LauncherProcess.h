// Starting the real launcher and following it, for the end-to-end tests.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "LauncherTitle.h"

// How long a step may wait for a launcher to show its window, and to end once told to. A step stops waiting
// as soon as its evidence is in (the window shows, the process ends), so a bound only ends a step that would
// otherwise wait for ever; they are generous because 32-bit programs start slowly where they are emulated.
constexpr DWORD kLauncherWindowMs = 60000;
constexpr DWORD kLauncherExitMs = 30000;

struct LauncherOptions {
    explicit LauncherOptions(std::wstring inDirectory = L"", std::wstring debugChannels = L"",
                             std::wstring dllOverrides = L"")
        : directory(std::move(inDirectory)), channels(std::move(debugChannels)),
          overrides(std::move(dllOverrides)) {}
    std::wstring directory; // its current directory; empty: the test's own
    std::wstring channels;  // Wine debug channels added to the launcher's own, such as L"+loaddll"
    std::wstring overrides; // entries added to the session's WINEDLLOVERRIDES
    bool suspended = false; // its first thread waits for Resume, so that a crowd can be let go at once
};

class LauncherProcess {
public:
    LauncherProcess(const std::wstring& exe, const LauncherOptions& options);
    LauncherProcess(const std::wstring& exe, const std::wstring& directory)
        : LauncherProcess(exe, LauncherOptions{directory}) {}
    // A launcher still running when its test is done is ended here, and waited for, so that the next test
    // never meets its single-instance marker.
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    void Resume() const;
    // The launcher's visible window, once it has one; null when the process ended first or none came in time.
    HWND WaitForWindow(DWORD timeoutMs = kLauncherWindowMs) const;
    // True when the process ended within the time; its exit code is then in exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    DWORD ProcessId() const { return m_process.dwProcessId; }
    // The process's lines of Wine's output since it started, without the process id that begins each.
    std::vector<std::string> WineOutput() const;
    // What a failed step says about the launcher: whether it runs or how it ended, the marker then and now,
    // the prefix's processes and its last lines of Wine output.
    std::string Report() const;

private:
    std::wstring m_exe;
    PROCESS_INFORMATION m_process = {};
    long long m_outputStart = 0; // where the run's Wine output stood when the launcher started
    std::string m_markerAtStart;
};
