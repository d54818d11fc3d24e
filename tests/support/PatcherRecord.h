// What the stand-in patcher records of its start, in a file beside itself: its command line, its current
// directory, and the flags and show command of the start-up information it was given, one line each.
#pragma once

#include <windows.h>

#include <string>

constexpr wchar_t kPatcherRecordName[] = L"patcher_record.txt";

struct PatcherRecord {
    std::wstring commandLine;
    std::wstring directory;
    DWORD startupFlags = 0;
    WORD showWindow = 0;
};

// Waits for the record at `file` to be complete, up to timeoutMs; false when none comes in that time.
bool ReadPatcherRecord(const std::wstring& file, DWORD timeoutMs, PatcherRecord* record);
