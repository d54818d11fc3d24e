#include "RegionTestSupport.h"

#include "Dib32.h"
#include "RegionBatches.h"

#include <algorithm>
#include <climits>
#include <utility>

CBitmap MakeSkin(int width, int height, const std::function<PIXEL(int, int)>& paint) {
    void* bits = nullptr;
    CBitmap bitmap = Create32BitDib(nullptr, width, height, &bits);
    if (bitmap.GetSafeHandle() == nullptr) {
        return bitmap;
    }
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

CRgn ExpectedRegion(int width, int height, const std::function<bool(int, int)>& inside) {
    CRgn region;
    region.Attach(::CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && inside(x, y))
                ++x;
            if (x > start) {
                CRgn run;
                run.Attach(::CreateRectRgn(start, y, x, y + 1));
                ::CombineRgn(region, region, run, RGN_OR);
            }
            ++x;
        }
    }
    return region;
}

std::vector<RECT> CheckerboardRuns(int count) {
    constexpr int kWidth = 830;
    std::vector<RECT> runs;
    runs.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int y = i / (kWidth / 2);
        const int x = 2 * (i % (kWidth / 2)) + y % 2;
        runs.push_back(RECT{x, y, x + 1, y + 1});
    }
    return runs;
}

std::vector<CRgn> BatchRegions(const std::vector<RECT>& rects) {
    std::vector<CRgn> regions;
    size_t next = 0;
    do {
        const size_t count = std::min<size_t>(kRegionBatchSize, rects.size() - next);
        std::vector<BYTE> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        data->rdh = {
            sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(count), 0, {INT_MAX, INT_MAX, 0, 0}};
        RECT* batch = reinterpret_cast<RECT*>(data->Buffer);
        for (size_t i = 0; i < count; ++i) {
            const RECT& r = rects[next + i];
            batch[i] = r;
            RECT& bound = data->rdh.rcBound;
            bound = {std::min(bound.left, r.left), std::min(bound.top, r.top), std::max(bound.right, r.right),
                     std::max(bound.bottom, r.bottom)};
        }
        next += count;
        regions.emplace_back();
        regions.back().Attach(::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
    } while (next < rects.size());
    return regions;
}

CRgn GrowingUnion(std::vector<CRgn> regions) {
    CRgn grown = std::move(regions.front());
    for (size_t i = 1; i < regions.size(); ++i) {
        ::CombineRgn(grown, grown, regions[i], RGN_OR);
        regions[i].DeleteObject();
    }
    return grown;
}
