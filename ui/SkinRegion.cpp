#include "SkinRegion.h"

#include "Dib32.h"
#include "Framework.h"
#include "RegionRectBuffer.h"

namespace {

// One rectangle, one pixel high, per run of key pixels.
class CKeyRunRects final : public KeyRunSink {
public:
    explicit CKeyRunRects(CRegionRectBuffer& rects) : m_rects(rects) {}
    bool Append(const KeyRun& run) override {
        return m_rects.Append(RECT{run.left, run.y, run.right, run.y + 1});
    }

private:
    CRegionRectBuffer& m_rects;
};

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

    CRegionRectBuffer rects(heapMaximum);
    if (!rects.IsValid())
        return nullptr;
    // The working copy is bottom-up: the top row lies last in memory.
    const BYTE* bits = static_cast<const BYTE*>(workingInfo.bmBits);
    const BgraPixels pixels = {bits + static_cast<ptrdiff_t>(height - 1) * stride,
                               -static_cast<ptrdiff_t>(stride), width, height};
    CKeyRunRects runs(rects);
    if (!CollectKeyRuns(pixels, runs))
        return nullptr;
    rects.Flush();

    const HRGN keyArea = rects.TakeRegion();
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
