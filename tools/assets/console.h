#pragma once

#include "canvas.h"

// Stepped plinth under the sign-up and start buttons, rising from the bottom tab.
void paintPlinth(Canvas& canvas);

// Signed distance from a point to the plinth's edge: negative on the plinth.
double plinthDistance(double x, double y);

// The plinth's two steps, upper and lower, as the rectangles they are rounded from.
Box plinthUpperStep();
Box plinthLowerStep();

// Dark glass trays behind the top bar's buttons.
void paintTrays(Canvas& canvas);

// Recessed wells that every button face sits in; the plinth's buttons share one.
void paintWells(Canvas& canvas);
