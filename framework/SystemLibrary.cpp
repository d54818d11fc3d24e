#include "SystemLibrary.h"

#include <string>

namespace {

// Windows 7 has SetDefaultDllDirectories and the LOAD_LIBRARY_SEARCH_* flags only with update KB2533623.
using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);

HMODULE LoadFromSystemDirectory(LPCWSTR lpszFileName) {
    const HMODULE hModule = ::LoadLibraryExW(lpszFileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (hModule != nullptr || ::GetLastError() != ERROR_INVALID_PARAMETER) {
        return hModule;
    }
    // Without the flags: the full path, and the DLL's own folder (the system directory) first for what it
    // needs.
    wchar_t directory[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(directory, length) + L"\\" + lpszFileName;
    return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

void AfxRestrictDllSearchToSystem() {
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction*>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return;
    }
    // At least the current directory leaves the search.
    ::SetDllDirectoryW(L"");
}

// The module is never freed: a later load of its name by the platform must find it.
BOOL AfxPreloadSystemLibrary(LPCWSTR lpszFileName) {
    return LoadFromSystemDirectory(lpszFileName) != nullptr;
}

CSystemLibrary::CSystemLibrary(LPCWSTR lpszFileName) : m_hModule(LoadFromSystemDirectory(lpszFileName)) {}

CSystemLibrary::~CSystemLibrary() {
    if (m_hModule != nullptr) {
        ::FreeLibrary(m_hModule);
    }
}
