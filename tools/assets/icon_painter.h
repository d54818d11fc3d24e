#pragma once

#include "bitmap.h"

constexpr int kIconSize = 32;

// Application icon: a snow peak against the dawn, with a gold star above its summit.
Bitmap paintIcon();
