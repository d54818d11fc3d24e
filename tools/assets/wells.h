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

// A step of the plinth: each button below the notice pane stands on one, rising from the window's bottom
// edge around its face. The steps melt into one plinth.
struct PlinthStep {
    Box box;       // the rectangle the step is rounded from; it reaches past the window's bottom
    double radius; // of its corners
    int id;        // control id of the button standing on it
};

// One step per plinth button, in row order.
std::vector<PlinthStep> plinthSteps(const std::vector<ButtonFace>& buttons);

// Signed distance from a point to the plinth's edge: negative on the plinth.
double plinthDistance(const std::vector<PlinthStep>& steps, double x, double y);

// Where two rounded shapes melt into one, over a distance k.
double smoothUnion(double a, double b, double k);
