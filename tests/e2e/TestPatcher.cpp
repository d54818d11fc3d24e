// Stands in for the game's patcher: records how it was started, next to itself, and ends. Each start also
// adds a line to patcher_starts.txt beside it, so that starts can be counted.
#include <windows.h>

#include <cwchar>

int wmain() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t* slash = wcsrchr(self, L'\\');
    if (!slash)
        return 1;
    wcscpy(slash + 1, L"patcher_record.txt");

    wchar_t directory[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, directory);

    const HANDLE file = CreateFileW(self, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const wchar_t* commandLine = GetCommandLineW();
    WriteFile(file, commandLine, static_cast<DWORD>(wcslen(commandLine) * sizeof(wchar_t)), &written,
              nullptr);
    WriteFile(file, L"\n", sizeof(wchar_t), &written, nullptr);
    WriteFile(file, directory, static_cast<DWORD>(wcslen(directory) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);

    wcscpy(slash + 1, L"patcher_starts.txt");
    const HANDLE starts = CreateFileW(self, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, 0, nullptr);
    if (starts == INVALID_HANDLE_VALUE) {
        return 1;
    }
    WriteFile(starts, "started\n", 8, &written, nullptr);
    CloseHandle(starts);
    return 0;
}
