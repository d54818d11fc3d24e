#include "OutlinePreview.h"

namespace {

void Paint(BgraImage& image, int x, int y, const PreviewColour& colour) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height)
        return;
    std::uint8_t* pixel = image.At(x, y);
    pixel[0] = colour.blue;
    pixel[1] = colour.green;
    pixel[2] = colour.red;
    pixel[3] = 255;
}

// A one-pixel frame just inside the box; parts beyond the picture are left out.
void Frame(BgraImage& image, int left, int top, int right, int bottom, const PreviewColour& colour) {
    for (int x = left; x < right; ++x) {
        Paint(image, x, top, colour);
        Paint(image, x, bottom - 1, colour);
    }
    for (int y = top; y < bottom; ++y) {
        Paint(image, left, y, colour);
        Paint(image, right - 1, y, colour);
    }
}

// The cut area as a dark checkerboard, so the outline stands out against it.
PreviewColour Dimmed(int x, int y) {
    const std::uint8_t grey = ((x / 8 + y / 8) % 2 == 0) ? 40 : 56;
    return PreviewColour{grey, grey, grey};
}

} // namespace

BgraImage MakeOutlinePreview(const BgraImage& skin, const SkinFindings& findings) {
    BgraImage preview = skin;
    for (int y = 0; y < skin.height; ++y) {
        for (int x = 0; x < skin.width; ++x) {
            const std::uint8_t mark = findings.marks[static_cast<std::size_t>(y) * skin.width + x];
            preview.At(x, y)[3] = 255;
            if (mark & kHolePixel)
                Paint(preview, x, y, kHoleColour);
            else if (mark & kCutPixel)
                Paint(preview, x, y, Dimmed(x, y));
            else if (mark & kHaloPixel)
                Paint(preview, x, y, kHaloColour);
            else if (mark & kTranslucentPixel)
                Paint(preview, x, y, kTranslucentColour);
        }
    }
    // A hole can be a single pixel: a ring a little way around it makes it findable.
    constexpr int kRingGap = 3;
    for (const PixelSpread& hole : findings.holes) {
        const PixelRect ring = hole.bounds.Grown(kRingGap);
        Frame(preview, ring.left, ring.top, ring.right, ring.bottom, kHoleColour);
    }
    for (const Placement& placement : findings.placements) {
        const PixelRect& r = placement.rect;
        Frame(preview, r.left, r.top, r.right, r.bottom,
              placement.Clear() ? kInsideRectColour : kCutRectColour);
    }
    return preview;
}
