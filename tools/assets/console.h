#pragma once

#include "canvas.h"

// Stepped plinth under the buttons below the notice pane, rising from the bottom tab; nothing without them.
void paintPlinth(Canvas& canvas);

// Dark glass trays behind the top bar's buttons.
void paintTrays(Canvas& canvas);

// Recessed wells that every button face sits in; the plinth's buttons share one.
void paintWells(Canvas& canvas);
