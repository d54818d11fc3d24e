// Where a push button's window and its face image stand on the skin, from the face rectangle of its row.
#pragma once

#include "PixelRect.h"

// The builder makes a push button's window reach this far left of and above its face rectangle; its right
// and bottom edges are the face's.
constexpr int kButtonReachLeft = 3;
constexpr int kButtonReachUp = 2;

constexpr PixelRect ButtonWindowRect(const PixelRect& face) {
    return PixelRect{face.left - kButtonReachLeft, face.top - kButtonReachUp, face.right, face.bottom};
}

// Where the button draws a face image of the row's size on the skin: centred in its window, as a button
// without caption places its image, so a little left of and above the row's rectangle.
PixelRect DrawnFaceRect(const PixelRect& face);
