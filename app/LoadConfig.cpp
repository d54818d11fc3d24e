// The executable's load configuration. Its one setting: what the loader resolves before the program's first
// instruction, the DLLs that the imported system DLLs import in turn, is looked for in the system directory
// only, not in the program's folder first (honoured from Windows 10 1607 on). The structure has a section of
// its own, which the build points the header's load-configuration entry at (see cmake/LoadConfig.cmake).
#include <windows.h>

#include <cstddef>

namespace {

// MinGW's header still calls DependentLoadFlags by its old name, Reserved1. Without a SafeSEH table (both
// its fields 0) exception handlers are checked as they were without a load configuration.
static_assert(offsetof(IMAGE_LOAD_CONFIG_DIRECTORY32, Reserved1) == 0x36, "where the loader reads the flags");

constexpr IMAGE_LOAD_CONFIG_DIRECTORY32 MakeLoadConfig() {
    IMAGE_LOAD_CONFIG_DIRECTORY32 config = {};
    config.Size = sizeof config;
    config.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
    return config;
}

} // namespace

// The name the Microsoft linker, and newer GNU linkers, fill the header's entry from.
extern "C" __attribute__((used, section(".lcfg"))) const IMAGE_LOAD_CONFIG_DIRECTORY32 _load_config_used =
    MakeLoadConfig();
