// What a window shows on screen, read back once it has painted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The client area row by row, each pixel 0x00RRGGBB.
struct Capture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    COLORREF ColourAt(int x, int y) const {
        const uint32_t pixel = At(x, y);
        return RGB(pixel >> 16, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
};

Capture CaptureWindow(HWND window);
