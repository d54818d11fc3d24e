// The platform floor: the share of the launcher's start-up that Windows itself takes, whatever code would
// drive it. It restricts the DLL search, loads the version 6 common controls through the same manifest,
// starts OLE and shows, as a modal dialog, a window that shows what the launcher's shows (FloorWindow.h):
// the skin, the nine buttons' normal faces and the notice pane. It carries the launcher's resources and
// reads its data, none of its code. What the launcher takes beyond this program's start-up is its own
// code's.
#include "FloorWindow.h"

#include "resource.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

namespace {

using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
using InitCommonControlsExFunction = BOOL WINAPI(const INITCOMMONCONTROLSEX*);

// The launcher imports these DLLs too (the registry, opening web pages): the loader maps them and what
// they import in turn before either program runs a line of its own, so that time is the platform's.
// Referenced, never called.
__attribute__((used)) const void* const kLauncherImports[] = {reinterpret_cast<const void*>(&ShellExecuteExW),
                                                              reinterpret_cast<const void*>(&RegCloseKey)};

// The launcher does this first: DLLs loaded by name come from the system directory only. Windows 7 has
// SetDefaultDllDirectories only with update KB2533623; without it, at least the current directory leaves
// the search.
void RestrictDllSearchToSystem() {
    const auto setDefaultDllDirectories = FindExport<SetDefaultDllDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories == nullptr || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    RestrictDllSearchToSystem();
    // By name, after the restriction, as the launcher's delayed import loads it: the manifest makes it
    // version 6, and what its initialisation loads comes from the system directory.
    const HMODULE comctl32 = LoadLibraryW(L"comctl32.dll");
    const auto initCommonControlsEx =
        FindExport<InitCommonControlsExFunction>(comctl32, "InitCommonControlsEx");
    if (initCommonControlsEx == nullptr) {
        return 1;
    }
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    initCommonControlsEx(&controls);
    const bool oleInitialized = SUCCEEDED(OleInitialize(nullptr));

    FloorWindow floor;
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_LAUNCHER_DIALOG), nullptr,
                                           FloorDialogProc, reinterpret_cast<LPARAM>(&floor));
    ReleaseFloorWindow(floor);
    // OLE goes before ATL: the control may hold the ATL host's site until its server is unloaded.
    if (oleInitialized) {
        OleUninitialize();
    }
    if (floor.atl != nullptr) {
        FreeLibrary(floor.atl);
    }
    FreeLibrary(comctl32);
    return result == 0 ? 0 : 1;
}
