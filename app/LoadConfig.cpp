// The executable's load configuration. Its one setting: what the loader resolves before the program's first
// instruction, the DLLs that the imported system DLLs import in turn, is looked for in the system directory
// only, not in the program's folder first (honoured from Windows 10 1607 on). The structure has a section of
// its own, which the build points the header's load-configuration entry at (see cmake/LoadConfig.cmake).
#include <windows.h>

#include <cstddef>

namespace {

// IMAGE_LOAD_CONFIG_DIRECTORY32 up to the SafeSEH table, with the field MinGW's header still calls Reserved1
// under its name. Without a SafeSEH table (both fields 0) exception handlers are checked as before.
struct LoadConfigDirectory32 {
    DWORD Size;
    DWORD TimeDateStamp;
    WORD MajorVersion;
    WORD MinorVersion;
    DWORD GlobalFlagsClear;
    DWORD GlobalFlagsSet;
    DWORD CriticalSectionDefaultTimeout;
    DWORD DeCommitFreeBlockThreshold;
    DWORD DeCommitTotalFreeThreshold;
    DWORD LockPrefixTable;
    DWORD MaximumAllocationSize;
    DWORD VirtualMemoryThreshold;
    DWORD ProcessHeapFlags;
    DWORD ProcessAffinityMask;
    WORD CSDVersion;
    WORD DependentLoadFlags;
    DWORD EditList;
    DWORD SecurityCookie;
    DWORD SEHandlerTable;
    DWORD SEHandlerCount;
};
static_assert(sizeof(LoadConfigDirectory32) == sizeof(IMAGE_LOAD_CONFIG_DIRECTORY32), "the system's layout");
static_assert(offsetof(LoadConfigDirectory32, DependentLoadFlags) == 0x36, "where the loader reads it");

constexpr LoadConfigDirectory32 MakeLoadConfig() {
    LoadConfigDirectory32 config = {};
    config.Size = sizeof config;
    config.DependentLoadFlags = LOAD_LIBRARY_SEARCH_SYSTEM32;
    return config;
}

} // namespace

// The name the Microsoft linker, and newer GNU linkers, fill the header's entry from.
extern "C" __attribute__((used, section(".lcfg"))) const LoadConfigDirectory32 _load_config_used =
    MakeLoadConfig();
