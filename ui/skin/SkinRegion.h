// The window's outline from its skin: every pixel except those painted in the magenta key colour.
#pragma once

#include "Framework.h"

// Builds the region, in the bitmap's own coordinates, of the skin's non-key pixels. The skin's size
// is stored in width and height as soon as it is known, even if the build fails later. Empty on
// failure.
CRgn MakeSkinRegion(HBITMAP skin, int& width, int& height);
