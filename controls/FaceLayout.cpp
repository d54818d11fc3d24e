#include "FaceLayout.h"

namespace {

FaceBox ToBox(const CRect& rect) {
    return FaceBox{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

CRect PlaceFaceImage(const CRect& item, CRect& caption, BOOL hasCaption, UINT width, UINT height,
                     BOOL shift) {
    FaceBox captionBox = ToBox(caption);
    const FaceBox image =
        PlaceFaceImage(ToBox(item), captionBox, hasCaption != FALSE, width, height, shift != FALSE);
    caption = CRect(captionBox.left, captionBox.top, captionBox.right, captionBox.bottom);
    return CRect(image.left, image.top, image.right, image.bottom);
}
