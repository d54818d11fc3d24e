#pragma once

#include "colour.h"
#include "label_font.h"
#include "layout.h"

// Shape and colours of a button's plate, each state of each kind of button.
struct PlateLook {
    double inset;  // plate edge inside the face rectangle, px
    double radius; // corner radius
    Colour top;    // body gradient
    Colour bottom;
    Colour outline; // thin dark edge that parts the plate from its well
    Colour bevel;   // light caught by the plate's upper rim
};

struct FinishLook {
    Colour shine; // glassy gloss over the upper half
    double shineStrength;
    Colour glow; // halo in the margin around the plate, for hover faces
    double glowStrength;
};

struct InkLook {
    Colour colour; // label or glyph
    Colour shadow;
    double shadowDy; // shadow offset; negative puts a highlight above, for engraved labels
};

struct ButtonLook {
    PlateLook plate;
    FinishLook finish;
    InkLook ink;
};

ButtonLook lookOf(ButtonKind kind, bool hover);

LabelStyle labelStyle(ButtonKind kind);
