// Where a progress bar's pieces go, and the bar's own skin.
#include "BuiltInProgressSkin.h"
#include "ProgressGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

constexpr uint32_t kCyan = 0x00FFFF;

TEST(ProgressGeometry, PlacesTheFilledSegmentAndClampsIt) {
    struct Case {
        int length, slice;
        ProgressValues values;     // minimum, maximum, start, end
        ProgressGeometry expected; // track end, start, end, filled
    } const cases[] = {
        {198, 10, {0, 100, 0, 0}, {188, 0, 0, false}},    // empty
        {198, 10, {0, 100, 0, 50}, {188, 0, 99, true}},   // half: 50 * 178 / 100 + 10
        {198, 10, {0, 100, 0, 100}, {188, 0, 188, true}}, // full
        {203, 10, {0, 100, 0, 33}, {193, 0, 70, true}},   // a length that is no multiple of the slice
        {198, 10, {0, 100, 55, 50}, {188, 89, 99, true}}, // a start past the end: a slice before it
        {198, 10, {0, 100, 0, 500}, {188, 0, 188, true}}, // an end past the track stops at it
        {198, 16, {0, 100, 20, 40}, {182, 33, 82, true}}, // a vertical bar's slice is its skin's width
        {198, 10, {-50, 50, -50, 0}, {188, 0, 99, true}},
        {198, 10, {5, 5, 0, 7}, {188, 0, 0, false}}, // an empty range shows the empty track
        {198, 10, {INT_MIN, INT_MAX, INT_MIN, INT_MAX}, {188, 0, 188, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComputeProgressGeometry(c.length, c.slice, c.values), c.expected)
            << c.length << " " << c.values.rangeMin << ".." << c.values.rangeMax << " end "
            << c.values.endValue;
    }
}

TEST(BuiltInProgressSkin, IsAGreyTrackWithAGlossyBlueBar) {
    const std::vector<uint32_t> skin = BuiltInProgressSkinPixels();
    ASSERT_EQ(skin.size(), 90u * 16u);
    const auto at = [&](int x, int y) { return skin[y * 90 + x]; };
    const uint32_t greys[] = {0xBD, 0xC3, 0xCD, 0xD5, 0xDD, 0xE4, 0xED};
    for (const int slice : {0, 1, 6, 7, 8}) {
        for (int y = 0; y < 7; ++y) {
            EXPECT_EQ(at(slice * 10 + 5, y), greys[y] * 0x010101u) << slice << "," << y;
        }
        EXPECT_EQ(at(slice * 10, 12), 0xF2F2F2u);
        EXPECT_EQ(at(slice * 10 + 9, 15), 0xE4E4E4u);
    }
    for (int x = 20; x < 60; ++x) {
        EXPECT_EQ(at(x, 0), 0xBDBDBDu) << x;
    }
    for (int x = 22; x < 58; ++x) {
        EXPECT_EQ(at(x, 1), 0x0033B1u) << "dark blue border " << x;
        EXPECT_EQ(at(x, 5), 0x9FE6FFu) << "light blue middle " << x;
    }
    EXPECT_NE(at(20, 1), 0x0033B1u) << "rounded start";
    EXPECT_NE(at(59, 1), 0x0033B1u) << "rounded end";
    EXPECT_EQ(at(40, 14) & 0xFF, (at(40, 14) >> 8) & 0xFF) << "a grey shadow below the bar";
    for (const uint32_t pixel : skin) {
        ASSERT_NE(pixel, kCyan);
    }
}

} // namespace
