#pragma once

#include "Framework.h"

// Builds the 1-bit mask of image: 1 where a pixel equals key, 0 elsewhere. The key pixels of image itself
// are turned black, so that an SRCAND of the mask followed by an SRCPAINT of the image draws the image with
// the key colour transparent. Returns an empty bitmap when the mask cannot be made.
CBitmap MakeKeyMask(HBITMAP hImage, UINT width, UINT height, COLORREF key);
