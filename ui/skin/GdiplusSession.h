// GDI+ for the length of one decode: loaded from the system directory, started, and shut down and unloaded
// again when the session goes. The program does not import it, as it is not one of the DLLs every Windows
// the launcher runs on maps from its own copy: imported, it could be taken from the game's folder.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "Framework.h"

// The flat API the decode uses, typed as GDI+'s own declarations.
struct GdiplusApi {
    decltype(&Gdiplus::DllExports::GdipCreateBitmapFromStream) CreateBitmapFromStream;
    decltype(&Gdiplus::DllExports::GdipGetImageWidth) GetImageWidth;
    decltype(&Gdiplus::DllExports::GdipGetImageHeight) GetImageHeight;
    decltype(&Gdiplus::DllExports::GdipBitmapLockBits) BitmapLockBits;
    decltype(&Gdiplus::DllExports::GdipBitmapUnlockBits) BitmapUnlockBits;
    decltype(&Gdiplus::DllExports::GdipDisposeImage) DisposeImage;
};

class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    // FALSE when GDI+ could not be loaded, lacks an entry the decode needs, or did not start.
    bool Started() const { return m_started; }
    const GdiplusApi& Api() const { return m_api; }

private:
    CSystemLibrary m_library;
    GdiplusApi m_api = {};
    decltype(&Gdiplus::GdiplusShutdown) m_shutdown = nullptr;
    ULONG_PTR m_token = 0;
    bool m_started = false;
};
