// A stand-in planted beside the launcher under the name of a DLL it loads. When a process loads it, it
// writes an empty file beside itself named after itself and the process: "<its own name>.<program's file
// name>.loaded". It exports nothing.
#include <windows.h>

extern "C" BOOL WINAPI MarkerEntry(HINSTANCE hSelf, DWORD reason, LPVOID) {
    wchar_t program[MAX_PATH];
    wchar_t path[2 * MAX_PATH + 16];
    if (reason != DLL_PROCESS_ATTACH ||
        ::GetModuleFileNameW(nullptr, program, MAX_PATH) - 1 >= MAX_PATH - 1 ||
        ::GetModuleFileNameW(hSelf, path, MAX_PATH) - 1 >= MAX_PATH - 1) {
        return TRUE;
    }
    const wchar_t* programName = program;
    for (const wchar_t* c = program; *c != L'\0'; ++c) {
        if (*c == L'\\' || *c == L'/') {
            programName = c + 1;
        }
    }
    ::lstrcatW(path, L".");
    ::lstrcatW(path, programName);
    ::lstrcatW(path, L".loaded");
    const HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
    return TRUE;
}
