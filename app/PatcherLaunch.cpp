#include "PatcherLaunch.h"

#include <shellapi.h>
#include <cwchar>

namespace {

// The shell did not fail to start the patcher: the player declined to let it run, at a security warning
// for a downloaded program or at an elevation prompt.
bool PlayerRefused(INT_PTR shellResult, DWORD shellError) {
    return shellResult == SE_ERR_ACCESSDENIED || shellError == ERROR_CANCELLED;
}

} // namespace

BOOL BuildPatcherCommand(const wchar_t* directory, PATCHER_COMMAND& command) {
    const size_t directoryLength = std::wcslen(directory);
    if (directoryLength == 0) {
        return FALSE;
    }
    const size_t pathLength = directoryLength + 1 + std::wcslen(kPatcherFileName);
    // The quoted command line is the longer of the two: the path, two quotes and the terminator.
    if (pathLength + 3 > kPatcherPathCapacity) {
        return FALSE;
    }
    std::wmemcpy(command.path, directory, directoryLength);
    command.path[directoryLength] = L'\\';
    std::wcscpy(command.path + directoryLength + 1, kPatcherFileName);
    command.commandLine[0] = L'"';
    std::wmemcpy(command.commandLine + 1, command.path, pathLength);
    command.commandLine[pathLength + 1] = L'"';
    command.commandLine[pathLength + 2] = L'\0';
    return TRUE;
}

void LaunchPatcher(HWND owner) {
    wchar_t directory[kPatcherPathCapacity] = {};
    const DWORD length = ::GetCurrentDirectoryW(kPatcherPathCapacity, directory);
    // Without its directory there is no patcher to name: a bare "\patcher_qz.exe" is one at the root of the
    // drive, whoever put it there.
    if (length == 0 || length >= kPatcherPathCapacity) {
        return;
    }

    PATCHER_COMMAND command = {};
    if (!BuildPatcherCommand(directory, command)) {
        return;
    }

    const auto shellResult = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(owner, nullptr, command.path, nullptr, nullptr, SW_SHOWNORMAL));
    const DWORD shellError = ::GetLastError();
    // Starting it directly after a refusal would run what the player just declined.
    if (shellResult > 32 || PlayerRefused(shellResult, shellError)) {
        return;
    }

    StartPatcherProcess(command);
}

BOOL StartPatcherProcess(PATCHER_COMMAND& command) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessW(command.path, command.commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return FALSE;
    }
    // The patcher runs on its own; nothing here waits for it.
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return TRUE;
}
