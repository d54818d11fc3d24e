// The key colour test and the run scanner the region builder and the skin checker share.
#include "RegionBatches.h"
#include "SkinKeyRuns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SkinKeyColour, IsMagentaWithinSeventeenOnEachChannel) {
    struct Case {
        int red, green, blue;
        bool key;
    } const cases[] = {
        {255, 0, 255, true},   {238, 17, 238, true}, {237, 0, 255, false},
        {255, 18, 255, false}, {255, 0, 237, false}, {40, 90, 160, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSkinKeyColour(c.red, c.green, c.blue), c.key) << c.red << "," << c.green << "," << c.blue;
}

class RunList final : public KeyRunSink {
public:
    explicit RunList(int limit = -1) : m_limit(limit) {}
    bool Append(const KeyRun& run) override {
        text +=
            std::to_string(run.y) + ":" + std::to_string(run.left) + "-" + std::to_string(run.right) + " ";
        return --m_limit != 0;
    }
    std::string text;

private:
    int m_limit;
};

// Rows of pixels drawn as text, top row first: 'M' magenta, 'm' magenta with alpha 0, '.' another colour;
// at the key's tolerance, '6' and '7' lie 16 and 17 away from magenta on every channel, and 'r', 'g' and
// 'b' 18 away on red, green or blue alone.
std::vector<std::uint8_t> Pixels(const std::vector<std::string>& rows) {
    struct Shade {
        char name;
        std::uint8_t red, green, blue, alpha;
    } const shades[] = {
        {'M', 255, 0, 255, 255},  {'m', 255, 0, 255, 0},   {'.', 160, 90, 40, 255},  {'6', 239, 16, 239, 255},
        {'7', 238, 17, 238, 255}, {'r', 237, 0, 255, 255}, {'g', 255, 18, 255, 255}, {'b', 255, 0, 237, 255},
    };
    std::vector<std::uint8_t> bytes;
    for (const std::string& row : rows) {
        for (const char c : row) {
            for (const Shade& shade : shades) {
                if (shade.name == c) {
                    bytes.insert(bytes.end(), {shade.blue, shade.green, shade.red, shade.alpha});
                }
            }
        }
    }
    return bytes;
}

TEST(KeyRuns, AreMaximalRowRunsFromTheTopLeft) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        const char* runs;
    } const cases[] = {
        {"none", {"....", "...."}, ""},
        {"single pixel", {"....", "..M."}, "1:2-3 "},
        {"reaches the right edge", {"..MM", "...."}, "0:2-4 "},
        {"starts at the left edge", {"MM..", "M..M"}, "0:0-2 1:0-1 1:3-4 "},
        {"alpha is not looked at", {".mM.", "...."}, "0:1-3 "},
        {"every pixel", {"MMM", "MMM"}, "0:0-3 1:0-3 "},
        {"up to 17 away on each channel", {"M67.", ".76M"}, "0:0-3 1:1-4 "},
        {"18 away on one channel", {"7r7g", "b77r"}, "0:0-1 0:2-3 1:1-3 "},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> bytes = Pixels(c.rows);
        const int width = static_cast<int>(c.rows[0].size());
        RunList runs;
        EXPECT_TRUE(CollectKeyRuns({bytes.data(), width * 4, width, static_cast<int>(c.rows.size())}, runs));
        EXPECT_EQ(runs.text, c.runs) << c.name;
    }
}

// A bottom-up bitmap keeps its top row last in memory; a negative step reads it from the top all the same.
TEST(KeyRuns, ANegativeRowStepReadsABottomUpBitmapFromTheTop) {
    const std::vector<std::uint8_t> bottomUp = Pixels({"..M.", "M..."});
    RunList runs;
    EXPECT_TRUE(CollectKeyRuns({bottomUp.data() + 16, -16, 4, 2}, runs));
    EXPECT_EQ(runs.text, "0:0-1 1:2-3 ");
}

TEST(KeyRuns, ASinkThatRefusesEndsTheScan) {
    const std::vector<std::uint8_t> bytes = Pixels({"M.M.M"});
    RunList runs(2);
    EXPECT_FALSE(CollectKeyRuns({bytes.data(), 20, 5, 1}, runs));
    EXPECT_EQ(runs.text, "0:0-1 0:2-3 ");
}

TEST(RegionBatches, OneCallPerFullBatchAndOneForTheRest) {
    const long long cases[][2] = {{0, 1}, {72, 1}, {2999, 1}, {3000, 2}, {3001, 2}, {257300, 86}};
    for (const auto& c : cases)
        EXPECT_EQ(RegionBatchCount(c[0]), c[1]) << c[0] << " rectangles";
}

} // namespace
