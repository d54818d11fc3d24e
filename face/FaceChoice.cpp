#include "FaceChoice.h"

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

PixelRect PlaceFaceImage(const PixelRect& item, PixelRect& caption, bool hasCaption, unsigned width,
                         unsigned height, bool shift) {
    const int imageWidth = static_cast<int>(width);
    const int imageHeight = static_cast<int>(height);
    int left = item.left;
    int top = item.top + (item.bottom - item.top - imageHeight) / 2;
    if (hasCaption) {
        left += 3;
        caption.left += imageWidth + 3;
    } else {
        left += (item.right - item.left - imageWidth) / 2;
    }
    if (shift) {
        ++left;
        ++top;
    }
    return PixelRect{left, top, left + imageWidth, top + imageHeight};
}
