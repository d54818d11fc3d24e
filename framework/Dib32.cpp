#include "Dib32.h"

BITMAPINFO Dib32Info(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

CBitmap Create32BitDib(HDC dc, int width, int height, void** bits) {
    const BITMAPINFO info = Dib32Info(width, height);
    void* pixels = nullptr;
    CBitmap dib;
    dib.Attach(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bits != nullptr) {
        *bits = pixels;
    }
    return dib;
}
