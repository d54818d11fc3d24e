#pragma once

#include "bitmap.h"
#include "layout.h"

// One button face, built on the skin pixels it will be drawn over so its corners blend in.
Bitmap paintButton(const Bitmap& skin, const ButtonFace& button, bool hover);

// Every pixel the label of a web or start button inks on its face, chevrons included, in the face's own
// pixels; empty for the window buttons' glyphs.
PixelRect labelInk(const ButtonFace& button);

// Where a label may ink on the face, in the face's own pixels: inside the plate's outline and bevel.
PixelRect labelRoom(const ButtonFace& button);
