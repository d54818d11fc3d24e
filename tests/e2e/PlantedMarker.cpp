// A stand-in planted beside the launcher under the name of a DLL it loads. When a process loads it, it
// writes an empty file named after itself with ".loaded" appended, beside itself. It exports nothing.
#include <windows.h>

extern "C" BOOL WINAPI MarkerEntry(HINSTANCE hSelf, DWORD reason, LPVOID) {
    wchar_t path[MAX_PATH + 8];
    const DWORD length = reason == DLL_PROCESS_ATTACH ? ::GetModuleFileNameW(hSelf, path, MAX_PATH) : 0;
    if (length == 0 || length >= MAX_PATH) {
        return TRUE;
    }
    ::lstrcatW(path, L".loaded");
    const HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
    return TRUE;
}
