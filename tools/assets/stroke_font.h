#pragma once

#include "mask.h"

#include <string_view>

// The logo's carved capitals, drawn as strokes. Glyphs are designed on a grid 6 units tall (y grows
// downwards, 0 = cap line) and mostly 4 units wide; strokes are round-capped lines of `radius` px. The
// font holds the logo's letters only; the buttons' labels are set in the label font (label_font.h).
struct TextStyle {
    double unitX;    // px per horizontal design unit
    double unitY;    // px per vertical design unit
    double radius;   // half the stroke thickness, px
    double tracking; // px between the stroke-centre boxes of neighbouring glyphs
    double slant;    // horizontal shift per px of height above the baseline (0 = upright)
};

// Width of the stroke-centre box of `text`; the inked width is this plus 2 * radius.
double textWidth(std::string_view text, const TextStyle& style);

// Ink height of the stroke-centre box (cap line to baseline); inked height adds 2 * radius.
constexpr double textHeight(const TextStyle& style) {
    return 6.0 * style.unitY;
}

// Adds the anti-aliased coverage of `text` to `mask` (by union), with the stroke-centre box's top-left
// corner at (left, top). Coverage comes from `samples` x `samples` point tests per pixel.
void drawText(Mask& mask, std::string_view text, double left, double top, const TextStyle& style,
              int samples);
