#include "ScratchDirectory.h"

#include <windows.h>

namespace {

void DeleteTree(const std::wstring& directory) {
    WIN32_FIND_DATAW found = {};
    const HANDLE search = ::FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = directory + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                ::DeleteFileW(path.c_str());
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(directory.c_str());
}

} // namespace

std::wstring FreshScratchDirectory(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring directory = std::wstring(temp) + name;
    DeleteTree(directory);
    ::CreateDirectoryW(directory.c_str(), nullptr);
    return directory;
}
