#include "PrefixState.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <cstddef>
#include <cstdio>
#include <map>

#include "SingleInstance.h"

namespace {

// The system's handle table as NtQuerySystemInformation gives it (SystemExtendedHandleInformation).
constexpr ULONG kExtendedHandleInformation = 64;
constexpr ULONG kObjectNameInformation = 1;
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);

struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT creatorBackTraceIndex;
    USHORT typeIndex;
    ULONG attributes;
    ULONG reserved;
};

struct HandleTable {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};

using QuerySystem = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryObject = NTSTATUS(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

template <typename Function> Function NtdllExport(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), name)));
}

std::vector<BYTE> HandleTableBytes() {
    const auto query = NtdllExport<QuerySystem>("NtQuerySystemInformation");
    std::vector<BYTE> bytes(1 << 16);
    for (int attempt = 0; query != nullptr && attempt < 8; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status =
            query(kExtendedHandleInformation, bytes.data(), static_cast<ULONG>(bytes.size()), &needed);
        if (status == kInfoLengthMismatch) {
            bytes.resize(needed > bytes.size() ? needed + 4096 : bytes.size() * 2);
            continue;
        }
        return status >= 0 ? bytes : std::vector<BYTE>();
    }
    return std::vector<BYTE>();
}

// The kernel object's name behind a handle of this process, or empty.
std::wstring ObjectName(HANDLE handle) {
    const auto query = NtdllExport<QueryObject>("NtQueryObject");
    alignas(UNICODE_STRING) BYTE buffer[1024] = {};
    ULONG got = 0;
    if (query == nullptr || query(handle, kObjectNameInformation, buffer, sizeof buffer, &got) < 0) {
        return std::wstring();
    }
    const auto* name = reinterpret_cast<const UNICODE_STRING*>(buffer);
    return name->Buffer != nullptr ? std::wstring(name->Buffer, name->Length / sizeof(wchar_t))
                                   : std::wstring();
}

bool EndsWith(const std::wstring& text, const std::wstring& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

std::string Described(const PrefixProcess& process) {
    char line[64] = {};
    std::snprintf(line, sizeof line, "%04lx ", static_cast<unsigned long>(process.id));
    return line + Narrow(process.image);
}

} // namespace

std::vector<PrefixProcess> ProcessesOfPrefix() {
    std::vector<PrefixProcess> processes;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return processes;
    }
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        processes.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
    }
    ::CloseHandle(snapshot);
    return processes;
}

std::vector<PrefixProcess> MarkerHolders() {
    // Only event handles are asked for their names: asking a pipe's handle can block on Windows. Which type
    // index means "event" is learnt from an event of our own, made before the table is read.
    const HANDLE probe = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    const std::vector<BYTE> bytes = HandleTableBytes();
    if (bytes.empty()) {
        ::CloseHandle(probe);
        return {};
    }
    const auto* table = reinterpret_cast<const HandleTable*>(bytes.data());
    const size_t count = (bytes.size() - offsetof(HandleTable, entries)) / sizeof(HandleEntry);
    const size_t listed = table->count < count ? table->count : count;
    USHORT eventType = 0;
    for (size_t i = 0; i < listed; ++i) {
        const HandleEntry& entry = table->entries[i];
        if (entry.processId == ::GetCurrentProcessId() && reinterpret_cast<HANDLE>(entry.handle) == probe) {
            eventType = entry.typeIndex;
        }
    }
    ::CloseHandle(probe);

    std::map<DWORD, PrefixProcess> byId;
    for (const PrefixProcess& process : ProcessesOfPrefix()) {
        byId[process.id] = process;
    }
    const std::wstring suffix = std::wstring(L"\\") + kSingleInstanceMarkerName;
    std::map<DWORD, PrefixProcess> holders;
    for (size_t i = 0; i < listed; ++i) {
        const HandleEntry& entry = table->entries[i];
        const DWORD owner = static_cast<DWORD>(entry.processId);
        if (entry.typeIndex != eventType || holders.count(owner) != 0) {
            continue;
        }
        const HANDLE process = ::OpenProcess(PROCESS_DUP_HANDLE, FALSE, owner);
        HANDLE copy = nullptr;
        if (process != nullptr &&
            ::DuplicateHandle(process, reinterpret_cast<HANDLE>(entry.handle), ::GetCurrentProcess(), &copy,
                              0, FALSE, DUPLICATE_SAME_ACCESS)) {
            if (EndsWith(ObjectName(copy), suffix)) {
                holders[owner] = byId.count(owner) ? byId[owner] : PrefixProcess{owner, 0, L"?"};
            }
            ::CloseHandle(copy);
        }
        if (process != nullptr) {
            ::CloseHandle(process);
        }
    }
    std::vector<PrefixProcess> found;
    for (const auto& holder : holders) {
        found.push_back(holder.second);
    }
    return found;
}

std::string DescribeMarker() {
    const std::vector<PrefixProcess> holders = MarkerHolders();
    if (holders.empty()) {
        const HANDLE marker = ::OpenEventW(SYNCHRONIZE, FALSE, kSingleInstanceMarkerName);
        if (marker == nullptr) {
            return "the single-instance marker is free";
        }
        ::CloseHandle(marker);
        return "the single-instance marker exists, held by a process the handle table does not show";
    }
    std::string text = "the single-instance marker is held by";
    for (const PrefixProcess& holder : holders) {
        text += " " + Described(holder);
    }
    return text;
}

std::string DescribeProcesses() {
    std::string text = "processes of the prefix (id image, parent):\n";
    for (const PrefixProcess& process : ProcessesOfPrefix()) {
        char parent[32] = {};
        std::snprintf(parent, sizeof parent, ", %04lx\n", static_cast<unsigned long>(process.parentId));
        text += "  " + Described(process) + parent;
    }
    return text;
}
