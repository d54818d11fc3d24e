#include "GdiplusSession.h"

#include <type_traits>

namespace {

// What GDI+ loads by name as it starts: Wine's GDI+ decodes through the Windows Imaging Component, which it
// delay-loads, and that imports the property system. Loading them first costs nothing, as they are loaded
// at this point anyway.
constexpr const wchar_t* kLoadedByGdiplus[] = {L"windowscodecs.dll", L"propsys.dll"};

// GDI+'s file name, once what it loads by name has been loaded from the system directory, so that nothing
// can load that from elsewhere first. Those DLLs stay loaded after GDI+ goes: they would be looked for again.
const wchar_t* GdiplusAfterWhatItLoads() {
    for (const wchar_t* name : kLoadedByGdiplus) {
        AfxPreloadSystemLibrary(name);
    }
    return L"gdiplus.dll";
}

template <typename Pointer> bool Resolve(const CSystemLibrary& library, const char* name, Pointer& pointer) {
    pointer = library.Find<std::remove_pointer_t<Pointer>>(name);
    return pointer != nullptr;
}

} // namespace

CGdiplusSession::CGdiplusSession() : m_library(GdiplusAfterWhatItLoads()) {
    decltype(&Gdiplus::GdiplusStartup) startup = nullptr;
    if (!Resolve(m_library, "GdiplusStartup", startup) ||
        !Resolve(m_library, "GdiplusShutdown", m_shutdown) ||
        !Resolve(m_library, "GdipCreateBitmapFromStream", m_api.CreateBitmapFromStream) ||
        !Resolve(m_library, "GdipGetImageWidth", m_api.GetImageWidth) ||
        !Resolve(m_library, "GdipGetImageHeight", m_api.GetImageHeight) ||
        !Resolve(m_library, "GdipBitmapLockBits", m_api.BitmapLockBits) ||
        !Resolve(m_library, "GdipBitmapUnlockBits", m_api.BitmapUnlockBits) ||
        !Resolve(m_library, "GdipDisposeImage", m_api.DisposeImage)) {
        return;
    }
    const Gdiplus::GdiplusStartupInput input;
    m_started = startup(&m_token, &input, nullptr) == Gdiplus::Ok;
}

// GDI+ is shut down before its DLL goes: its own threads end with the shutdown.
CGdiplusSession::~CGdiplusSession() {
    if (m_started) {
        m_shutdown(m_token);
    }
}
