#include "FloorWindow.h"

#include "ButtonWindow.h"
#include "FaceRows.h"
#include "resource.h"

#include <objidl.h>
#include <ole2.h>
#include <gdiplus.h>

namespace {

constexpr const BROWSER_DATA& kNotice = kBrowserData[0];
constexpr const wchar_t* kFaceClass = L"PlatformFloorFace";

using AtlAxWinInitFunction = BOOL WINAPI();
using AtlAxGetControlFunction = HRESULT WINAPI(HWND, IUnknown**);

HMODULE LoadFromSystemDirectory(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

IStream* StreamOverSkin(HINSTANCE instance) {
    const HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(IDR_SKIN_PNG), L"PNG");
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
    const auto startup = FindExport<decltype(Gdiplus::GdiplusStartup)>(gdiplus, "GdiplusStartup");
    const auto shutdown = FindExport<decltype(Gdiplus::GdiplusShutdown)>(gdiplus, "GdiplusShutdown");
    const auto fromStream = FindExport<decltype(Gdiplus::DllExports::GdipCreateBitmapFromStream)>(
        gdiplus, "GdipCreateBitmapFromStream");
    const auto toHbitmap = FindExport<decltype(Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap)>(
        gdiplus, "GdipCreateHBITMAPFromBitmap");
    const auto dispose =
        FindExport<decltype(Gdiplus::DllExports::GdipDisposeImage)>(gdiplus, "GdipDisposeImage");
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

// A face window's picture: its face selected into a memory DC, placed as the launcher places it.
struct Face {
    HBITMAP image;
    HDC dc;
    HGDIOBJ dcBitmap;
    POINT at;
    SIZE size;
};

LRESULT CALLBACK FaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* face = reinterpret_cast<Face*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_ERASEBKGND:
        return 1; // the parent's skin is under the face already: it does not clip its children
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        BitBlt(dc, face->at.x, face->at.y, face->size.cx, face->size.cy, face->dc, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        SelectObject(face->dc, face->dcBitmap);
        DeleteDC(face->dc);
        DeleteObject(face->image);
        delete face;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void AddFaces(HWND dialog, HINSTANCE instance) {
    WNDCLASSW faceClass = {};
    faceClass.lpfnWndProc = FaceProc;
    faceClass.hInstance = instance;
    faceClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    faceClass.lpszClassName = kFaceClass;
    RegisterClassW(&faceClass);
    for (const BUTTON_DATA& row : kButtonData) {
        const auto image = static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(row.normalImage), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        BITMAP size = {};
        if (image == nullptr || GetObjectW(image, sizeof size, &size) == 0) {
            continue;
        }
        const PixelRect place = ButtonWindowRect(row.face);
        const PixelRect drawn = DrawnFaceRect(row.face);
        const int width = place.Width(), height = place.Height();
        auto* face = new Face{image,
                              CreateCompatibleDC(nullptr),
                              nullptr,
                              {drawn.left - place.left, drawn.top - place.top},
                              {size.bmWidth, size.bmHeight}};
        face->dcBitmap = SelectObject(face->dc, image);
        CreateWindowExW(0, kFaceClass, L"", WS_CHILD | WS_VISIBLE, place.left, place.top, width, height,
                        dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, face);
    }
}

bool HostNotice(HWND dialog, FloorWindow& floor) {
    floor.atl = LoadFromSystemDirectory(L"atl.dll");
    const auto atlAxWinInit = FindExport<AtlAxWinInitFunction>(floor.atl, "AtlAxWinInit");
    const auto atlAxGetControl = FindExport<AtlAxGetControlFunction>(floor.atl, "AtlAxGetControl");
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

bool Initialise(HWND dialog, FloorWindow& floor) {
    SetWindowTextW(dialog, L"Platform Floor");
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    floor.skin = DecodeSkin(instance);
    BITMAP skin = {};
    if (floor.skin == nullptr || GetObjectW(floor.skin, sizeof skin, &skin) == 0) {
        return false;
    }
    floor.skinSize = {skin.bmWidth, skin.bmHeight};
    floor.skinDc = CreateCompatibleDC(nullptr);
    floor.skinDcBitmap = SelectObject(floor.skinDc, floor.skin);
    CentreOnSkin(dialog, floor.skinSize);
    AddFaces(dialog, instance);
    return HostNotice(dialog, floor);
}

void ReleaseBrowser(FloorWindow& floor) {
    if (floor.browser != nullptr) {
        floor.browser->Release();
        floor.browser = nullptr;
    }
}

} // namespace

INT_PTR CALLBACK FloorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* floor = reinterpret_cast<FloorWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        if (!Initialise(dialog, *reinterpret_cast<FloorWindow*>(lParam))) {
            EndDialog(dialog, 1);
        }
        return TRUE;
    case WM_ERASEBKGND:
        if (floor == nullptr || floor->skinDc == nullptr) {
            return FALSE;
        }
        BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, floor->skinSize.cx, floor->skinSize.cy, floor->skinDc, 0,
               0, SRCCOPY);
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL || floor == nullptr) {
            return FALSE;
        }
        ReleaseBrowser(*floor);
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void ReleaseFloorWindow(FloorWindow& floor) {
    ReleaseBrowser(floor);
    if (floor.skinDc != nullptr) {
        SelectObject(floor.skinDc, floor.skinDcBitmap);
        DeleteDC(floor.skinDc);
        floor.skinDc = nullptr;
    }
    if (floor.skin != nullptr) {
        DeleteObject(floor.skin);
        floor.skin = nullptr;
    }
}
