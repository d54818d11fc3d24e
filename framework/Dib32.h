// 32-bpp DIBs: four bytes per pixel, blue, green, red, alpha, rows of width * 4. As in the header, a
// positive height stores the rows bottom-up and a negative one top-down.
#pragma once

#include <windows.h>

#include "GdiObjects.h"

BITMAPINFO Dib32Info(int width, int height);

// Empty on failure; `bits` (may be null) receives the pixels.
CBitmap Create32BitDib(HDC dc, int width, int height, void** bits);
