// Region building: the run-batching builder against a pixel-at-a-time baseline, and its pairwise merge of
// batches against OR-ing every batch into one growing region, as it did before.
#include "RegionMerge.h"
#include "RegionRectBuffer.h"
#include "RegionTestSupport.h"
#include "SkinKeyRuns.h"
#include "SkinImage.h"
#include "SkinRegion.h"
#include "Targets.h"
#include "resource.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr double kShippedSpeedUpTarget = 80;

CBitmap MakeCheckerboard(int width, int height) {
    return MakeSkin(width, height, [](int x, int y) { return (x + y) % 2 == 0 ? kMagenta : kSky; });
}

CRgn BufferedBatches(const std::vector<RECT>& runs) {
    CRegionRectBuffer buffer;
    for (const RECT& run : runs) {
        buffer.Append(run);
    }
    buffer.Flush();
    return buffer.TakeRegion();
}

CRgn PairwiseUnion(std::vector<CRgn> regions) {
    CRegionMerge merge;
    for (CRgn& region : regions) {
        merge.Add(std::move(region));
    }
    return merge.Take();
}

// The straightforward way: a 1 x 1 region per key pixel, combined one at a time, read with GetPixel.
CRgn PerPixelRegion(HBITMAP skin) {
    BITMAP info = {};
    ::GetObjectW(skin, sizeof info, &info);
    CMemoryDC dc(nullptr);
    const CSelectObjectScope selectSkin(dc, skin);
    CRgn keyArea;
    keyArea.Attach(::CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x) {
            const COLORREF c = ::GetPixel(dc, x, y);
            if (IsSkinKeyColour(GetRValue(c), GetGValue(c), GetBValue(c))) {
                CRgn pixel;
                pixel.Attach(::CreateRectRgn(x, y, x + 1, y + 1));
                ::CombineRgn(keyArea, keyArea, pixel, RGN_OR);
            }
        }
    }
    CRgn whole;
    whole.Attach(::CreateRectRgn(0, 0, info.bmWidth, info.bmHeight));
    ::CombineRgn(keyArea, keyArea, whole, RGN_XOR);
    return keyArea;
}

CRgn Builder(HBITMAP skin) {
    int width = 0;
    int height = 0;
    return MakeSkinRegion(skin, width, height);
}

// Best time of `rounds` runs, in milliseconds; the region is deleted after the clock stops.
double Time(const std::function<CRgn()>& build, int rounds) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        const CRgn region = build();
        ::QueryPerformanceCounter(&end);
        const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
        best = ms < best ? ms : best;
    }
    return best;
}

double Time(const std::function<CRgn(HBITMAP)>& build, HBITMAP skin, int rounds) {
    return Time([&] { return build(skin); }, rounds);
}

// Best time of `rounds` merges of the batch regions of `runs`, made afresh before each (not timed).
double TimeMerge(const std::function<CRgn(std::vector<CRgn>)>& merge, const std::vector<RECT>& runs,
                 int rounds) {
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        std::vector<CRgn> batches = BatchRegions(runs);
        const double ms = Time([&] { return merge(std::move(batches)); }, 1);
        best = ms < best ? ms : best;
    }
    return best;
}

void Row(const char* name, double builder, double baseline) {
    if (baseline > 0) {
        std::printf("%-34s %10.2f ms %12.2f ms %10.1fx\n", name, builder, baseline, baseline / builder);
    } else {
        std::printf("%-34s %10.2f ms %15s %10s\n", name, builder, "-", "-");
    }
}

} // namespace

int main() {
    std::printf("%-34s %13s %15s %11s\n", "skin", "builder", "per-pixel", "speed-up");
    const CBitmap shipped = LoadPngResource(::GetModuleHandleW(nullptr), IDR_SKIN_PNG);
    const double shippedMs = Time(Builder, shipped, 20), shippedBaselineMs = Time(PerPixelRegion, shipped, 3);
    Row("shipped skin 830x620 (72 runs)", shippedMs, shippedBaselineMs);

    const CBitmap worst = MakeCheckerboard(830, 620);
    Row("checkerboard 830x620 (257,300 runs)", Time(Builder, worst, 5), 0);

    // The baseline is quadratic in the key pixels; compare on a size where it ends in seconds.
    const CBitmap small = MakeCheckerboard(160, 120);
    Row("checkerboard 160x120 (9,600 runs)", Time(Builder, small, 10), Time(PerPixelRegion, small, 1));

    // The batches' regions merged pairwise against OR-ed into one growing region, as before: the merge
    // alone, then with ExtCreateRegion making the batches.
    std::printf("\n%-34s %13s %15s %11s\n", "checkerboard runs", "pairwise", "growing", "speed-up");
    for (const int count : {30000, 257300}) {
        const std::vector<RECT> runs = CheckerboardRuns(count);
        char name[64];
        std::snprintf(name, sizeof name, "%d: merging the batches", count);
        Row(name, TimeMerge(PairwiseUnion, runs, 3), TimeMerge(GrowingUnion, runs, 3));
        std::snprintf(name, sizeof name, "%d: batches and merge", count);
        Row(name, Time([&] { return BufferedBatches(runs); }, 3),
            Time([&] { return GrowingUnion(BatchRegions(runs)); }, 3));
    }
    PrintTarget("shipped skin's region, builder's speed-up over the per-pixel baseline",
                shippedBaselineMs / shippedMs, AtLeast, kShippedSpeedUpTarget);
    return 0;
}
