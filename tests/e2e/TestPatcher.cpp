// Stands in for the game's patcher: records how it was started, next to itself, and ends. Each start also
// adds a line to patcher_starts.txt beside it, so that starts can be counted.
#include <windows.h>

#include <cwchar>
#include <string>

#include "PatcherRecord.h"

int wmain() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t* slash = std::wcsrchr(self, L'\\');
    if (slash == nullptr) {
        return 1;
    }
    const std::wstring file = std::wstring(self, slash + 1) + kPatcherRecordName;

    wchar_t directory[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, directory);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    wchar_t startupText[32] = {};
    std::swprintf(startupText, 32, L"%lx %u", startup.dwFlags, static_cast<unsigned>(startup.wShowWindow));
    // In one piece, so a reader never sees half a record.
    const std::wstring record =
        std::wstring(::GetCommandLineW()) + L"\n" + directory + L"\n" + startupText + L"\n";

    const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    ::WriteFile(handle, record.c_str(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written,
                nullptr);
    ::CloseHandle(handle);

    // One line per start, so a test can count how often the patcher was started.
    const std::wstring startsFile = std::wstring(self, slash + 1) + L"patcher_starts.txt";
    const HANDLE starts = ::CreateFileW(startsFile.c_str(), FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (starts == INVALID_HANDLE_VALUE) {
        return 1;
    }
    ::WriteFile(starts, "started\n", 8, &written, nullptr);
    ::CloseHandle(starts);
    return 0;
}
