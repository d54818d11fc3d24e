// What the checker finds in a skin: the launcher's figures and the mistakes that do not show in the picture.
#include "SkinAnalysis.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinAnalysis, ShippedSkinGivesTheLaunchersOwnFigures) {
    const SkinFindings f = AnalyseSkin(ShippedSkin());
    EXPECT_EQ(f.width, 830);
    EXPECT_EQ(f.height, 620);
    EXPECT_EQ(f.runs, 72);
    EXPECT_EQ(f.batches, 1);
    EXPECT_EQ(f.keptPixels, 505837);
    EXPECT_EQ(f.cutPixels, 8763);
    EXPECT_EQ(f.halo.pixels, 0);
    EXPECT_TRUE(f.holes.empty());
    EXPECT_EQ(f.translucent.pixels, 0);
    ASSERT_EQ(f.placements.size(), 10u);
    for (const Placement& placement : f.placements)
        EXPECT_TRUE(placement.Inside()) << placement.name;
}

struct PaintedPixel {
    int x, y;
    Pixel colour;
};

struct Flaw {
    const char* name;
    std::vector<PaintedPixel> pixels;
    long long halo;
    int holes;
    long long translucent;
};

// Each flaw is painted into the shipped skin, whose top-left corner is cut off diagonally (x < 8 - y).
TEST(SkinAnalysis, FindsEachFlawAndNothingElse) {
    const Flaw flaws[] = {
        {"pink inside", {{400, 300, {230, 40, 230, 255}}}, 1, 0, 0},
        {"blend against the cut", {{8, 0, {150, 20, 150, 255}}}, 1, 0, 0},
        {"the same blend away from the cut", {{400, 300, {150, 20, 150, 255}}}, 0, 0, 0},
        {"stray magenta", {{415, 300, kMagenta}}, 0, 1, 0},
        {"two holes only diagonal to each other", {{100, 100, kMagenta}, {101, 101, kMagenta}}, 0, 2, 0},
        {"translucent", {{100, 300, {40, 90, 160, 128}}}, 0, 0, 1},
        {"translucent magenta is cut, not translucent", {{0, 0, {255, 0, 255, 0}}}, 0, 0, 0},
        {"magenta joined to the corner cut", {{8, 0, kMagenta}}, 0, 0, 0},
    };
    for (const Flaw& flaw : flaws) {
        BgraImage skin = ShippedSkin();
        for (const PaintedPixel& p : flaw.pixels)
            SetPixel(skin, p.x, p.y, p.colour);
        const SkinFindings f = AnalyseSkin(skin);
        EXPECT_EQ(f.halo.pixels, flaw.halo) << flaw.name;
        EXPECT_EQ(static_cast<int>(f.holes.size()), flaw.holes) << flaw.name;
        EXPECT_EQ(f.translucent.pixels, flaw.translucent) << flaw.name;
    }
}

TEST(SkinAnalysis, AHoleIsLocatedAndCountedInTheRegionFigures) {
    BgraImage skin = ShippedSkin();
    for (int x = 415; x < 418; ++x)
        SetPixel(skin, x, 300, kMagenta);
    const SkinFindings f = AnalyseSkin(skin);
    ASSERT_EQ(f.holes.size(), 1u);
    EXPECT_EQ(f.holes[0].pixels, 3);
    EXPECT_EQ(f.holes[0].bounds.left, 415);
    EXPECT_EQ(f.holes[0].bounds.right, 418);
    EXPECT_EQ(f.holes[0].bounds.top, 300);
    EXPECT_EQ(f.runs, 73);
    EXPECT_EQ(f.keptPixels, 505837 - 3);
}

TEST(SkinAnalysis, RectanglesOverTheCutOrPastTheEdgeAreNotInside) {
    BgraImage skin = ShippedSkin();
    SetPixel(skin, 760, 20, kMagenta); // inside the minimise button's rectangle
    const SkinFindings f = AnalyseSkin(skin);
    EXPECT_EQ(f.placements[0].name, "button 102 (minimise)");
    EXPECT_EQ(f.placements[0].cutPixels, 1);
    EXPECT_FALSE(f.placements[0].Inside());

    const SkinFindings small = AnalyseSkin(PaintImage(800, 600, [](int, int) { return kSky; }));
    for (const Placement& placement : small.placements)
        EXPECT_EQ(placement.beyondSkin, placement.rect.right > 800 || placement.rect.bottom > 600)
            << placement.name;
}

} // namespace
