// Replaces this program's import of one system function with another of the same type for as long as the
// hook lives: code linked into the program then calls the replacement, which can watch or change what it
// asks of the system.
#pragma once

#include <windows.h>

class CImportHook {
public:
    CImportHook(const char* dll, const char* function, void* replacement) {
        const HMODULE target = ::GetModuleHandleA(dll);
        void* const original = target ? reinterpret_cast<void*>(::GetProcAddress(target, function)) : nullptr;
        auto* const base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
        for (; original != nullptr && imports.VirtualAddress != 0 && entry->Name != 0; ++entry) {
            if (::lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) {
                continue;
            }
            for (auto* slot = reinterpret_cast<void**>(base + entry->FirstThunk); *slot != nullptr; ++slot) {
                if (*slot == original) {
                    m_slot = slot;
                    m_original = original;
                    Write(replacement);
                    return;
                }
            }
        }
    }
    ~CImportHook() {
        if (m_slot != nullptr) {
            Write(m_original);
        }
    }
    CImportHook(const CImportHook&) = delete;
    CImportHook& operator=(const CImportHook&) = delete;

    bool Installed() const { return m_slot != nullptr; }
    // The replaced function, for the replacement to call on.
    void* Original() const { return m_original; }

private:
    void Write(void* value) {
        DWORD protection = 0;
        ::VirtualProtect(m_slot, sizeof *m_slot, PAGE_READWRITE, &protection);
        *m_slot = value;
        ::VirtualProtect(m_slot, sizeof *m_slot, protection, &protection);
    }

    void** m_slot = nullptr;
    void* m_original = nullptr;
};
