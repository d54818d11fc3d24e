#pragma once

#include "bitmap.h"
#include "outline.h"

// The whole window skin, with the cut outline already painted in the key colour.
Bitmap paintSkin(const Outline& outline);
