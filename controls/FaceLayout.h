// Which face image a skinned button shows, and where: pure geometry, no drawing.
#pragma once

#include "Framework.h"

// Face slots of a skinned button.
enum FaceSlot : int {
    kNoFace = -1,
    kHoverFace = 0, // hovered; in check mode pressed or checked. Without it no face is drawn at all.
    kNormalFace = 1,
    kPressedFace = 2,  // falls back to the hover face
    kDisabledFace = 3, // falls back to the normal face
    kFaceSlotCount = 4,
};

struct FaceState {
    BOOL checkMode;
    BOOL disabled;
    BOOL pressed; // in check mode this includes checked
    BOOL hover;
};

// The slot to draw for the state, given which slots hold an image (bit n for slot n); kNoFace when the
// chosen slot is empty or slot 0 is.
int ChooseFaceSlot(const FaceState& state, unsigned filledSlots);

// Where an image of width x height goes in the item rectangle: centred, or 3 pixels from the left edge
// with the caption rectangle starting where it ends; moved by (1, 1) with shift.
CRect PlaceFaceImage(const CRect& item, CRect& caption, BOOL hasCaption, UINT width, UINT height, BOOL shift);
