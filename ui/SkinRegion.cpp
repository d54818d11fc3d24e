#include "SkinRegion.h"

#include "Dib32.h"
#include "Framework.h"
#include "RegionRectBuffer.h"

namespace {

// Appends one rectangle per maximal horizontal run of key pixels, scanning from the top row. The
// working copy is bottom-up, so the top row lies last in memory.
bool CollectKeyRuns(const BYTE* bits, LONG stride, int width, int height, CRegionRectBuffer& runs) {
    for (int y = 0; y < height; ++y) {
        const BYTE* row = bits + static_cast<ptrdiff_t>(height - 1 - y) * stride;
        int x = 0;
        while (x < width) {
            const int runStart = x;
            while (x < width && IsSkinKeyColour(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]))
                ++x;
            if (x > runStart && !runs.Append(RECT{runStart, y, x, y + 1}))
                return false;
            ++x;
        }
    }
    return true;
}

} // namespace

HRGN MakeSkinRegion(HBITMAP skin, int& width, int& height, SIZE_T heapMaximum) {
    if (!skin)
        return nullptr;
    CMemoryDC workDc(nullptr);
    if (!workDc.IsValid())
        return nullptr;

    BITMAP skinInfo = {};
    GetObjectW(skin, sizeof skinInfo, &skinInfo);
    width = skinInfo.bmWidth;
    height = skinInfo.bmHeight;

    CBitmap working;
    working.Attach(Create32BitDib(workDc, width, height, nullptr));
    if (!working.GetSafeHandle())
        return nullptr;
    const CSelectObjectScope selectWorking(workDc, working);
    CMemoryDC skinDc(workDc);
    if (!skinDc.IsValid())
        return nullptr;

    BITMAP workingInfo = {};
    GetObjectW(working, sizeof workingInfo, &workingInfo);
    const LONG stride = (workingInfo.bmWidthBytes + 3) & ~3L;
    {
        const CSelectObjectScope selectSkin(skinDc, skin);
        workDc.BitBlt(0, 0, width, height, &skinDc, 0, 0, SRCCOPY);
    }
    GdiFlush();

    CRegionRectBuffer runs(heapMaximum);
    if (!runs.IsValid() ||
        !CollectKeyRuns(static_cast<const BYTE*>(workingInfo.bmBits), stride, width, height, runs))
        return nullptr;
    runs.Flush();

    const HRGN keyArea = runs.TakeRegion();
    if (!keyArea)
        return nullptr;
    const HRGN whole = CreateRectRgn(0, 0, width, height);
    if (!whole) {
        DeleteObject(keyArea);
        return nullptr;
    }
    // Every key run lies inside the rectangle, so the XOR leaves the rectangle minus the key area.
    CombineRgn(keyArea, keyArea, whole, RGN_XOR);
    DeleteObject(whole);
    return keyArea;
}
