#include "ImportHook.h"
#include "RegionRectBuffer.h"
#include "RegionTestSupport.h"
#include "SkinImage.h"
#include "SkinRegion.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RegionResult {
    CRgn region;
    int width = -1;
    int height = -1;
};

RegionResult Build(HBITMAP skin) {
    RegionResult result;
    result.region = MakeSkinRegion(skin, result.width, result.height);
    return result;
}

struct ColourCase {
    const char* name;
    PIXEL colour;
    bool inside;
};

class KeyColourTest : public testing::TestWithParam<ColourCase> {};

TEST_P(KeyColourTest, DecidesWhetherAPixelBelongsToTheWindow) {
    const ColourCase& c = GetParam();
    const CBitmap skin = MakeSkin(3, 1, [&](int x, int) { return x == 1 ? c.colour : kSky; });
    const RegionResult r = Build(skin);
    ASSERT_NE(r.region.GetSafeHandle(), nullptr);
    EXPECT_EQ(::PtInRegion(r.region, 1, 0) != FALSE, c.inside);
    EXPECT_EQ(RegionArea(r.region), c.inside ? 3 : 2);
}

INSTANTIATE_TEST_SUITE_P(Tolerance, KeyColourTest,
                         testing::Values(ColourCase{"PureMagenta", {255, 0, 255, 255}, false},
                                         ColourCase{"EdgeOfTolerance", {238, 17, 238, 255}, false},
                                         ColourCase{"RedTooLow", {237, 0, 255, 255}, true},
                                         ColourCase{"GreenTooHigh", {255, 18, 255, 255}, true},
                                         ColourCase{"BlueTooLow", {255, 0, 237, 255}, true},
                                         ColourCase{"TransparentSkyStaysInside", {40, 90, 160, 0}, true},
                                         ColourCase{"TransparentMagentaIsCut", {255, 0, 255, 0}, false}),
                         [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

struct PatternCase {
    const char* name;
    int width;
    int height;
    bool (*isKey)(int x, int y);
};

class KeyPatternTest : public testing::TestWithParam<PatternCase> {};

// Whatever the pattern and however the runs fall into batches, the region is exactly the non-key
// pixels.
TEST_P(KeyPatternTest, RegionIsTheRectangleLessTheKeyPixels) {
    const PatternCase& c = GetParam();
    const CBitmap skin =
        MakeSkin(c.width, c.height, [&](int x, int y) { return c.isKey(x, y) ? kMagenta : kSky; });
    const RegionResult r = Build(skin);
    ASSERT_NE(r.region.GetSafeHandle(), nullptr);
    EXPECT_EQ(r.width, c.width);
    EXPECT_EQ(r.height, c.height);

    const CRgn expected = ExpectedRegion(c.width, c.height, [&](int x, int y) { return !c.isKey(x, y); });
    EXPECT_TRUE(::EqualRgn(r.region, expected));
    int64_t keyPixels = 0;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            keyPixels += c.isKey(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(RegionArea(r.region), int64_t{c.width} * c.height - keyPixels);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, KeyPatternTest,
    testing::Values(
        PatternCase{"NoKeyPixels", 17, 9, [](int, int) { return false; }},
        PatternCase{"SingleKeyPixel", 17, 9, [](int x, int y) { return x == 4 && y == 6; }},
        PatternCase{"RunsReachTheRightEdge", 17, 9, [](int x, int y) { return x >= 17 - y - 1; }},
        PatternCase{"RunsStartAtTheLeftEdge", 17, 9, [](int x, int y) { return x <= y; }},
        // 30 single-pixel runs a row: 100 rows fill one batch exactly, 101 rows spill one run over.
        PatternCase{"ExactlyOneFullBatch", 60, 100, [](int x, int) { return x % 2 == 0; }},
        PatternCase{"OneRunPastAFullBatch", 60, 101,
                    [](int x, int y) { return y < 100 ? x % 2 == 0 : x == 59; }},
        PatternCase{"ManyBatches", 200, 100, [](int x, int y) { return (x + y) % 2 == 0; }}),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

class BatchMergeTest : public testing::TestWithParam<int> {};

// Merging the batches pairwise must give exactly the region that OR-ing them into one growing region gave.
TEST_P(BatchMergeTest, GivesTheSameRegionAsOneGrowingRegion) {
    const std::vector<RECT> runs = CheckerboardRuns(GetParam());
    CRegionRectBuffer buffer;
    ASSERT_TRUE(buffer.IsValid());
    for (const RECT& run : runs) {
        ASSERT_TRUE(buffer.Append(run));
    }
    buffer.Flush();
    const CRgn merged = buffer.TakeRegion();
    const CRgn grown = GrowingUnion(BatchRegions(runs));
    ASSERT_NE(merged.GetSafeHandle(), nullptr);
    ASSERT_NE(grown.GetSafeHandle(), nullptr);
    EXPECT_TRUE(::EqualRgn(merged, grown));
    EXPECT_EQ(RegionArea(merged), static_cast<int64_t>(runs.size()));
}

INSTANTIATE_TEST_SUITE_P(RunCounts, BatchMergeTest, testing::Values(0, 1, 2999, 3000, 3001, 257300),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "Runs";
                         });

TEST(SkinRegion, AllKeySkinGivesAnEmptyRegionNotANullOne) {
    const CBitmap skin = MakeSkin(12, 5, [](int, int) { return kMagenta; });
    const RegionResult r = Build(skin);
    ASSERT_NE(r.region.GetSafeHandle(), nullptr);
    RECT box;
    EXPECT_EQ(::GetRgnBox(r.region, &box), NULLREGION);
}

// GDI failing the combine of one mode, as it may when it runs short of memory.
class CFailingCombine {
public:
    explicit CFailingCombine(int mode)
        : m_hook("gdi32.dll", "CombineRgn", reinterpret_cast<void*>(&Combine)) {
        s_failingMode = mode;
        s_combine = reinterpret_cast<decltype(&::CombineRgn)>(m_hook.Original());
    }
    bool Installed() const { return m_hook.Installed(); }

private:
    static int WINAPI Combine(HRGN destination, HRGN first, HRGN second, int mode) {
        return mode == s_failingMode ? ERROR : s_combine(destination, first, second, mode);
    }

    CImportHook m_hook;
    static inline int s_failingMode = 0;
    static inline decltype(&::CombineRgn) s_combine = nullptr;
};

// The last step takes the key area out of the whole rectangle. When it fails, what is left is the key area
// itself, the inverse of the outline: that is no region at all, which the window reports as such.
TEST(SkinRegion, AFailedCombineOfTheKeyAreaWithTheRectangleGivesNoRegion) {
    const CBitmap skin = MakeSkin(12, 5, [](int x, int) { return x < 3 ? kMagenta : kSky; });
    const CFailingCombine failing(RGN_XOR);
    ASSERT_TRUE(failing.Installed());
    const int regions = CRgn::LiveHandleCount();
    const RegionResult r = Build(skin);
    EXPECT_EQ(r.region.GetSafeHandle(), nullptr);
    EXPECT_EQ(r.width, 12) << "the size is known all the same";
    EXPECT_EQ(CRgn::LiveHandleCount(), regions) << "and every region made on the way is gone";
}

TEST(SkinRegion, NullSkinGivesNullAndRecordsNoSize) {
    const RegionResult r = Build(nullptr);
    EXPECT_EQ(r.region.GetSafeHandle(), nullptr);
    EXPECT_EQ(r.width, -1);
    EXPECT_EQ(r.height, -1);
}

// A monochrome bitmap this large exists, but its 32-bpp working copy (1.6 GB) cannot: the build
// fails after the size is known, and the size must still be recorded.
TEST(SkinRegion, SizeIsRecordedWhenTheWorkingCopyCannotBeMade) {
    CBitmap huge;
    huge.Attach(::CreateBitmap(20000, 20000, 1, 1, nullptr));
    ASSERT_NE(huge.GetSafeHandle(), nullptr);
    const int regions = CRgn::LiveHandleCount(), bitmaps = CBitmap::LiveHandleCount();
    const RegionResult r = Build(huge);
    EXPECT_EQ(r.region.GetSafeHandle(), nullptr);
    EXPECT_EQ(r.width, 20000);
    EXPECT_EQ(r.height, 20000);
    EXPECT_EQ(CRgn::LiveHandleCount(), regions);
    EXPECT_EQ(CBitmap::LiveHandleCount(), bitmaps);
}

// Running out of memory for the rectangle buffer is a failure to report, not a crash: the rectangle that
// does not fit is refused, and what the buffer holds stays whole.
TEST(RegionRectBuffer, ABufferThatCannotGrowRefusesTheNextRectangleAndKeepsTheOthers) {
    CRegionRectBuffer buffer(8 * 1024);
    ASSERT_TRUE(buffer.IsValid());
    const std::vector<RECT> runs = CheckerboardRuns(CRegionRectBuffer::kBatchSize);
    size_t taken = 0;
    while (taken < runs.size() && buffer.Append(runs[taken])) {
        ++taken;
    }
    EXPECT_GT(taken, size_t{CRegionRectBuffer::kInitialCapacity}) << "it grows while its heap has room";
    ASSERT_LT(taken, runs.size()) << "and refuses once it has none";
    EXPECT_FALSE(buffer.Append(runs[taken])) << "again";
    buffer.Flush();
    EXPECT_EQ(RegionArea(buffer.TakeRegion()), static_cast<int64_t>(taken));
}

TEST(SkinRegion, ShippedSkinKeepsItsOutline) {
    const CBitmap skin = LoadPngResource(::GetModuleHandleW(nullptr), IDR_SKIN_PNG);
    ASSERT_NE(skin.GetSafeHandle(), nullptr);
    const RegionResult r = Build(skin);
    ASSERT_NE(r.region.GetSafeHandle(), nullptr);
    EXPECT_EQ(r.width, 830);
    EXPECT_EQ(r.height, 620);
    EXPECT_EQ(RegionArea(r.region), 505837);

    struct Probe {
        int x, y;
        bool inside;
    };
    constexpr Probe probes[] = {
        {0, 0, false},     {7, 0, false},     {8, 0, true},      {0, 7, false},    {0, 8, true},
        {829, 0, false},   {822, 0, false},   {821, 0, true},    {829, 8, true},   {0, 591, true},
        {0, 592, false},   {829, 592, false}, {280, 619, false}, {281, 619, true}, {548, 619, true},
        {549, 619, false}, {415, 300, true},  {263, 611, true},  {559, 611, true},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(::PtInRegion(r.region, p.x, p.y) != FALSE, p.inside) << p.x << "," << p.y;
    }
}

} // namespace
