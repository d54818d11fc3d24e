#include "Pictures.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>

#include "Dib32.h"

void Picture::Draw(const Picture& source, int x, int y, COLORREF key) {
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int tx = x + sx, ty = y + sy;
            if (tx >= 0 && ty >= 0 && tx < m_width && ty < m_height && source.At(sx, sy) != key) {
                Set(tx, ty, source.At(sx, sy));
            }
        }
    }
}

Picture Picture::Crop(const RECT& rect) const {
    Picture part(rect.right - rect.left, rect.bottom - rect.top);
    for (int y = 0; y < part.Height(); ++y) {
        for (int x = 0; x < part.Width(); ++x) {
            part.Set(x, y, At(rect.left + x, rect.top + y));
        }
    }
    return part;
}

int CountDifferences(const Picture& a, const Picture& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return std::max(a.Width() * a.Height(), b.Width() * b.Height());
    }
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            differences += a.At(x, y) != b.At(x, y);
        }
    }
    return differences;
}

Picture CaptureScreen(const RECT& rect) {
    Picture picture(rect.right - rect.left, rect.bottom - rect.top);
    const BITMAPINFO info = Dib32Info(picture.Width(), -picture.Height());
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, picture.Width(), picture.Height(), screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x, ++pixel) {
            picture.Set(x, y, RGB((*pixel >> 16) & 0xFF, (*pixel >> 8) & 0xFF, *pixel & 0xFF));
        }
    }
    SelectObject(memory, previous);
    DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

COLORREF ScreenPixel(int x, int y) {
    return CaptureScreen({x, y, x + 1, y + 1}).At(0, 0);
}

Picture LoadPicture(const std::wstring& file) {
    const Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
        return {};
    }
    Picture picture;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(file.c_str(), &bitmap) == Gdiplus::Ok) {
        UINT width = 0, height = 0;
        Gdiplus::DllExports::GdipGetImageWidth(bitmap, &width);
        Gdiplus::DllExports::GdipGetImageHeight(bitmap, &height);
        Gdiplus::Rect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        Gdiplus::BitmapData data = {};
        if (Gdiplus::DllExports::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead,
                                                    PixelFormat32bppARGB, &data) == Gdiplus::Ok) {
            picture = Picture(static_cast<int>(width), static_cast<int>(height));
            for (UINT y = 0; y < height; ++y) {
                const auto* row = reinterpret_cast<const BYTE*>(data.Scan0) + y * data.Stride;
                for (UINT x = 0; x < width; ++x) {
                    const BYTE* p = row + 4 * x;
                    picture.Set(static_cast<int>(x), static_cast<int>(y), RGB(p[2], p[1], p[0]));
                }
            }
            Gdiplus::DllExports::GdipBitmapUnlockBits(bitmap, &data);
        }
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
    }
    Gdiplus::GdiplusShutdown(token);
    return picture;
}
