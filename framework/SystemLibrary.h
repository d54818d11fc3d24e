#pragma once

#include <windows.h>

// From here on, a DLL loaded by name alone comes from the system directory only, never from the program's
// folder or the current directory, where whoever can write there could plant one. Run before anything is
// loaded on demand.
void AfxRestrictDllSearchToSystem();

// A DLL loaded from the system directory, freed when the object goes.
class CSystemLibrary {
public:
    explicit CSystemLibrary(LPCWSTR lpszFileName);
    ~CSystemLibrary();
    CSystemLibrary(const CSystemLibrary&) = delete;
    CSystemLibrary& operator=(const CSystemLibrary&) = delete;

    HMODULE GetSafeHandle() const { return m_hModule; }
    // The export of that name as a pointer to Function; nullptr without the DLL or the export.
    template <typename Function> Function* Find(const char* lpszName) const {
        return m_hModule ? reinterpret_cast<Function*>(
                               reinterpret_cast<void*>(::GetProcAddress(m_hModule, lpszName)))
                         : nullptr;
    }

private:
    HMODULE m_hModule;
};
