#include "TracedLauncher.h"

#include <tlhelp32.h>

#include <cstdio>
#include <fstream>

#include "E2EEnvironment.h"
#include "LauncherProcess.h"

namespace {

std::wstring Widened(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring FileNameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L"\\/") + 1);
}

// The process running `image`, found by its file name, once it runs; 0 when none came in time.
DWORD WaitForProcessOf(const std::wstring& image, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    do {
        const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry = {};
        entry.dwSize = sizeof entry;
        DWORD found = 0;
        for (BOOL more = ::Process32FirstW(snapshot, &entry); more && found == 0;
             more = ::Process32NextW(snapshot, &entry)) {
            if (_wcsicmp(entry.szExeFile, image.c_str()) == 0) {
                found = entry.th32ProcessID;
            }
        }
        ::CloseHandle(snapshot);
        if (found != 0) {
            return found;
        }
        ::Sleep(20);
    } while (::GetTickCount64() < deadline);
    return 0;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM processId) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId)) {
        wchar_t title[64] = {};
        wchar_t className[64] = {};
        ::GetWindowTextW(window, title, 64);
        ::GetClassNameW(window, className, 64);
        std::printf("  window %p class %ls title \"%ls\" %s\n", static_cast<void*>(window), className, title,
                    ::IsWindowVisible(window) ? "visible" : "hidden");
    }
    return TRUE;
}

// What the launcher shows when it shows no window of its own.
void PrintWindowsOf(DWORD processId) {
    std::printf("no launcher window; the process's top-level windows:\n");
    ::EnumWindows(&PrintWindow, static_cast<LPARAM>(processId));
}

} // namespace

std::string UnixPathOf(const std::wstring& windowsPath) {
    using Convert = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    char* const converted = convert ? convert(windowsPath.c_str()) : nullptr;
    if (converted == nullptr) {
        return std::string();
    }
    const std::string path = converted;
    ::HeapFree(::GetProcessHeap(), 0, converted);
    return path;
}

TracedLauncher::TracedLauncher(const std::wstring& exe, const std::wstring& directory,
                               const std::wstring& channels, const std::wstring& overrides)
    : m_log(exe + L".log") {
    ::DeleteFileW(m_log.c_str());
    std::wstring commandLine = Widened(TestPaths().tracedRunUnix) + L" \"" + Widened(UnixPathOf(m_log)) +
                               L"\" \"" + Widened(UnixPathOf(directory)) + L"\" " + channels + L" " +
                               (overrides.empty() ? L"-" : overrides) + L" \"" + Widened(UnixPathOf(exe)) +
                               L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    // Wine gives no usable handle for a Unix process; the launcher it becomes is found by its file name.
    if (!::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        return;
    }
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    m_processId = WaitForProcessOf(FileNameOf(exe), 60000);
    if (m_processId != 0) {
        m_process = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                  m_processId);
    }
}

TracedLauncher::~TracedLauncher() {
    if (m_process == nullptr) {
        return;
    }
    if (::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process, 99);
        ::WaitForSingleObject(m_process, 10000);
    }
    ::CloseHandle(m_process);
}

HWND TracedLauncher::WaitForWindow(DWORD timeoutMs) {
    if (m_process == nullptr) {
        return nullptr;
    }
    PROCESS_INFORMATION process = {};
    process.hProcess = m_process;
    process.dwProcessId = m_processId;
    const HWND window = WaitForLauncherWindow(process, timeoutMs);
    if (window == nullptr) {
        PrintWindowsOf(m_processId);
    }
    return window;
}

bool TracedLauncher::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (m_process == nullptr || ::WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    if (exitCode != nullptr) {
        ::GetExitCodeProcess(m_process, exitCode);
    }
    return true;
}

std::vector<std::string> TracedLauncher::LogLines() const {
    char prefix[16] = {};
    std::snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(m_processId));
    std::vector<std::string> lines;
    std::ifstream in(m_log.c_str());
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) == 0) {
            lines.push_back(line.substr(std::char_traits<char>::length(prefix)));
        }
    }
    return lines;
}
