// Starting the game's patcher, which lies in the launcher's current directory.
#pragma once

#include <windows.h>

constexpr wchar_t kPatcherFileName[] = L"patcher_qz.exe";
constexpr DWORD kPatcherPathCapacity = 4096;

struct PATCHER_COMMAND {
    wchar_t path[kPatcherPathCapacity];
    wchar_t commandLine[kPatcherPathCapacity];
};

// Joins `directory` and the patcher's file name into `command`: the path as it is, and a command
// line that quotes it, so a directory with spaces cannot make the system run a truncated name.
// Returns FALSE for an empty directory and when the result does not fit.
BOOL BuildPatcherCommand(const wchar_t* directory, PATCHER_COMMAND& command);

// Creates the patcher's process without the shell: the path as the program to run, the quoted path
// as its command line, the launcher's own environment and current directory. Not const: the system
// may write into the command line it is handed.
BOOL StartPatcherProcess(PATCHER_COMMAND& command);

// Starts the patcher from the current directory: through the shell first, directly if the shell
// fails, but not when the player refused it there (the shell answers SE_ERR_ACCESSDENIED or leaves
// ERROR_CANCELLED) and not when the current directory cannot be read. Reports nothing; the caller ends
// the launcher either way.
void LaunchPatcher(HWND owner);
