#pragma once

#include "canvas.h"
#include "outline.h"

// Bevelled rim that follows the window's cut outline, corner cuts and bottom tab included.
void paintWindowFrame(Canvas& canvas, const Outline& outline);

// Dark panel where the browser pane goes, inside a gold frame just outside the pane's rectangle.
void paintPaneFrame(Canvas& canvas);
