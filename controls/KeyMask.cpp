#include "KeyMask.h"

#include <utility>

namespace {

// Both bitmaps selected, the image's key pixels become the mask's white ones and turn black in the image.
void MaskAndBlacken(CDC& imageDC, CDC& maskDC, int width, int height, COLORREF key) {
    // Colour to monochrome: pixels of the source's background colour become 1.
    const COLORREF previousBackground = imageDC.SetBkColor(key);
    maskDC.BitBlt(0, 0, width, height, &imageDC, 0, 0, SRCCOPY);
    // Monochrome to colour: 1 becomes the background colour (black), 0 the text colour (white).
    imageDC.SetTextColor(RGB(255, 255, 255));
    imageDC.SetBkColor(RGB(0, 0, 0));
    imageDC.BitBlt(0, 0, width, height, &maskDC, 0, 0, SRCAND);
    imageDC.SetBkColor(previousBackground);
}

} // namespace

// A mask that is not returned goes with its DC, which deselects it first: a bitmap still selected into a
// context cannot be deleted, and its handle would leak.
CBitmap MakeKeyMask(HBITMAP hImage, UINT width, UINT height, COLORREF key) {
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    CBitmap mask;
    if (!mask.CreateBitmap(w, h, 1, 1, nullptr)) {
        return mask;
    }
    CBitmapDC maskDC(nullptr, std::move(mask));
    CMemoryDC imageDC(nullptr);
    if (!maskDC.IsValid() || !imageDC.IsValid()) {
        return CBitmap();
    }
    const CSelectObjectScope selectImage(imageDC, hImage);
    if (!selectImage.Succeeded()) {
        return CBitmap();
    }
    MaskAndBlacken(imageDC, maskDC, w, h, key);
    return maskDC.TakeBitmap();
}
