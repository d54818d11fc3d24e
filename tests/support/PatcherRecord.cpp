#include "PatcherRecord.h"

#include <cwchar>
#include <vector>

namespace {

constexpr DWORD kPollMs = 50;

// The record's text once the patcher has written all of it; it writes it in one piece, three lines.
bool ReadCompleteRecord(const std::wstring& file, std::wstring* text) {
    const HANDLE handle =
        ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    std::vector<wchar_t> units(3 * MAX_PATH + 64);
    DWORD bytes = 0;
    const BOOL read =
        ::ReadFile(handle, units.data(), static_cast<DWORD>(units.size() * sizeof(wchar_t)), &bytes, nullptr);
    ::CloseHandle(handle);
    text->assign(units.data(), read ? bytes / sizeof(wchar_t) : 0);
    size_t lines = 0;
    for (const wchar_t unit : *text) {
        lines += unit == L'\n';
    }
    return lines == 3;
}

} // namespace

bool ReadPatcherRecord(const std::wstring& file, DWORD timeoutMs, PatcherRecord* record) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    std::wstring text;
    while (!ReadCompleteRecord(file, &text)) {
        if (::GetTickCount64() >= deadline) {
            return false;
        }
        ::Sleep(kPollMs);
    }
    const size_t first = text.find(L'\n');
    const size_t second = text.find(L'\n', first + 1);
    record->commandLine = text.substr(0, first);
    record->directory = text.substr(first + 1, second - first - 1);
    unsigned long flags = 0;
    unsigned show = 0;
    if (std::swscanf(text.c_str() + second + 1, L"%lx %u", &flags, &show) != 2) {
        return false;
    }
    record->startupFlags = flags;
    record->showWindow = static_cast<WORD>(show);
    return true;
}
