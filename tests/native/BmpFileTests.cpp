// Size, depth and magenta of button bitmap files.
#include "BmpFile.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace {

Pixel MagentaAtFirstTwo(int x, int y) {
    return y == 0 && x < 2 ? kMagenta : kSky;
}

TEST(BitmapFacts, ReadsSizeDepthAndMagenta) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        int width, height, depth;
        bool pixelsRead;
        long long magenta;
    } const cases[] = {
        {"32-bit, bottom-up", BitmapFile(16, 16, 32, false, MagentaAtFirstTwo), 16, 16, 32, true, 2},
        {"24-bit, top-down, padded rows", BitmapFile(5, 3, 24, true, MagentaAtFirstTwo), 5, 3, 24, true, 2},
        {"no magenta", BitmapFile(4, 4, 32, false, [](int, int) { return kSky; }), 4, 4, 32, true, 0},
        {"almost magenta",
         BitmapFile(4, 4, 32, false,
                    [](int, int) {
                        return Pixel{255, 1, 255, 255};
                    }),
         4, 4, 32, true, 0},
    };
    for (const Case& c : cases) {
        const BitmapFacts facts = ReadBitmapFacts(c.file);
        ASSERT_TRUE(facts.readable) << c.name << ": " << facts.problem;
        EXPECT_EQ(facts.width, c.width) << c.name;
        EXPECT_EQ(facts.height, c.height) << c.name;
        EXPECT_EQ(facts.depth, c.depth) << c.name;
        EXPECT_EQ(facts.pixelsRead, c.pixelsRead) << c.name;
        EXPECT_EQ(facts.magentaPixels, c.magenta) << c.name;
    }
}

TEST(BitmapFacts, KeepsToTheHeadersWhereItCannotReadThePixels) {
    std::vector<std::uint8_t> eightBit = BitmapFile(4, 4, 32, false, MagentaAtFirstTwo);
    eightBit[28] = 8;
    std::vector<std::uint8_t> compressed = BitmapFile(4, 4, 32, false, MagentaAtFirstTwo);
    compressed[30] = 1;
    for (const auto& file : {eightBit, compressed}) {
        const BitmapFacts facts = ReadBitmapFacts(file);
        EXPECT_TRUE(facts.readable);
        EXPECT_FALSE(facts.pixelsRead);
        EXPECT_EQ(facts.width, 4);
    }
}

TEST(BitmapFacts, RefusesWhatIsNoBitmapOrIsCutShort) {
    const std::vector<std::uint8_t> whole = BitmapFile(16, 16, 32, false, MagentaAtFirstTwo);
    std::vector<std::uint8_t> zeroWidth = whole;
    zeroWidth[18] = 0;
    std::vector<std::uint8_t> huge = whole;
    huge[21] = 0x7F;
    const std::vector<std::uint8_t> cases[] = {
        {},
        {'B', 'M'},
        std::vector<std::uint8_t>(whole.begin(), whole.begin() + 40), // header cut short
        std::vector<std::uint8_t>(whole.begin(), whole.end() - 1),    // last pixel missing
        std::vector<std::uint8_t>(whole.size(), 'x'),                 // not a bitmap
        zeroWidth,
        huge,
    };
    for (const auto& file : cases)
        EXPECT_FALSE(ReadBitmapFacts(file).readable) << file.size() << " bytes";
}

} // namespace
