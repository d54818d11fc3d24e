#pragma once

#include <windows.h>

// From here on, a DLL loaded by name alone comes from the system directory only, never from the program's
// folder or the current directory, where whoever can write there could plant one. Run before anything is
// loaded on demand.
void AfxRestrictDllSearchToSystem();

// Loads a DLL from the system directory for the rest of the process. Windows looks for a DLL that a system
// DLL loads by name in the program's default DLL directories, but Wine looks in the program's folder first
// for what its own DLLs delay-load: loaded beforehand from the system directory, the DLL is found loaded.
// FALSE when it could not be loaded.
BOOL AfxPreloadSystemLibrary(LPCWSTR lpszFileName);

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
