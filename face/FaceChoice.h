// Which face image a skinned button shows, and where: pure geometry on plain numbers, shared by the
// button's drawing and the host tools.
#pragma once

#include "PixelRect.h"

// Face slots of a skinned button.
enum FaceSlot : int {
    kNoFace = -1,
    kHoverFace = 0, // hovered; in check mode pressed or checked. Without it no face is drawn at all.
    kNormalFace = 1,
    kPressedFace = 2,  // falls back to the hover face
    kDisabledFace = 3, // falls back to the normal face
    kFaceSlotCount = 4,
};

// Flags as the button keeps them: zero is false, anything else true.
struct FaceState {
    int checkMode;
    int disabled;
    int pressed; // in check mode this includes checked
    int hover;
};

// The slot to draw for the state, given which slots hold an image (bit n for slot n); kNoFace when the
// chosen slot is empty or slot 0 is.
int ChooseFaceSlot(const FaceState& state, unsigned filledSlots);

// Where an image of width x height goes in the item box: centred, or 3 pixels from the left edge with
// the caption box starting where it ends; moved by (1, 1) with shift.
PixelRect PlaceFaceImage(const PixelRect& item, PixelRect& caption, bool hasCaption, unsigned width,
                         unsigned height, bool shift);
