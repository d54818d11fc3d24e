#include "SkinRegion.h"

#include "Dib32.h"
#include "Framework.h"
#include "RegionRectBuffer.h"
#include "SkinKeyRuns.h"

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

CRgn MakeSkinRegion(HBITMAP skin, int& width, int& height) {
    if (skin == nullptr) {
        return CRgn();
    }
    CMemoryDC workDc(nullptr);
    if (!workDc.IsValid()) {
        return CRgn();
    }

    BITMAP skinInfo = {};
    ::GetObjectW(skin, sizeof skinInfo, &skinInfo);
    width = skinInfo.bmWidth;
    height = skinInfo.bmHeight;

    const CBitmap working = Create32BitDib(workDc, width, height, nullptr);
    if (working.GetSafeHandle() == nullptr) {
        return CRgn();
    }
    const CSelectObjectScope selectWorking(workDc, working);
    CMemoryDC skinDc(workDc);
    if (!skinDc.IsValid()) {
        return CRgn();
    }

    BITMAP workingInfo = {};
    ::GetObjectW(working, sizeof workingInfo, &workingInfo);
    const LONG stride = (workingInfo.bmWidthBytes + 3) & ~3L;
    {
        const CSelectObjectScope selectSkin(skinDc, skin);
        workDc.BitBlt(0, 0, width, height, &skinDc, 0, 0, SRCCOPY);
    }
    ::GdiFlush();

    CRegionRectBuffer rects;
    if (!rects.IsValid()) {
        return CRgn();
    }
    // The working copy is bottom-up: the top row lies last in memory.
    const BYTE* bits = static_cast<const BYTE*>(workingInfo.bmBits);
    const BgraPixels pixels = {bits + static_cast<ptrdiff_t>(height - 1) * stride,
                               -static_cast<ptrdiff_t>(stride), width, height};
    CKeyRunRects runs(rects);
    if (!CollectKeyRuns(pixels, runs)) {
        return CRgn();
    }
    rects.Flush();

    CRgn keyArea = rects.TakeRegion();
    if (keyArea.GetSafeHandle() == nullptr) {
        return keyArea;
    }
    CRgn whole;
    whole.Attach(::CreateRectRgn(0, 0, width, height));
    if (whole.GetSafeHandle() == nullptr) {
        return CRgn();
    }
    // Every key run lies inside the rectangle, so the XOR leaves the rectangle minus the key area. Without
    // it the region would be the key area itself, the inverse of the outline.
    if (::CombineRgn(keyArea, keyArea, whole, RGN_XOR) == ERROR) {
        return CRgn();
    }
    return keyArea;
}
