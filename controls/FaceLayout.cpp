#include "FaceLayout.h"

namespace {

bool Holds(unsigned filledSlots, int slot) {
    return (filledSlots & (1u << slot)) != 0;
}

int ChosenSlot(const FaceState& state, unsigned filledSlots) {
    if (state.checkMode) {
        return state.pressed ? kHoverFace : kNormalFace;
    }
    if (state.disabled) {
        return Holds(filledSlots, kDisabledFace) ? kDisabledFace : kNormalFace;
    }
    if (state.pressed) {
        return Holds(filledSlots, kPressedFace) ? kPressedFace : kHoverFace;
    }
    return state.hover ? kHoverFace : kNormalFace;
}

} // namespace

int ChooseFaceSlot(const FaceState& state, unsigned filledSlots) {
    if (!Holds(filledSlots, kHoverFace)) {
        return kNoFace;
    }
    const int slot = ChosenSlot(state, filledSlots);
    return Holds(filledSlots, slot) ? slot : kNoFace;
}

CRect PlaceFaceImage(const CRect& item, CRect& caption, BOOL hasCaption, UINT width, UINT height,
                     BOOL shift) {
    const int imageWidth = static_cast<int>(width);
    const int imageHeight = static_cast<int>(height);
    int left = item.left;
    const int top = item.top + (item.Height() - imageHeight) / 2;
    if (hasCaption) {
        left += 3;
        caption.left += imageWidth + 3;
    } else {
        left += (item.Width() - imageWidth) / 2;
    }
    CRect image(left, top, left + imageWidth, top + imageHeight);
    if (shift) {
        image = CRect(image.left + 1, image.top + 1, image.right + 1, image.bottom + 1);
    }
    return image;
}
