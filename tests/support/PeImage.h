// Reading a 32-bit PE file's headers, import table and load configuration from its bytes, as a loader does.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class PeImage {
public:
    explicit PeImage(const std::wstring& path) {
        std::ifstream in(path.c_str(), std::ios::binary);
        m_bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (m_bytes.size() < sizeof(IMAGE_DOS_HEADER)) {
            return;
        }
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(m_bytes.data());
        if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew < 0 ||
            static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS32) > m_bytes.size()) {
            return;
        }
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(m_bytes.data() + dos->e_lfanew);
        if (nt->Signature == IMAGE_NT_SIGNATURE &&
            nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
            m_nt = nt;
        }
    }

    bool IsValid() const { return m_nt != nullptr; }
    const IMAGE_NT_HEADERS32& Headers() const { return *m_nt; }
    const IMAGE_DATA_DIRECTORY& Directory(int index) const {
        return m_nt->OptionalHeader.DataDirectory[index];
    }

    // The bytes at a relative virtual address, with at least `size` of them in the file; nullptr otherwise.
    const char* At(DWORD rva, DWORD size = 1) const {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(m_nt);
        for (WORD i = 0; i < m_nt->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress && rva - section->VirtualAddress < section->SizeOfRawData) {
                const size_t offset = rva - section->VirtualAddress + section->PointerToRawData;
                const bool inSection = rva - section->VirtualAddress + size <= section->SizeOfRawData;
                return inSection && offset + size <= m_bytes.size() ? m_bytes.data() + offset : nullptr;
            }
        }
        return nullptr;
    }

    // The zero-terminated string at a relative virtual address, cut at the end of its section.
    std::string StringAt(DWORD rva) const {
        std::string text;
        for (const char* c = At(rva); c != nullptr && *c != '\0'; c = At(++rva)) {
            text.push_back(*c);
        }
        return text;
    }

    // The DLLs named in the import table, as written there.
    std::vector<std::string> ImportedDlls() const {
        std::vector<std::string> names;
        if (!IsValid()) {
            return names;
        }
        const IMAGE_DATA_DIRECTORY& imports = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
        for (DWORD rva = imports.VirtualAddress; imports.VirtualAddress != 0;
             rva += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* entry =
                reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(At(rva, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
            if (entry == nullptr || entry->Name == 0) {
                break;
            }
            names.push_back(StringAt(entry->Name));
        }
        return names;
    }

private:
    std::vector<char> m_bytes;
    const IMAGE_NT_HEADERS32* m_nt = nullptr;
};
