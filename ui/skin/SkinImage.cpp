#include "SkinImage.h"

#include "Dib32.h"
#include "Framework.h"
#include "GdiplusSession.h"
#include "resource.h"

#include <cstring>

namespace {

// A decoded image, disposed of when this goes.
class GpBitmapRef {
public:
    explicit GpBitmapRef(const GdiplusApi& api) : m_api(api) {}
    ~GpBitmapRef() {
        if (m_bitmap) {
            m_api.DisposeImage(m_bitmap);
        }
    }
    GpBitmapRef(const GpBitmapRef&) = delete;
    GpBitmapRef& operator=(const GpBitmapRef&) = delete;

    Gdiplus::GpBitmap** Receive() { return &m_bitmap; }
    Gdiplus::GpBitmap* Get() const { return m_bitmap; }

private:
    const GdiplusApi& m_api;
    Gdiplus::GpBitmap* m_bitmap = nullptr;
};

CComPtr<IStream> StreamOverBytes(const void* bytes, DWORD size) {
    CComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
        return stream;
    }
    stream->Write(bytes, size, nullptr);
    // Decoders read from the stream's current position; the image starts at its beginning.
    const LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    return stream;
}

// Copies the decoded pixels, as non-premultiplied 32-bpp ARGB (bytes blue, green, red, alpha), into
// a new bottom-up DIB section of the same size.
CBitmap CopyToDibSection(const GdiplusApi& api, Gdiplus::GpBitmap* bitmap) {
    using namespace Gdiplus;
    UINT width = 0;
    UINT height = 0;
    if (api.GetImageWidth(bitmap, &width) != Ok || api.GetImageHeight(bitmap, &height) != Ok || width == 0 ||
        height == 0) {
        return CBitmap();
    }

    void* bits = nullptr;
    CBitmap dib = Create32BitDib(nullptr, static_cast<int>(width), static_cast<int>(height), &bits);
    if (dib.GetSafeHandle() == nullptr) {
        return dib;
    }

    const GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    BitmapData locked = {};
    if (api.BitmapLockBits(bitmap, &all, ImageLockModeRead, PixelFormat32bppARGB, &locked) != Ok) {
        return CBitmap();
    }
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (UINT y = 0; y < height; ++y) {
        const BYTE* source =
            static_cast<const BYTE*>(locked.Scan0) + static_cast<ptrdiff_t>(y) * locked.Stride;
        BYTE* target = static_cast<BYTE*>(bits) + (height - 1 - y) * rowBytes;
        std::memcpy(target, source, rowBytes);
    }
    api.BitmapUnlockBits(bitmap, &locked);
    return dib;
}

} // namespace

CBitmap LoadPngResource(HMODULE module, UINT resourceId) {
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(resourceId), L"PNG");
    if (resource == nullptr) {
        return CBitmap();
    }
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    const DWORD size = ::SizeofResource(module, resource);
    return bytes != nullptr ? DecodePng(bytes, size) : CBitmap();
}

CBitmap DecodePng(const void* bytes, DWORD size) {
    if (size == 0) {
        return CBitmap();
    }
    const CGdiplusSession gdiplus;
    if (!gdiplus.Started()) {
        return CBitmap();
    }
    const CComPtr<IStream> stream = StreamOverBytes(bytes, size);
    if (!stream) {
        return CBitmap();
    }
    GpBitmapRef decoded(gdiplus.Api());
    if (gdiplus.Api().CreateBitmapFromStream(stream, decoded.Receive()) != Gdiplus::Ok) {
        return CBitmap();
    }
    return CopyToDibSection(gdiplus.Api(), decoded.Get());
}

CBitmap LoadSkinImage() {
    return LoadPngResource(AfxGetResourceHandle(), IDR_SKIN_PNG);
}
