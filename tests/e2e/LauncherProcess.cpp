#include "LauncherProcess.h"

#include <cstdio>
#include <cwchar>

#include "E2EEnvironment.h"
#include "PrefixState.h"

namespace {

// Every launcher a test starts is in this job, which ends them all when the test program ends, however it
// ends: a launcher left running would keep every later launcher out.
HANDLE LaunchersJob() {
    static const HANDLE job = [] {
        const HANDLE created = ::CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job;
}

std::wstring EnvironmentValue(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? value : L"";
}

bool Named(const wchar_t* entry, const wchar_t* name) {
    const size_t length = std::wcslen(name);
    return _wcsnicmp(entry, name, length) == 0 && entry[length] == L'=';
}

// The test's own environment with Wine's debug channels and DLL overrides for the launcher. Wine passes both
// on to the new process from its environment block. Each of its debug lines starts with its process id
// (+pid), so its lines can be told from those of the other processes writing to the same output.
std::vector<wchar_t> LauncherEnvironment(const LauncherOptions& options) {
    std::vector<wchar_t> block;
    const auto add = [&block](const std::wstring& entry) {
        block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
    };
    const std::wstring overrides = EnvironmentValue(L"WINEDLLOVERRIDES");
    wchar_t* const own = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = own; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
        if (!Named(entry, L"WINEDEBUG") && !Named(entry, L"WINEDLLOVERRIDES")) {
            add(entry);
        }
    }
    ::FreeEnvironmentStringsW(own);
    add(L"WINEDEBUG=-all,err+all,+pid" + (options.channels.empty() ? L"" : L"," + options.channels));
    if (!overrides.empty() || !options.overrides.empty()) {
        add(L"WINEDLLOVERRIDES=" + overrides + (overrides.empty() || options.overrides.empty() ? L"" : L";") +
            options.overrides);
    }
    block.push_back(L'\0');
    return block;
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    if (path.empty() || !::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) {
        return 0;
    }
    return (static_cast<long long>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
}

std::string ReadFrom(const std::wstring& path, long long offset) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    LARGE_INTEGER start = {};
    start.QuadPart = offset;
    std::string text;
    if (::SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
        char buffer[1 << 16];
        DWORD got = 0;
        while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            text.append(buffer, got);
        }
    }
    ::CloseHandle(file);
    return text;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindLauncherWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t title[64] = {};
    if (owner == search->processId && ::IsWindowVisible(window) && ::GetWindowTextW(window, title, 64) > 0 &&
        std::wcscmp(title, kLauncherTitle) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK DescribeWindow(HWND window, LPARAM context) {
    auto* text = reinterpret_cast<std::pair<DWORD, std::string>*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == text->first) {
        wchar_t title[64] = {};
        wchar_t className[64] = {};
        ::GetWindowTextW(window, title, 64);
        ::GetClassNameW(window, className, 64);
        text->second += "  class " + Narrow(className) + " title \"" + Narrow(title) + "\" " +
                        (::IsWindowVisible(window) ? "visible\n" : "hidden\n");
    }
    return TRUE;
}

} // namespace

LauncherProcess::LauncherProcess(const std::wstring& exe, const LauncherOptions& options) : m_exe(exe) {
    m_markerAtStart = DescribeMarker();
    m_outputStart = FileSize(TestPaths().wineOutput);
    std::vector<wchar_t> environment = LauncherEnvironment(options);
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    // Suspended until it is in the job, so that nothing it starts escapes the job either.
    if (!::CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                          CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT, environment.data(),
                          options.directory.empty() ? nullptr : options.directory.c_str(), &startup,
                          &m_process)) {
        m_process = {};
        return;
    }
    ::AssignProcessToJobObject(LaunchersJob(), m_process.hProcess);
    if (!options.suspended) {
        Resume();
    }
}

LauncherProcess::~LauncherProcess() {
    if (!Started()) {
        return;
    }
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.hProcess, 99);
        if (::WaitForSingleObject(m_process.hProcess, kLauncherExitMs) != WAIT_OBJECT_0) {
            std::printf("a launcher did not end when told to:\n%s", Report().c_str());
        }
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

void LauncherProcess::Resume() const {
    if (Started()) {
        ::ResumeThread(m_process.hThread);
    }
}

HWND LauncherProcess::WaitForWindow(DWORD timeoutMs) const {
    if (!Started()) {
        return nullptr;
    }
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    do {
        WindowSearch search = {m_process.dwProcessId, nullptr};
        ::EnumWindows(&FindLauncherWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        if (::WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0) {
            return nullptr;
        }
    } while (::GetTickCount64() < deadline);
    return nullptr;
}

bool LauncherProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (!Started() || ::WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    if (exitCode != nullptr) {
        ::GetExitCodeProcess(m_process.hProcess, exitCode);
    }
    return true;
}

std::vector<std::string> LauncherProcess::WineOutput() const {
    char prefix[16] = {};
    std::snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(m_process.dwProcessId));
    const size_t prefixLength = std::char_traits<char>::length(prefix);
    std::vector<std::string> lines;
    const std::string text = ReadFrom(TestPaths().wineOutput, m_outputStart);
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        if (text.compare(start, prefixLength, prefix) == 0) {
            lines.push_back(text.substr(start + prefixLength, end - start - prefixLength));
        }
        start = end + 1;
    }
    return lines;
}

std::string LauncherProcess::Report() const {
    char id[32] = {};
    std::snprintf(id, sizeof id, "%04lx", static_cast<unsigned long>(m_process.dwProcessId));
    std::string text = "launcher " + Narrow(m_exe);
    if (!Started()) {
        return text + ": could not be started\n" + m_markerAtStart + " when it was started\n";
    }
    text += " (process " + std::string(id) + "): ";
    DWORD exitCode = 0;
    if (WaitForExit(0, &exitCode)) {
        char ended[48] = {};
        std::snprintf(ended, sizeof ended, "ended with exit code %lu\n",
                      static_cast<unsigned long>(exitCode));
        text += ended;
    } else {
        text += "still running\n";
    }
    std::pair<DWORD, std::string> windows = {m_process.dwProcessId, std::string()};
    ::EnumWindows(&DescribeWindow, reinterpret_cast<LPARAM>(&windows));
    text += windows.second.empty() ? "  no top-level windows\n" : "its top-level windows:\n" + windows.second;
    text += "when it started, " + m_markerAtStart + "; now " + DescribeMarker() + "\n";
    text += DescribeProcesses();
    const std::vector<std::string> output = WineOutput();
    constexpr size_t kLastLines = 20;
    text += "its Wine output, last " +
            std::to_string(output.size() < kLastLines ? output.size() : kLastLines) + " of " +
            std::to_string(output.size()) + " lines:\n";
    for (size_t i = output.size() > kLastLines ? output.size() - kLastLines : 0; i < output.size(); ++i) {
        text += "  " + output[i] + "\n";
    }
    return text;
}
