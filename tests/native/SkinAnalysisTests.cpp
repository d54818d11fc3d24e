// What the checker finds in a skin: the launcher's figures and the mistakes that do not show in the picture.
#include "Assessment.h"
#include "ShippedButtons.h"
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
    ASSERT_EQ(f.placements.size(), std::size(kButtonData) + std::size(kBrowserData));
    for (const Placement& placement : f.placements)
        EXPECT_TRUE(placement.Clear()) << placement.name;
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
    const BUTTON_DATA& first = kButtonData[0];
    SetPixel(skin, (first.face.left + first.face.right) / 2, (first.face.top + first.face.bottom) / 2,
             kMagenta);
    const SkinFindings f = AnalyseSkin(skin);
    EXPECT_EQ(f.placements[0].name, "button " + std::to_string(first.id) + " (minimise)");
    EXPECT_EQ(f.placements[0].cutPixels, 1);
    EXPECT_FALSE(f.placements[0].Inside());

    const SkinFindings small = AnalyseSkin(PaintImage(800, 600, [](int, int) { return kSky; }));
    for (const Placement& placement : small.placements)
        EXPECT_EQ(placement.beyondSkin, placement.rect.right > 800 || placement.rect.bottom > 600)
            << placement.name;
}

// A hand-made table row over another: both are named, once, in the verdict, and neither is clear.
TEST(SkinAnalysis, OverlappingTableRectanglesAreWarnedOfByName) {
    SkinCheck check;
    check.decoding.decoded = true;
    check.findings = AnalyseSkin(ShippedSkin());
    std::vector<Placement>& placements = check.findings.placements;
    const std::size_t pane = placements.size() - 1;
    const auto add = [&](const std::string& name, const PixelRect& rect) {
        placements.emplace_back();
        placements.back().name = name;
        placements.back().rect = rect;
    };
    add("button 120 (web page)", {600, 500, 658, 530});
    add("button 121 (web page)", {640, 525, 698, 544});
    add("button 122 (web page)", {698, 525, 756, 544}); // touches, no more
    MarkOverlaps(placements);

    const std::size_t added = pane + 1;
    EXPECT_EQ(placements[added].overlapping, (std::vector<std::size_t>{pane, added + 1}));
    EXPECT_TRUE(placements[added + 2].Clear());
    EXPECT_FALSE(placements[pane].Clear());
    std::vector<std::string> overlaps;
    for (const Message& message : Assess(check)) {
        if (message.text.find(" overlaps ") != std::string::npos)
            overlaps.push_back(message.text);
    }
    EXPECT_EQ(overlaps,
              (std::vector<std::string>{
                  "pane 112 at (17, 57)-(812, 521) overlaps button 120 (web page) at (600, 500)-(658, 530).",
                  "button 120 (web page) at (600, 500)-(658, 530) overlaps button 121 (web page) at "
                  "(640, 525)-(698, 544)."}));
}

} // namespace
