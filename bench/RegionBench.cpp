// Region building: the run-batching builder against a pixel-at-a-time baseline.
#include "Dib32.h"
#include "SkinImage.h"
#include "SkinRegion.h"
#include "resource.h"

#include <windows.h>

#include <cstdio>
#include <functional>

namespace {

HBITMAP MakeCheckerboard(int width, int height) {
    void* bits = nullptr;
    HBITMAP bitmap = Create32BitDib(nullptr, width, height, &bits);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = (x + y) % 2 == 0 ? 0xFFFF00FFu : 0xFF2060A0u;
    return bitmap;
}

// The straightforward way: a 1 x 1 region per key pixel, combined one at a time, read with GetPixel.
HRGN PerPixelRegion(HBITMAP skin) {
    BITMAP info = {};
    GetObjectW(skin, sizeof info, &info);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, skin);
    HRGN keyArea = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (IsSkinKeyColour(GetRValue(c), GetGValue(c), GetBValue(c))) {
                HRGN pixel = CreateRectRgn(x, y, x + 1, y + 1);
                CombineRgn(keyArea, keyArea, pixel, RGN_OR);
                DeleteObject(pixel);
            }
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    HRGN whole = CreateRectRgn(0, 0, info.bmWidth, info.bmHeight);
    CombineRgn(keyArea, keyArea, whole, RGN_XOR);
    DeleteObject(whole);
    return keyArea;
}

HRGN Builder(HBITMAP skin) {
    int width = 0;
    int height = 0;
    return MakeSkinRegion(skin, width, height);
}

// Best time of `rounds` runs, in milliseconds.
double Time(const std::function<HRGN(HBITMAP)>& build, HBITMAP skin, int rounds) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        HRGN region = build(skin);
        QueryPerformanceCounter(&end);
        DeleteObject(region);
        const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
        best = ms < best ? ms : best;
    }
    return best;
}

void Row(const char* name, double builder, double baseline) {
    if (baseline > 0)
        std::printf("%-34s %10.2f ms %12.2f ms %10.1fx\n", name, builder, baseline, baseline / builder);
    else
        std::printf("%-34s %10.2f ms %15s %10s\n", name, builder, "-", "-");
}

} // namespace

int main() {
    std::printf("%-34s %13s %15s %11s\n", "skin", "builder", "per-pixel", "speed-up");
    HBITMAP shipped = LoadPngResource(GetModuleHandleW(nullptr), IDR_SKIN_PNG);
    Row("shipped skin 830x620 (72 runs)", Time(Builder, shipped, 20), Time(PerPixelRegion, shipped, 3));

    HBITMAP worst = MakeCheckerboard(830, 620);
    Row("checkerboard 830x620 (257,300 runs)", Time(Builder, worst, 5), 0);

    // The baseline is quadratic in the key pixels; compare on a size where it ends in seconds.
    HBITMAP small = MakeCheckerboard(160, 120);
    Row("checkerboard 160x120 (9,600 runs)", Time(Builder, small, 10), Time(PerPixelRegion, small, 1));

    DeleteObject(small);
    DeleteObject(worst);
    DeleteObject(shipped);
    return 0;
}
