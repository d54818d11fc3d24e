// The platform floor: the share of the launcher's start-up that Windows itself takes, whatever code would
// drive it. It restricts the DLL search, loads the version 6 common controls through the same manifest,
// starts OLE, shows a modal dialog of the launcher's template at the skin's size, decodes the skin with
// GDI+ from the system directory and hosts one web-browser control at the notice pane's place, navigating
// to the notice page. It uses the launcher's data (manifest, template, skin, pane row), none of its code:
// the browser is hosted by the system's own ATL, found at run time. What the launcher takes beyond this
// program's start-up is its own code's.
#include "FaceRows.h"

#include <windows.h>
#include <commctrl.h>
#include <exdisp.h>
#include <objidl.h>
#include <ole2.h>
#include <shellapi.h>
#include <gdiplus.h>

namespace {

// Resource ids of PlatformFloor.rc; the start-up bench reads the skin from the same place.
constexpr int kDialogResource = 1;
constexpr int kSkinResource = 1;

constexpr const BROWSER_DATA& kNotice = kBrowserData[0];

using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
using InitCommonControlsExFunction = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
using AtlAxWinInitFunction = BOOL WINAPI();
using AtlAxGetControlFunction = HRESULT WINAPI(HWND, IUnknown**);

template <typename Function> Function* Find(HMODULE module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

// The launcher imports these DLLs too (the registry, opening web pages): the loader maps them and what
// they import in turn before either program runs a line of its own, so that time is the platform's.
// Referenced, never called.
__attribute__((used)) const void* const kLauncherImports[] = {reinterpret_cast<const void*>(&ShellExecuteExW),
                                                              reinterpret_cast<const void*>(&RegCloseKey)};

HMODULE LoadFromSystemDirectory(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// The launcher does this first: DLLs loaded by name come from the system directory only. Windows 7 has
// SetDefaultDllDirectories only with update KB2533623; without it, at least the current directory leaves
// the search.
void RestrictDllSearchToSystem() {
    const auto setDefaultDllDirectories =
        Find<SetDefaultDllDirectoriesFunction>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories == nullptr || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

struct Floor {
    HBITMAP skin = nullptr;
    SIZE skinSize = {};
    HMODULE atl = nullptr;
    IWebBrowser2* browser = nullptr;
};

IStream* StreamOverSkin(HINSTANCE instance) {
    const HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(kSkinResource), L"PNG");
    const HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    IStream* stream = nullptr;
    if (bytes == nullptr || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
        return nullptr;
    }
    stream->Write(bytes, SizeofResource(instance, resource), nullptr);
    const LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    return stream;
}

// GDI+ lives only for the decode, as in the launcher: it is not imported, since it is not one of the DLLs
// every Windows maps from its own copy, and it is shut down before it is unloaded.
HBITMAP DecodeSkin(HINSTANCE instance) {
    const HMODULE gdiplus = LoadFromSystemDirectory(L"gdiplus.dll");
    const auto startup = Find<decltype(Gdiplus::GdiplusStartup)>(gdiplus, "GdiplusStartup");
    const auto shutdown = Find<decltype(Gdiplus::GdiplusShutdown)>(gdiplus, "GdiplusShutdown");
    const auto fromStream = Find<decltype(Gdiplus::DllExports::GdipCreateBitmapFromStream)>(
        gdiplus, "GdipCreateBitmapFromStream");
    const auto toHbitmap = Find<decltype(Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap)>(
        gdiplus, "GdipCreateHBITMAPFromBitmap");
    const auto dispose = Find<decltype(Gdiplus::DllExports::GdipDisposeImage)>(gdiplus, "GdipDisposeImage");
    HBITMAP skin = nullptr;
    const Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (startup != nullptr && shutdown != nullptr && fromStream != nullptr && toHbitmap != nullptr &&
        dispose != nullptr && startup(&token, &input, nullptr) == Gdiplus::Ok) {
        IStream* const stream = StreamOverSkin(instance);
        Gdiplus::GpBitmap* bitmap = nullptr;
        if (stream != nullptr && fromStream(stream, &bitmap) == Gdiplus::Ok) {
            toHbitmap(bitmap, &skin, 0xFF000000);
            dispose(bitmap);
        }
        if (stream != nullptr) {
            stream->Release();
        }
        shutdown(token);
    }
    if (gdiplus != nullptr) {
        FreeLibrary(gdiplus);
    }
    return skin;
}

// Keeps the centre the template's DS_CENTER gave the window and takes the skin's size around it.
void CentreOnSkin(HWND dialog, SIZE skin) {
    RECT window = {};
    GetWindowRect(dialog, &window);
    const int centreX = (window.left + window.right) / 2;
    const int centreY = (window.top + window.bottom) / 2;
    MoveWindow(dialog, centreX - skin.cx / 2, centreY - skin.cy / 2, skin.cx, skin.cy, TRUE);
}

bool HostNotice(HWND dialog, Floor& floor) {
    floor.atl = LoadFromSystemDirectory(L"atl.dll");
    const auto atlAxWinInit = Find<AtlAxWinInitFunction>(floor.atl, "AtlAxWinInit");
    const auto atlAxGetControl = Find<AtlAxGetControlFunction>(floor.atl, "AtlAxGetControl");
    if (atlAxWinInit == nullptr || atlAxGetControl == nullptr || !atlAxWinInit()) {
        return false;
    }
    const HWND host = CreateWindowExW(
        0, L"AtlAxWin", L"Shell.Explorer.2", WS_CHILD | WS_VISIBLE, kNotice.pane.left, kNotice.pane.top,
        kNotice.pane.Width(), kNotice.pane.Height(), dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNotice.id)), GetModuleHandleW(nullptr), nullptr);
    IUnknown* control = nullptr;
    if (host == nullptr || FAILED(atlAxGetControl(host, &control)) || control == nullptr) {
        return false;
    }
    const HRESULT found = control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&floor.browser));
    control->Release();
    if (FAILED(found)) {
        return false;
    }
    BSTR url = SysAllocString(kNotice.url);
    VARIANT none = {};
    floor.browser->Navigate(url, &none, &none, &none, &none);
    SysFreeString(url);
    return true;
}

void Paint(HWND dialog, const Floor& floor) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(dialog, &paint);
    const HDC skinDc = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(skinDc, floor.skin);
    BitBlt(dc, 0, 0, floor.skinSize.cx, floor.skinSize.cy, skinDc, 0, 0, SRCCOPY);
    SelectObject(skinDc, previous);
    DeleteDC(skinDc);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* floor = reinterpret_cast<Floor*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        floor = reinterpret_cast<Floor*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetWindowTextW(dialog, L"Platform Floor");
        floor->skin = DecodeSkin(GetModuleHandleW(nullptr));
        BITMAP skin = {};
        if (floor->skin == nullptr || GetObjectW(floor->skin, sizeof skin, &skin) == 0) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        floor->skinSize = {skin.bmWidth, skin.bmHeight};
        CentreOnSkin(dialog, floor->skinSize);
        if (!HostNotice(dialog, *floor)) {
            EndDialog(dialog, 1);
        }
        return TRUE;
    }
    case WM_PAINT:
        if (floor == nullptr || floor->skin == nullptr) {
            return FALSE;
        }
        Paint(dialog, *floor);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL) {
            return FALSE;
        }
        if (floor->browser != nullptr) {
            floor->browser->Release();
            floor->browser = nullptr;
        }
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    RestrictDllSearchToSystem();
    // By name, after the restriction, as the launcher's delayed import loads it: the manifest makes it
    // version 6, and what its initialisation loads comes from the system directory.
    const HMODULE comctl32 = LoadLibraryW(L"comctl32.dll");
    const auto initCommonControlsEx = Find<InitCommonControlsExFunction>(comctl32, "InitCommonControlsEx");
    if (initCommonControlsEx == nullptr) {
        return 1;
    }
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    initCommonControlsEx(&controls);
    const bool oleInitialized = SUCCEEDED(OleInitialize(nullptr));

    Floor floor;
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(kDialogResource), nullptr, DialogProc,
                                           reinterpret_cast<LPARAM>(&floor));
    if (floor.browser != nullptr) {
        floor.browser->Release();
    }
    if (floor.skin != nullptr) {
        DeleteObject(floor.skin);
    }
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
