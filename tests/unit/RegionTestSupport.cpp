#include "RegionTestSupport.h"

#include "Dib32.h"

#include <vector>

HBITMAP MakeSkin(int width, int height, const std::function<PIXEL(int, int)>& paint) {
    void* bits = nullptr;
    HBITMAP bitmap = Create32BitDib(nullptr, width, height, &bits);
    if (!bitmap)
        return nullptr;
    BYTE* bytes = static_cast<BYTE*>(bits);
    for (int y = 0; y < height; ++y) {
        BYTE* row = bytes + static_cast<size_t>(height - 1 - y) * width * 4;
        for (int x = 0; x < width; ++x) {
            const PIXEL p = paint(x, y);
            row[x * 4] = p.blue;
            row[x * 4 + 1] = p.green;
            row[x * 4 + 2] = p.red;
            row[x * 4 + 3] = p.alpha;
        }
    }
    return bitmap;
}

int64_t RegionArea(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<BYTE> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || GetRegionData(region, size, data) != size)
        return -1;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    int64_t area = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        area += static_cast<int64_t>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    return area;
}

HRGN ExpectedRegion(int width, int height, const std::function<bool(int, int)>& inside) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && inside(x, y))
                ++x;
            if (x > start) {
                HRGN run = CreateRectRgn(start, y, x, y + 1);
                CombineRgn(region, region, run, RGN_OR);
                DeleteObject(run);
            }
            ++x;
        }
    }
    return region;
}
