#pragma once

#include "canvas.h"
#include "outline.h"

// The window frame's opaque bands reach this far in from the window's edge (its shadow a little further).
constexpr double kWindowFrameDepth = 7.1;

// Bevelled rim that follows the window's cut outline, corner cuts and bottom tab included.
void paintWindowFrame(Canvas& canvas, const Outline& outline);

// Dark panel where the browser pane goes, inside a gold frame just outside the pane's rectangle.
void paintPaneFrame(Canvas& canvas);

// Every pixel the frame of `pane` paints opaque, around its rectangle (its shadow reaches further).
PixelRect paneFrameBounds(const PixelRect& pane);
