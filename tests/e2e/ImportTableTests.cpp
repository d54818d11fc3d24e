// The launcher must run on a clean Windows: it may import only DLLs the system itself provides.
#include <windows.h>

#include "HostPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::wstring g_executable;

std::vector<char> ReadFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Maps a relative virtual address to its offset in the file, through the section table.
long FileOffset(const IMAGE_NT_HEADERS32* nt, DWORD rva) {
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
            return static_cast<long>(rva - section->VirtualAddress + section->PointerToRawData);
    }
    return -1;
}

std::vector<std::string> ImportedDlls(const std::vector<char>& image) {
    std::vector<std::string> names;
    if (image.size() < sizeof(IMAGE_DOS_HEADER))
        return names;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    long offset = FileOffset(nt, imports.VirtualAddress);
    if (offset < 0)
        return names;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.data() + offset); entry->Name;
         ++entry) {
        const long nameOffset = FileOffset(nt, entry->Name);
        if (nameOffset >= 0)
            names.emplace_back(image.data() + nameOffset);
    }
    return names;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(tolower(c)); });
    return text;
}

TEST(ImportTable, IsA32BitGuiProgram) {
    const std::vector<char> image = ReadFile(g_executable);
    ASSERT_GT(image.size(), 4096u);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
    EXPECT_EQ(nt->Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(ImportTable, ImportsOnlySystemDlls) {
    const std::vector<std::string> dlls = ImportedDlls(ReadFile(g_executable));
    ASSERT_FALSE(dlls.empty());
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    // Compiler runtimes that a non-static build would need beside the executable.
    const std::vector<std::string> runtimes = {"libgcc", "libstdc++", "libwinpthread", "libssp", "zlib"};
    for (const std::string& dll : dlls) {
        const std::string name = Lower(dll);
        for (const std::string& runtime : runtimes)
            EXPECT_EQ(name.find(runtime), std::string::npos) << dll;
        const std::string inSystem = std::string(system) + "\\" + dll;
        EXPECT_NE(GetFileAttributesA(inSystem.c_str()), INVALID_FILE_ATTRIBUTES)
            << dll << " is not a system DLL";
    }
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
