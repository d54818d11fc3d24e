// 32-bpp bottom-up DIB sections: four bytes per pixel, blue, green, red, alpha, rows of width * 4.
#pragma once

#include <windows.h>

// Null on failure; `bits` (may be null) receives the pixels. The caller owns the bitmap.
HBITMAP Create32BitDib(HDC dc, int width, int height, void** bits);
