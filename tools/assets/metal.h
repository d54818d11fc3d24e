#pragma once

#include "colour.h"

// Colours of one polished material from its darkest to its brightest facet.
struct Metal {
    Colour shadow;
    Colour base;
    Colour light;
    Colour shine;
};

constexpr Metal kGold{rgb(92, 58, 22), rgb(184, 134, 58), rgb(240, 204, 122), rgb(255, 244, 206)};
constexpr Metal kSteel{rgb(16, 24, 40), rgb(52, 70, 102), rgb(116, 142, 182), rgb(196, 214, 240)};

// A rounded bar seen from above. `across` runs 0..1 over its width, (nx, ny) is the unit direction in which
// `across` grows, and light falls from the upper left.
Colour ridgeColour(const Metal& metal, double across, double nx, double ny);

// Lip of a recess: the same bar profile, lit from the opposite side, so it reads as sunk instead of raised.
Colour hollowColour(const Metal& metal, double across, double nx, double ny);
