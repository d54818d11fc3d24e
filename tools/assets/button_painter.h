#pragma once

#include "bitmap.h"
#include "layout.h"

// One button face, built on the skin pixels it will be drawn over so its corners blend in.
Bitmap paintButton(const Bitmap& skin, const ButtonFace& button, bool hover);
