#include "PatcherLaunch.h"

#include <shellapi.h>
#include <cwchar>

BOOL BuildPatcherCommand(const wchar_t* directory, PATCHER_COMMAND& command) {
    const int pathLength =
        std::swprintf(command.path, kPatcherPathCapacity, L"%ls\\%ls", directory, kPatcherFileName);
    if (pathLength < 0)
        return FALSE;
    return std::swprintf(command.commandLine, kPatcherPathCapacity, L"\"%ls\"", command.path) >= 0;
}

void LaunchPatcher(HWND owner) {
    wchar_t directory[kPatcherPathCapacity] = {};
    const DWORD length = GetCurrentDirectoryW(kPatcherPathCapacity, directory);
    if (length == 0 || length >= kPatcherPathCapacity)
        directory[0] = L'\0';

    PATCHER_COMMAND command = {};
    if (!BuildPatcherCommand(directory, command))
        return;

    const auto shellResult = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, nullptr, command.path, nullptr, nullptr, SW_SHOWNORMAL));
    if (shellResult > 32)
        return;

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(command.path, command.commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        // The patcher runs on its own; nothing here waits for it.
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
