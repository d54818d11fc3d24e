#include "KeyMask.h"

namespace {

// Both bitmaps selected, the image's key pixels become the mask's white ones and turn black in the image.
void MaskAndBlacken(CMemoryDC& imageDC, CMemoryDC& maskDC, int width, int height, COLORREF key) {
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

// A mask that is not returned is deleted only after it has been deselected: a bitmap still selected into a
// context cannot be deleted, and its handle would leak.
CBitmap MakeKeyMask(HBITMAP hImage, UINT width, UINT height, COLORREF key) {
    CBitmap mask;
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    if (!mask.CreateBitmap(w, h, 1, 1, nullptr)) {
        return mask;
    }
    CMemoryDC imageDC(nullptr);
    CMemoryDC maskDC(nullptr);
    bool made = false;
    if (imageDC.IsValid() && maskDC.IsValid()) {
        const CSelectObjectScope selectImage(imageDC, hImage);
        const CSelectObjectScope selectMask(maskDC, mask);
        made = selectImage.Succeeded() && selectMask.Succeeded();
        if (made) {
            MaskAndBlacken(imageDC, maskDC, w, h, key);
        }
    }
    if (!made) {
        mask.DeleteObject();
    }
    return mask;
}
