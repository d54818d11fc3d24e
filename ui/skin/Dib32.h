// 32-bpp bottom-up DIB sections: four bytes per pixel, blue, green, red, alpha, rows of width * 4.
#pragma once

#include "Framework.h"

// Empty on failure; `bits` (may be null) receives the pixels.
CBitmap Create32BitDib(HDC dc, int width, int height, void** bits);
