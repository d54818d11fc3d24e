#pragma once

#include "PixelRect.h"
#include "mask.h"

#include <string>
#include <string_view>
#include <vector>

// The buttons' labels are set in Bebas Neue Bold, a condensed display face (SIL Open Font License 1.1, from
// Debian's fonts-bebas-neue), rendered by FreeType with light hinting: stems and bars snap to whole pixels
// from top to bottom, so the small labels of the top bar stay crisp, and every glyph stands on a whole
// pixel along the line.
struct LabelStyle {
    int pixelSize; // the font's em in pixels; its capitals are 0.7 of it
    int tracking;  // pixels added between neighbouring glyphs
};

// A line of text laid out from its origin, the left end of its baseline.
struct LabelLine {
    PixelRect ink; // every pixel the glyphs cover, relative to the origin (top is negative)
    int capHeight; // height of the capitals above the baseline
    struct Glyph {
        int left; // of its bitmap, from the origin
        int top;  // of its bitmap, from the baseline (negative: above it)
        int width;
        int height;
        std::vector<unsigned char> coverage; // row by row, 0..255
    };
    std::vector<Glyph> glyphs;
};

// False, with the reason, when the font cannot be loaded or lacks a character a label may use.
bool labelFontReady(std::string& error);

LabelLine layOutLabel(std::string_view text, const LabelStyle& style);

// Adds the line's coverage to `mask` (by union), with its origin at (x, baseline).
void drawLabel(Mask& mask, const LabelLine& line, int x, int baseline);
