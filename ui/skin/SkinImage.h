// Decoding the PNG skin compiled into the program into a GDI bitmap.
#pragma once

#include "Framework.h"

// The skin resource of the application's module, as a 32-bpp bottom-up DIB section holding the
// PNG's own (not premultiplied) blue, green, red and alpha bytes. Empty on any failure.
CBitmap LoadSkinImage();

// The same for any PNG resource of type "PNG".
CBitmap LoadPngResource(HMODULE module, UINT resourceId);

// The same for a PNG file's bytes.
CBitmap DecodePng(const void* bytes, DWORD size);
