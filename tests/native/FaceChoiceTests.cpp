// Which face a skinned button draws in each state, and where.
#include "ButtonWindow.h"
#include "FaceChoice.h"

#include <gtest/gtest.h>

namespace {

// The only test that tells the pressed slot from the hover slot: the shipped pressed images are the hover
// images, so no picture of a button, in the control tests or end to end, can show them swapped.
TEST(FaceSlot, FollowsModeThenDisabledThenPressedThenHover) {
    struct Case {
        FaceState state; // check mode, disabled, pressed (or checked), hover
        unsigned filled; // bit n: slot n holds an image
        int slot;
    } const cases[] = {
        {{0, 0, 0, 0}, 0xF, kNormalFace},   {{0, 0, 0, 1}, 0xF, kHoverFace},
        {{0, 0, 1, 1}, 0xF, kPressedFace},  {{0, 0, 1, 0}, 0x3, kHoverFace},  // no pressed face
        {{0, 1, 1, 1}, 0xF, kDisabledFace}, {{0, 1, 0, 1}, 0x3, kNormalFace}, // no disabled face
        {{1, 0, 1, 0}, 0xF, kHoverFace},    {{1, 0, 0, 1}, 0xF, kNormalFace}, // check mode: checked or not
        {{1, 1, 0, 0}, 0xF, kNormalFace},   {{0, 0, 0, 1}, 0xE, kNoFace},     // no hover face: nothing
        {{0, 0, 0, 0}, 0x1, kNoFace},       {{0, 1, 0, 0}, 0x9, kDisabledFace},
        {{0, 0, 7, 0}, 0xF, kPressedFace}, // any non-zero flag is true
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseFaceSlot(c.state, c.filled), c.slot)
            << c.state.checkMode << c.state.disabled << c.state.pressed << c.state.hover << " filled "
            << c.filled;
    }
}

TEST(FacePlacement, CentresOrLeavesRoomForTheCaptionAndShiftsWhenPressed) {
    struct Case {
        PixelRect item;
        bool caption;
        unsigned width, height;
        bool shift;
        PixelRect image;
        int captionLeft;
    } const cases[] = {
        {{0, 0, 61, 21}, false, 58, 19, false, {1, 1, 59, 20}, 0}, // a launcher tab button
        {{0, 0, 61, 21}, false, 58, 19, true, {2, 2, 60, 21}, 0},
        {{0, 0, 100, 30}, true, 16, 16, false, {3, 7, 19, 23}, 19},
        {{0, 0, 100, 30}, true, 16, 16, true, {4, 8, 20, 24}, 19},
        {{0, 0, 10, 10}, false, 20, 14, false, {-5, -2, 15, 12}, 0}, // overhangs equally on both sides
        {{0, 0, 10, 10}, false, 21, 15, false, {-5, -2, 16, 13}, 0}, // signed halving rounds toward zero
        {{5, 7, 15, 17}, false, 4, 4, false, {8, 10, 12, 14}, 5},    // relative to the item's corner
    };
    for (const Case& c : cases) {
        PixelRect caption = c.item;
        const PixelRect image = PlaceFaceImage(c.item, caption, c.caption, c.width, c.height, c.shift);
        EXPECT_EQ(image, c.image) << PixelRectText(image) << " for " << c.width;
        EXPECT_EQ(caption.left, c.captionLeft) << c.width;
    }
}

// The builder's window around a face rectangle, and where the button then draws a face of that size.
TEST(ButtonWindow, ReachesThreeLeftAndTwoUpAndTheFaceLandsCentredInIt) {
    struct Case {
        PixelRect face;
        PixelRect window;
        PixelRect drawn;
    } const cases[] = {
        {{751, 18, 767, 34}, {748, 16, 767, 34}, {749, 17, 765, 33}},       // minimise: 19 x 18
        {{266, 566, 560, 612}, {263, 564, 560, 612}, {264, 565, 558, 611}}, // start: 297 x 48
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonWindowRect(c.face), c.window) << PixelRectText(ButtonWindowRect(c.face));
        EXPECT_EQ(DrawnFaceRect(c.face), c.drawn) << PixelRectText(DrawnFaceRect(c.face));
    }
}

} // namespace
