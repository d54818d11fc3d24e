#include "KeyMask.h"

CBitmap MakeKeyMask(HBITMAP hImage, UINT width, UINT height, COLORREF key) {
    CBitmap mask;
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    if (!mask.CreateBitmap(w, h, 1, 1, nullptr)) {
        return mask;
    }
    CMemoryDC imageDC(nullptr);
    CMemoryDC maskDC(nullptr);
    if (!imageDC.IsValid() || !maskDC.IsValid()) {
        mask.DeleteObject();
        return mask;
    }
    {
        const CSelectObjectScope selectImage(imageDC, hImage);
        const CSelectObjectScope selectMask(maskDC, mask);
        if (!selectImage.Succeeded() || !selectMask.Succeeded()) {
            mask.DeleteObject();
            return mask;
        }
        // Colour to monochrome: pixels of the source's background colour become 1.
        const COLORREF previousBackground = imageDC.SetBkColor(key);
        maskDC.BitBlt(0, 0, w, h, &imageDC, 0, 0, SRCCOPY);
        // Monochrome to colour: 1 becomes the background colour (black), 0 the text colour (white).
        imageDC.SetTextColor(RGB(255, 255, 255));
        imageDC.SetBkColor(RGB(0, 0, 0));
        imageDC.BitBlt(0, 0, w, h, &maskDC, 0, 0, SRCAND);
        imageDC.SetBkColor(previousBackground);
    }
    return mask;
}
