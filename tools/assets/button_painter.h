#pragma once

#include "bitmap.h"
#include "layout.h"

// One button face, built on the skin pixels it will be drawn over so its corners blend in.
Bitmap paintButton(const Bitmap& skin, const ButtonFace& button, bool hover);

// Pixels the label of a web or start button inks, chevrons included.
struct LabelInk {
    double width;
    double height;
};
LabelInk labelInk(const ButtonFace& button);
