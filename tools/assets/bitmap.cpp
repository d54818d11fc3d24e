#include "bitmap.h"

#include "KeyColours.h"

#include <algorithm>

Bitmap Bitmap::crop(const PixelRect& area) const {
    Bitmap out(area.Width(), area.Height());
    for (int y = 0; y < out.height; ++y) {
        const std::uint8_t* row = pixel(area.left, area.top + y);
        std::copy(row, row + std::size_t(out.width) * 3u, out.pixel(0, y));
    }
    return out;
}

int countFaceKeyPixels(const Bitmap& image) {
    int count = 0;
    for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
        if (IsFaceKeyColour(image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]))
            ++count;
    }
    return count;
}
