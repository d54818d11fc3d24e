#pragma once

#include "canvas.h"

// "SKYREACH" in gold across the top centre of the header, between the two button trays.
void paintLogo(Canvas& canvas);

// The smallest rectangle holding every pixel of the logo's outline, wings included; its glow reaches further.
PixelRect logoBounds();
