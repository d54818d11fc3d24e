#include "ButtonWindow.h"

#include "FaceChoice.h"

PixelRect DrawnFaceRect(const PixelRect& face) {
    const PixelRect window = ButtonWindowRect(face);
    const PixelRect item{0, 0, window.Width(), window.Height()};
    PixelRect caption = item;
    return PlaceFaceImage(item, caption, false, static_cast<unsigned>(face.Width()),
                          static_cast<unsigned>(face.Height()), false)
        .Offset(window.left, window.top);
}
