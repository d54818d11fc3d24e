#pragma once

#include "canvas.h"

// Stepped plinth under the sign-up and start buttons, rising from the bottom tab.
void paintPlinth(Canvas& canvas);

// Dark glass trays behind the header's navigation buttons.
void paintTrays(Canvas& canvas);

// Recessed wells that every button face sits in.
void paintWells(Canvas& canvas);
