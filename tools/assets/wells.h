#pragma once

#include "layout.h"

#include <vector>

// A face sits in a well: a hole reaching a little around the face as drawn, and a lip sloping into it.
constexpr int kWellHoleReach = 2;
constexpr double kWellLip = 1.6;

// The well's hole, as a box in pixel space.
Box wellHole(const ButtonFace& b);

// Every pixel the well of `b` paints: its hole and its lip.
PixelRect wellInk(const ButtonFace& b);

double wellRadius(ButtonKind kind);

// A tray of dark glass behind buttons of the top bar.
struct Tray {
    PixelRect rect;
    std::vector<int> ids; // control ids of the buttons it holds, from left to right
};

// Along the top bar, neighbouring web buttons share a tray, and so do neighbouring window buttons, unless the
// logo lies between them; a tray reaches a margin around its buttons.
std::vector<Tray> traysOf(const std::vector<ButtonFace>& buttons, const PixelRect& logo);
