// The launcher must run on a clean Windows and must not take a DLL from the game's folder: it imports only
// DLLs that every Windows it runs on maps from its own copies, and its load configuration tells the loader
// to look for what those DLLs need in the system directory only.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "HostPath.h"
#include "KnownDlls.h"
#include "PeImage.h"

namespace {

std::wstring g_executable;

// MinGW's header calls DependentLoadFlags by its old name, Reserved1.
static_assert(offsetof(IMAGE_LOAD_CONFIG_DIRECTORY32, Reserved1) == 0x36, "where Windows 10 reads the flags");
static_assert(sizeof(IMAGE_LOAD_CONFIG_DIRECTORY32) == 72, "through the SafeSEH table");

TEST(ImportTable, IsA32BitGuiProgram) {
    const PeImage image(g_executable);
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(image.Headers().FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(image.Headers().OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

// Not even the common controls: their initialisation, before the program's first instruction, would load
// the theme library by name. They are delay-loaded, after the program has restricted the DLL search.
TEST(ImportTable, ImportsOnlyDllsKnownOnEveryWindows) {
    const PeImage image(g_executable);
    const std::vector<std::string> dlls = image.ImportedDlls();
    ASSERT_FALSE(dlls.empty());
    for (const std::string& dll : dlls) {
        std::printf("imports %s\n", dll.c_str());
        EXPECT_TRUE(IsKnownDllEverywhere(dll)) << dll << " could be taken from the program's folder";
    }
}

// What the loader resolves before the program's first instruction, the DLLs the imported ones import,
// follows the load configuration's DependentLoadFlags (Windows 10 1607 and later). MinGW's linker has no
// switch for it, so the build provides the directory; the loader finds it through the header's entry.
TEST(ImportTable, LoadConfigurationKeepsTheStaticDependenciesToTheSystemDirectory) {
    const PeImage image(g_executable);
    const IMAGE_DATA_DIRECTORY& entry = image.Directory(IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG);
    ASSERT_NE(entry.VirtualAddress, 0u) << "the header names no load configuration";
    const auto* config = reinterpret_cast<const IMAGE_LOAD_CONFIG_DIRECTORY32*>(
        image.At(entry.VirtualAddress, sizeof(IMAGE_LOAD_CONFIG_DIRECTORY32)));
    ASSERT_NE(config, nullptr) << "the entry points outside the image's sections";
    // A 32-bit loader takes 64 (what Windows XP required) or the structure's own size.
    EXPECT_TRUE(entry.Size == 64 || entry.Size == config->Size) << entry.Size;
    EXPECT_GE(config->Size, offsetof(IMAGE_LOAD_CONFIG_DIRECTORY32, EditList))
        << "too short to hold DependentLoadFlags";
    EXPECT_EQ(config->Reserved1, LOAD_LIBRARY_SEARCH_SYSTEM32) << "DependentLoadFlags";
    // No SafeSEH table: exception handlers are checked as without a load configuration.
    EXPECT_EQ(config->SEHandlerTable, 0u);
    EXPECT_EQ(config->SEHandlerCount, 0u);
    EXPECT_EQ(config->SecurityCookie, 0u);
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: %s <launcher.exe>\n", argv[0]);
        return 2;
    }
    g_executable = ToWindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
